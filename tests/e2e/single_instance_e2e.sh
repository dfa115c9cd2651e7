#!/usr/bin/env bash
# A second start brings the running clock forward, restores it when minimised, and ends at
# once without reading or writing anything.
source "$(dirname "$0")/lib.sh"

dir=$(e2e_install)
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null || { e2e_fail "the clock window did not appear"; exit 1; }

state=$(e2e_probe state)
e2e_check "borderless 133x133 window at the top-right corner" \
    grep -q "visible=1 iconic=0 x=$(( $(xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*\)x.*/\1/p') - 133 )) y=0 w=133 h=133" <<<"$state"

e2e_probe minimize >/dev/null
sleep 0.5
e2e_check "minimised" grep -q "iconic=1" <<<"$(e2e_probe state)"

sleep 1.1 # file times have a resolution of a second on some file systems
before=$(cd "$dir" && find . -type f ! -name wine.log -printf '%p %T@ %s\n' | sort)
start=$(date +%s%N)
wine "$dir/Vistrel.exe" >/dev/null 2>&1 </dev/null
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
after=$(cd "$dir" && find . -type f ! -name wine.log -printf '%p %T@ %s\n' | sort)
# A bare Wine process start costs some 200 ms here; the second copy must add little to that.
e2e_check "second copy ended within a second (${elapsed} ms)" test "$elapsed" -lt 1000
e2e_check "second copy wrote nothing" test "$before" = "$after"
sleep 2.5
e2e_check "first copy restored" grep -q "visible=1 iconic=0" <<<"$(e2e_probe state)"
e2e_check "first copy still running" kill -0 "$E2E_PID"

e2e_finish
rc=$?
rm -rf "$dir"
exit $rc
