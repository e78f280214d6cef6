# Sourced by the demo scripts: starts a virtual X display of the given size (e.g. 1100x800),
# exports DISPLAY and stops the display when the script exits.
start_virtual_display() {
    local display=:$((90 + RANDOM % 9))
    Xvfb "$display" -screen 0 "$1x24" >/dev/null 2>&1 &
    VIRTUAL_DISPLAY_PID=$!
    trap 'kill $VIRTUAL_DISPLAY_PID 2>/dev/null || true' EXIT
    export DISPLAY=$display
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}
