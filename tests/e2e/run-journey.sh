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

work=$(mktemp -d)
xvfb=""
wm=""
# Wait for the server to go: one that is still shutting down would remove the socket
# of the next server that takes its display number.
stop_xvfb() { [ -n "$xvfb" ] && kill $xvfb 2>/dev/null && wait $xvfb 2>/dev/null; xvfb=""; }
stop_wm() { [ -n "$wm" ] && kill $wm 2>/dev/null && wait $wm 2>/dev/null; wm=""; }
trap 'stop_wm; stop_xvfb; rm -rf "$work"' EXIT

# Starts Xvfb on a free display and waits until it answers; a server that dies at
# start (a display taken at the same moment by another server) is started again.
# -noreset: the server would otherwise reset, and refuse connections for a moment,
# each time its last client leaves, as the readiness probe does.
start_xvfb() {
    for _ in 1 2 3; do
        : >"$work/display"
        Xvfb -displayfd 5 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset 5>"$work/display" 2>"$work/xvfb.log" &
        xvfb=$!
        for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
        export DISPLAY=":$(head -n1 "$work/display")"
        for _ in $(seq 20); do
            xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
            kill -0 $xvfb 2>/dev/null || break
            sleep 0.1
        done
        stop_xvfb
    done
    echo "Xvfb did not start:"; cat "$work/xvfb.log"
    return 1
}
start_xvfb

# A real window manager, as on a desktop: title bars, stacking, focus and the frame's
# close button are its work, not the X server's.
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done

status=0
timeout --kill-after=10 180 dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    trap "kill $launcher 2>/dev/null" EXIT
    sleep 1
    /usr/bin/python3 "$1" "$2"
' journey "$here/journey.py" "$karvela" 2> >(grep -v -e dbus-daemon -e XDG_RUNTIME_DIR >&2) || status=$?
if [ $status -ne 0 ]; then
    echo "X server $DISPLAY: $(kill -0 $xvfb 2>/dev/null && echo running || echo gone)"; cat "$work/xvfb.log"
    ls -la /tmp/.X11-unix/
fi
exit $status
