#!/usr/bin/env bash
# Set-up, build, then start velkor from the output folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat <<'MSG'
No display found (neither DISPLAY nor WAYLAND_DISPLAY is set), so the window cannot be shown.
Either run this from a desktop session, or start a virtual display:
    apt-get install -y xvfb && xvfb-run -a bash scripts/run.sh
or run without any window at all (terminals are still served once started):
    QT_QPA_PLATFORM=offscreen bash scripts/run.sh
MSG
    exit 1
fi
cd "$root/build/bin"
exec ./velkor
