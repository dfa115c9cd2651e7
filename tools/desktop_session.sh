#!/usr/bin/env bash
# Sourced: a desktop as users have one, on a virtual display of its own: a window manager
# (openbox), a notification area (trayer, at the bottom right) and a compositor (picom with its
# default settings, xrender as Xvfb has no GL; a script may swap it for another compositor command
# and back, see vistrel_swap_compositor). Each part is started only once the one before it is
# up, and waited for by its own sign on the display, not by a pause.
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"

VISTREL_DESKTOP_PIDS=()
VISTREL_DEFAULT_COMPOSITOR="picom --backend xrender"

# The compositor runs as one command whose process number the session keeps in a file, so that a
# test can put another in its place (the same with shadows, say) and the default back.
vistrel_swap_compositor() { # command line
    local file="${VISTREL_COMPOSITOR_PIDFILE:-}" pid
    if [ -n "$file" ] && [ -s "$file" ]; then
        pid=$(cat "$file")
        kill "$pid" 2>/dev/null
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        for _ in $(seq 50); do vistrel_cm_owned || break; sleep 0.1; done
    fi
    [ -n "$file" ] || { file=$(mktemp /tmp/vistrel-compositor.XXXXXX); export VISTREL_COMPOSITOR_PIDFILE="$file"; }
    $1 >/dev/null 2>&1 &
    echo $! >"$file"
    disown $! 2>/dev/null
    vistrel_poll 100 vistrel_cm_owned || { echo "the compositor did not start: $1" >&2; return 1; }
}

# Waits up to $1 tenths of a second for a command to succeed.
vistrel_poll() {
    local limit="$1"; shift
    for _ in $(seq "$limit"); do "$@" && return 0; sleep 0.1; done
    return 1
}

vistrel_wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
# A notification area and a compositor announce themselves only by owning a selection
# (_NET_SYSTEM_TRAY_S0, _NET_WM_CM_S0), which no X tool of the install shows: asked through Xlib.
vistrel_selection_owned() {
    python3 - "$1" <<'PY' 2>/dev/null
import ctypes, ctypes.util, sys
x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x.XGetSelectionOwner.restype = ctypes.c_ulong
d = x.XOpenDisplay(None)
sys.exit(0 if d and x.XGetSelectionOwner(d, x.XInternAtom(d, sys.argv[1].encode(), 0)) else 1)
PY
}
vistrel_tray_up() { vistrel_selection_owned _NET_SYSTEM_TRAY_S0; }
vistrel_cm_owned() { vistrel_selection_owned _NET_WM_CM_S0; }

# The notification area alone: the tray tests end it and start it again themselves. Its process
# number is kept in a file, so that the session ends whichever one runs at its end.
vistrel_start_tray() {
    [ -n "${VISTREL_TRAY_PIDFILE:-}" ] || export VISTREL_TRAY_PIDFILE="$(mktemp /tmp/vistrel-tray.XXXXXX)"
    trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
        --SetPartialStrut true --expand true --transparent false --tint 0xd8d8d8 \
        >/dev/null 2>&1 &
    echo $! >"$VISTREL_TRAY_PIDFILE"
    disown $! 2>/dev/null
    vistrel_poll 100 vistrel_tray_up
}

vistrel_stop_tray() {
    [ -n "${VISTREL_TRAY_PIDFILE:-}" ] && [ -s "$VISTREL_TRAY_PIDFILE" ] || return 0
    local pid
    pid=$(cat "$VISTREL_TRAY_PIDFILE")
    : >"$VISTREL_TRAY_PIDFILE"
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    for _ in $(seq 50); do vistrel_tray_up || break; sleep 0.1; done
}

vistrel_start_desktop() {
    local saved="${DISPLAY:-}"
    unset DISPLAY
    vistrel_start_xvfb || { export DISPLAY="$saved"; return 1; }
    VISTREL_DESKTOP_XVFB="$VISTREL_OWN_XVFB"
    openbox --sm-disable >/dev/null 2>&1 &
    VISTREL_DESKTOP_PIDS+=($!)
    vistrel_poll 100 vistrel_wm_up || { echo "openbox did not start" >&2; return 1; }
    vistrel_start_tray || { echo "trayer did not start" >&2; return 1; }
    vistrel_swap_compositor "$VISTREL_DEFAULT_COMPOSITOR" || return 1
    export VISTREL_DESKTOP=1
}

vistrel_stop_desktop() {
    local pid
    vistrel_stop_tray
    rm -f "${VISTREL_TRAY_PIDFILE:-/nonexistent}"
    unset VISTREL_TRAY_PIDFILE
    if [ -n "${VISTREL_COMPOSITOR_PIDFILE:-}" ]; then
        kill "$(cat "$VISTREL_COMPOSITOR_PIDFILE")" 2>/dev/null
        rm -f "$VISTREL_COMPOSITOR_PIDFILE"
        unset VISTREL_COMPOSITOR_PIDFILE
    fi
    for pid in "${VISTREL_DESKTOP_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    VISTREL_DESKTOP_PIDS=()
VISTREL_DEFAULT_COMPOSITOR="picom --backend xrender"

# The compositor runs as one command whose process number the session keeps in a file, so that a
# test can put another in its place (the same with shadows, say) and the default back.
vistrel_swap_compositor() { # command line
    local file="${VISTREL_COMPOSITOR_PIDFILE:-}" pid
    if [ -n "$file" ] && [ -s "$file" ]; then
        pid=$(cat "$file")
        kill "$pid" 2>/dev/null
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        for _ in $(seq 50); do vistrel_cm_owned || break; sleep 0.1; done
    fi
    [ -n "$file" ] || { file=$(mktemp /tmp/vistrel-compositor.XXXXXX); export VISTREL_COMPOSITOR_PIDFILE="$file"; }
    $1 >/dev/null 2>&1 &
    echo $! >"$file"
    disown $! 2>/dev/null
    vistrel_poll 100 vistrel_cm_owned || { echo "the compositor did not start: $1" >&2; return 1; }
}
    VISTREL_OWN_XVFB="${VISTREL_DESKTOP_XVFB:-}"
    vistrel_stop_xvfb
    unset VISTREL_DESKTOP
}
