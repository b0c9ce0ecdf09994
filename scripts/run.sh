#!/usr/bin/env bash
# Set-up, build, then start velkor from the output folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat <<'MSG'
No display found (neither DISPLAY nor WAYLAND_DISPLAY is set), so the window cannot be shown.
Run this from a desktop session (or over ssh -X), or under a virtual display:
    apt-get install -y xvfb && xvfb-run -a bash scripts/run.sh
Listening starts only when "Старт" is pressed in the window, so without a
display you can check that the program starts, but it serves no terminal:
    QT_QPA_PLATFORM=offscreen bash scripts/run.sh
MSG
    exit 1
fi
cd "$root/build/bin"
exec ./velkor
