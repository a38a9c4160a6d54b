# Sourced by the scripts: start_xvfb starts a virtual display when none is set and exports
# DISPLAY; stop_xvfb stops the one it started.
started_xvfb_pid=""

start_xvfb() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
    local n
    for n in $(seq 91 140); do
        [ -e "/tmp/.X${n}-lock" ] && continue
        Xvfb ":${n}" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
        started_xvfb_pid=$!
        export DISPLAY=":${n}"
        for _ in $(seq 1 50); do
            xdpyinfo >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        kill "$started_xvfb_pid" 2>/dev/null || true
    done
    echo "Could not start Xvfb" >&2
    return 1
}

stop_xvfb() {
    if [ -n "$started_xvfb_pid" ]; then kill "$started_xvfb_pid" 2>/dev/null || true; fi
}
