#!/usr/bin/env bash
# Sourced by the whole-program tests: a private copy of the clock in a folder of its own, the
# probe that looks at it from outside, and checks that print what failed.
set -uo pipefail
E2E_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$E2E_ROOT/tools/wine_env.sh"
E2E_FAILS=0

e2e_fail() { echo "FAIL: $*"; E2E_FAILS=$((E2E_FAILS + 1)); }
e2e_check() { # description, then a command that must succeed
    local what="$1"; shift
    if "$@"; then echo "ok: $what"; else e2e_fail "$what"; fi
}

# A command that must succeed within five seconds (a save or a repaint that a loaded machine
# finishes a little later), tried every tenth of a second.
e2e_eventually() {
    for _ in $(seq 50); do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}

# A fresh folder with Vistrel.exe in it; echoes the folder.
e2e_install() {
    local dir
    dir=$(mktemp -d /tmp/vistrel-e2e.XXXXXX)
    cp "$E2E_ROOT/build/win/Vistrel.exe" "$dir/"
    echo "$dir"
}

e2e_start() { # folder, arguments...
    local dir="$1"; shift
    wine "$dir/Vistrel.exe" "$@" >"$dir/wine.log" 2>&1 </dev/null &
    E2E_PID=$!
}

e2e_probe() { wine "$E2E_ROOT/build/win/probe_win.exe" "$@" </dev/null 2>/dev/null | tr -d '\r'; }

# Waits up to $1 seconds for the clock's process to end.
e2e_wait_exit() {
    local limit=$(( $1 * 10 ))
    for _ in $(seq "$limit"); do
        kill -0 "$E2E_PID" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

e2e_finish() {
    e2e_probe close >/dev/null
    e2e_wait_exit 10 || kill "$E2E_PID" 2>/dev/null
    [ "$E2E_FAILS" -eq 0 ]
}

# Waits up to $1 tenths of a second for a command to succeed: scripts poll for a state rather
# than sleep, so that a loaded machine only makes them slower.
e2e_wait_for() {
    local limit="$1"; shift
    for _ in $(seq "$limit"); do "$@" && return 0; sleep 0.1; done
    return 1
}

# The screen rectangle "x y w h" of the first visible control of a window (by caption) whose text
# or, given as "#id", whose control number matches: a window manager's frame and placement move
# a dialog's controls, so scripts find them instead of counting pixels.
e2e_control() { # caption, text or #id
    local pattern=" text=$2\$"
    [ "${2:0:1}" = "#" ] && pattern="^id=${2:1} "
    e2e_probe controls "$1" | grep -m1 -e "$pattern" |
        sed 's/.* x=\([-0-9]*\) y=\([-0-9]*\) w=\([0-9]*\) h=\([0-9]*\) .*/\1 \2 \3 \4/'
}

# Clicks a control at a point of it (its middle unless given, from its top left otherwise).
e2e_click_control() { # caption, text or #id, [dx dy]
    local x y w h
    read -r x y w h < <(e2e_control "$1" "$2")
    [ -n "${x:-}" ] || return 1
    xdotool mousemove $((x + ${3:-$((w / 2))})) $((y + ${4:-$((h / 2))})) sleep 0.3 click 1
}

# The work area of the primary monitor: "left top right bottom" (a notification area or panel
# makes it smaller than the screen).
e2e_work_area() {
    e2e_probe monitors | sed -n 's/.* work=\([-0-9]*\),\([-0-9]*\),\([-0-9]*\),\([-0-9]*\) primary=1.*/\1 \2 \3 \4/p'
}

# Where the clock's tray icon is: "x y w h" on the screen. Without a notification area Wine shows
# the icon in its own "Wine System Tray" window; with one (trayer) the icon's window is docked
# in that area's panel.
e2e_tray_icon() {
    local line
    line=$(xwininfo -root -tree | grep -m1 '"Wine System Tray"')
    [ -n "$line" ] || line=$(xwininfo -root -tree |
        sed -n '/("panel" "trayer")/,/^        0x/p' | grep -m1 '("explorer.exe" "explorer.exe")')
    sed -n 's/.* \([0-9]*\)x\([0-9]*\)+[-0-9]*+[-0-9]* *+\([-0-9]*\)+\([-0-9]*\) *$/\3 \4 \1 \2/p' <<<"$line"
}
