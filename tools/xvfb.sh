#!/usr/bin/env bash
# Sourced: a virtual X display for the Windows runs, unless one is given already.
vistrel_start_xvfb() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        VISTREL_OWN_XVFB=""
        return 0
    fi
    local n
    for n in $(seq 91 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "${VISTREL_SCREEN:-1024x768x24}" -nolisten tcp \
            >"${VISTREL_XVFB_LOG:-/dev/null}" 2>&1 &
        VISTREL_OWN_XVFB=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do
            xdpyinfo >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        kill "$VISTREL_OWN_XVFB" 2>/dev/null
    done
    echo "could not start Xvfb" >&2
    return 1
}

vistrel_stop_xvfb() {
    if [ -n "${VISTREL_OWN_XVFB:-}" ]; then
        kill "$VISTREL_OWN_XVFB" 2>/dev/null
        wait "$VISTREL_OWN_XVFB" 2>/dev/null
    fi
}
