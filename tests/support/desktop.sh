# A desktop of its own for a test that runs programs in real windows: an Xvfb server on
# a free display (DISPLAY is exported) with the openbox window manager, so that title
# bars, stacking, focus and the frame's close button are a window manager's work, as
# on a desktop. Sourced by bash; call start_desktop WORK-FOLDER, and stop_desktop at exit.

desktop_xvfb=""
desktop_wm=""

# Waits for the server to go: one that is still shutting down would remove the socket
# of the next server that takes its display number.
stop_desktop() {
    [ -n "$desktop_wm" ] && kill $desktop_wm 2>/dev/null && wait $desktop_wm 2>/dev/null
    [ -n "$desktop_xvfb" ] && kill $desktop_xvfb 2>/dev/null && wait $desktop_xvfb 2>/dev/null
    desktop_wm=""
    desktop_xvfb=""
}

# Starts Xvfb and waits until it answers; a server that dies at start (a display taken
# at the same moment by another server) is started again. -noreset: the server would
# otherwise reset, and refuse connections for a moment, each time its last client
# leaves, as the readiness probe does.
start_xvfb() {
    local work=$1
    for _ in 1 2 3; do
        : >"$work/display"
        Xvfb -displayfd 5 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset 5>"$work/display" 2>"$work/xvfb.log" &
        desktop_xvfb=$!
        for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
        export DISPLAY=":$(head -n1 "$work/display")"
        for _ in $(seq 20); do
            xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
            kill -0 $desktop_xvfb 2>/dev/null || break
            sleep 0.1
        done
        stop_desktop
    done
    echo "Xvfb did not start:"; cat "$work/xvfb.log"
    return 1
}

start_desktop() {
    local work=$1
    start_xvfb "$work" || return 1
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    desktop_wm=$!
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
        sleep 0.1
    done
    echo "openbox did not start:"; cat "$work/openbox.log"
    return 1
}

# Whether the X server is still there, for a failure report.
desktop_state() {
    kill -0 $desktop_xvfb 2>/dev/null && echo running || echo gone
}
