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
