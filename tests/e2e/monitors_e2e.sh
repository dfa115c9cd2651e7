#!/usr/bin/env bash
# Two monitors side by side: the moves, the options dialog and the corner anchor follow the
# monitor that holds the clock, and a stored place on a monitor that is gone comes back onto the
# one that is left. Xvfb lays all its screens over one another at (0, 0), so the two monitors are
# a nested Xephyr display inside the test display (Xinerama on, RandR off: Wine then reports
# Xinerama's heads as monitors). Wine keeps its view of the monitors in its server's desktop, so
# the server is restarted whenever the display changes. The nested display takes the first free
# number of VISTREL_NESTED_DISPLAYS (121 to 150 unless given). Screenshot:
# build/monitors_options.png.
source "$(dirname "$0")/lib.sh"
shots="$E2E_ROOT/build"

command -v Xephyr >/dev/null || { e2e_fail "Xephyr is missing (tools/install_deps.sh)"; exit 1; }
outer="$DISPLAY"
restart_wine() {
    wineserver -k >/dev/null 2>&1
    wineserver -w >/dev/null 2>&1
}
nested=""
for n in ${VISTREL_NESTED_DISPLAYS:-$(seq 121 150)}; do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xephyr ":$n" +xinerama -extension RANDR -screen 1024x768+0+0 -screen 800x600+1024+0 \
        -nolisten tcp -noreset >/dev/null 2>&1 &
    nested=$!
    for _ in $(seq 50); do
        DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break
    kill "$nested" 2>/dev/null
    nested=""
done
[ -n "$nested" ] || { e2e_fail "could not start Xephyr"; exit 1; }
restart_wine
export DISPLAY=":$n"

e2e_check "Wine reports the second monitor right of the primary one" \
    grep -q "monitor=1024,0,1824,600 " <<<"$(e2e_probe monitors)"

dir=$(e2e_install)
printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nPointX=1300\r\nPointY=200\r\nSize=133\r\n' \
    >"$dir/Vistrel.Ini"
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null || e2e_fail "the clock window did not appear"
sleep 1
e2e_check "the clock starts on the second monitor" grep -q "x=1300 y=200 " <<<"$(e2e_probe state)"

e2e_probe command 109 # 右上
sleep 1
e2e_check "右上 goes to the second monitor's top-right corner" \
    grep -q "x=1691 y=0 " <<<"$(e2e_probe state)"

e2e_probe command 124 # ｵﾌﾟｼｮﾝ
sleep 3
read -r found x y w h < <(e2e_probe window "オプション" | sed 's/[a-z]*=//g')
import -window root "$shots/monitors_options.png"
e2e_check "the options dialog opens" test "${found:-0}" = 1
e2e_check "flush with the second monitor's right edge, below the clock ($x, $y)" \
    test "$((x + w))" = 1824 -a "$y" = 133

e2e_probe command 110 # 右下
sleep 1
e2e_check "右下 goes to the second monitor's bottom-right corner" \
    grep -q "x=1691 y=467 " <<<"$(e2e_probe state)"
# The primary monitor grows: the clock keeps the second monitor's corner.
e2e_probe display 1280 1024
sleep 0.5
e2e_check "the corner of the second monitor is kept when the primary one changes" \
    grep -q "x=1691 y=467 " <<<"$(e2e_probe state)"
e2e_finish || e2e_fail "the clock did not end"

# The second monitor is gone: the stored place comes back onto the one that is left.
restart_wine
kill "$nested" 2>/dev/null
wait "$nested" 2>/dev/null
export DISPLAY="$outer"
read -r sw sh < <(xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')
printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nPointX=1691\r\nPointY=467\r\nSize=133\r\n' \
    >"$dir/Vistrel.Ini"
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null || e2e_fail "the clock window did not appear"
sleep 1
e2e_check "a place on a monitor that is gone comes back fully visible" \
    grep -q "x=$((sw - 133)) y=$((sh < 600 ? sh - 133 : 467)) " <<<"$(e2e_probe state)"
e2e_finish || true
rm -rf "$dir"

# The tests after this one find the server as the test run started it.
restart_wine
wineserver -p >/dev/null 2>&1
wineboot >/dev/null 2>&1 </dev/null
[ "$E2E_FAILS" -eq 0 ]
