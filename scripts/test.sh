#!/usr/bin/env bash
# Set-up, build, then run every test headless; then the same tests in a
# sanitizer build, then each fuzz harness for a short time.
#   KVZ_SKIP_SANITIZE=1 / KVZ_SKIP_FUZZ=1 leave those two steps out.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
(cd "$root/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
if [ -z "${KVZ_SKIP_SANITIZE:-}" ]; then
    bash "$root/scripts/sanitize.sh"
fi
if [ -z "${KVZ_SKIP_FUZZ:-}" ]; then
    bash "$root/scripts/fuzz.sh" 20
fi
