#!/usr/bin/env bash
# A clock near a screen corner keeps its distance to that corner when the screen size changes.
# (Xvfb cannot change its size: the clock is told the new size as the system would tell it.)
source "$(dirname "$0")/lib.sh"

dir=$(e2e_install)
read -r sw sh < <(xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')
printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nPointX=%d\r\nPointY=%d\r\nSize=133\r\n' \
    $((sw - 143)) $((sh - 143)) >"$dir/Vistrel.Ini"
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null || { e2e_fail "the clock window did not appear"; exit 1; }
e2e_probe display 1280 1024
e2e_check "bottom-right clock 10 pixels from the new corner" \
    grep -q "x=1137 y=881 " <<<"$(e2e_probe state)"
e2e_probe display 800 600
e2e_check "and again after a smaller screen" grep -q "x=657 y=457 " <<<"$(e2e_probe state)"
e2e_finish || true
rm -rf "$dir"
[ "$E2E_FAILS" -eq 0 ]
