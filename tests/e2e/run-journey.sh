#!/usr/bin/env bash
# Runs the end-to-end journey in its own X server, D-Bus session and accessibility bus,
# and cleans up every process it started. Exits 77 (skipped) where the tools are missing.
set -euo pipefail
karvela=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

for tool in Xvfb openbox import dbus-run-session xdotool /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "missing $tool: journey skipped"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "missing python3-pyatspi: journey skipped"; exit 77; }

source "$here/../support/desktop.sh"
work=$(mktemp -d)
trap 'stop_desktop; rm -rf "$work"' EXIT
start_desktop "$work"

status=0
timeout --kill-after=10 180 dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    trap "kill $launcher 2>/dev/null" EXIT
    sleep 1
    /usr/bin/python3 "$1" "$2"
' journey "$here/journey.py" "$karvela" 2> >(grep -v -e dbus-daemon -e XDG_RUNTIME_DIR >&2) || status=$?
if [ $status -ne 0 ]; then
    echo "X server $DISPLAY: $(desktop_state)"; cat "$work/xvfb.log"
    ls -la /tmp/.X11-unix/
fi
exit $status
