#!/usr/bin/env bash
# Runs the end-to-end journey in its own X server, D-Bus session and accessibility bus,
# and cleans up every process it started. Exits 77 (skipped) where the tools are missing.
set -euo pipefail
karvela=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

for tool in Xvfb dbus-run-session xdotool /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "missing $tool: journey skipped"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "missing python3-pyatspi: journey skipped"; exit 77; }

work=$(mktemp -d)
Xvfb -displayfd 5 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 5>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
# Xvfb writes its display number once it is ready for clients.
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

timeout --kill-after=10 180 dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    trap "kill $launcher 2>/dev/null" EXIT
    sleep 1
    /usr/bin/python3 "$1" "$2"
' journey "$here/journey.py" "$karvela" 2> >(grep -v -e dbus-daemon -e XDG_RUNTIME_DIR >&2)
