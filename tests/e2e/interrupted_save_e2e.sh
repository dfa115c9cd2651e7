#!/usr/bin/env bash
# A save killed at any moment leaves the old or the new file whole, never a broken one.
source "$(dirname "$0")/lib.sh"

dir=$(mktemp -d /tmp/vistrel-save.XXXXXX)
file="$dir/Vistrel.Ini"
size=100000
for round in $(seq 1 8); do
    wine "$E2E_ROOT/build/win/save_loop.exe" "$file" "$size" >"$dir/out" 2>&1 </dev/null &
    pid=$!
    disown "$pid"
    for _ in $(seq 100); do grep -q started "$dir/out" 2>/dev/null && break; sleep 0.05; done
    sleep "0.$(( RANDOM % 9 + 1 ))$(( RANDOM % 10 ))"
    # Kill the Windows process itself, as a crash or a power cut would end it.
    pkill -9 -f save_loop.exe
    while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
    bytes=$(stat -c %s "$file")
    kinds=$(tr -d '\n' <"$file" | fold -w1 | sort -u | tr -d '\n')
    if [ "$bytes" -ne "$size" ] || { [ "$kinds" != A ] && [ "$kinds" != B ]; }; then
        e2e_fail "round $round: the file is broken ($bytes bytes of '$kinds')"
    fi
done
[ "$E2E_FAILS" -eq 0 ] && echo "ok: 8 saves killed at random moments each left one whole version"
rm -rf "$dir"
[ "$E2E_FAILS" -eq 0 ]
