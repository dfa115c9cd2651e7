#!/usr/bin/env bash
# At 144 DPI (the prefix's LogPixels, put back as it was at the end): the default clock is
# 200 x 200 pixels at the top-right corner; the face drawn at 144 DPI is the face drawn at 96 DPI
# at the same size, pixel for pixel (the gallery's 200-pixel tiles); the notices, the time
# adjustment log and the dialogs are photographed for a look: build/dpi144_*.png. Wine never
# sends WM_DPICHANGED: the probe sends it from 96 to 144 DPI, and the clock grows from 133 to 200
# pixels around its centre and shows the face a clock started at 144 DPI shows.
source "$(dirname "$0")/lib.sh"
shots="$E2E_ROOT/build"
win="$E2E_ROOT/build/win"

desktop='HKCU\Control Panel\Desktop'
previous=$(wine reg query "$desktop" /v LogPixels 2>/dev/null | tr -d '\r' |
    awk '$1 == "LogPixels" { print $3 }')
set_dpi() { wine reg add "$desktop" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
put_back() {
    if [ -n "$previous" ]; then set_dpi "$((previous))"
    else wine reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1; fi
}
trap put_back EXIT

read -r sw _ < <(xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')
top_right="x=$((sw - 200)) y=0 w=200 h=200 "
# Waits up to 10 s for the clock's rectangle to be $1.
placed_at() { for _ in $(seq 50); do grep -q "$1" <<<"$(e2e_probe state)" && return 0; sleep 0.2; done; return 1; }
# The clock without the second hand, photographed as build/$2 at the top right: started at
# 144 DPI there by default, or started at 96 DPI as 133 pixels with the same centre and then
# sent 144 DPI.
photograph_clock() { # start dpi, file
    set_dpi "$1"
    local dir place=""
    dir=$(e2e_install)
    [ "$1" = 96 ] && place=$(printf 'PointX=%d\r\nPointY=33\r\n' $((sw - 167)))
    printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nSNeedle=0\r\n%s' "$place" >"$dir/Vistrel.Ini"
    e2e_start "$dir"
    e2e_probe wait 20000 >/dev/null || e2e_fail "the clock window did not appear"
    if [ "$1" = 96 ]; then
        placed_at "x=$((sw - 167)) y=33 w=133 h=133 " || e2e_fail "not started at 96 DPI"
        e2e_probe dpi 144
    fi
    placed_at "$top_right" || e2e_fail "started at $1 DPI, not at $top_right: $(e2e_probe state)"
    sleep 1.5
    import -window root -crop "200x200+$((sw - 200))+0" "$shots/$2"
    e2e_finish >/dev/null || true
    rm -rf "$dir"
}
# Both within one minute, so that the hands agree; a minute turning in between repeats them.
for _ in 1 2; do
    minute=$(date +%H%M)
    photograph_clock 96 dpi_changed_clock.png
    photograph_clock 144 dpi144_started_clock.png
    [ "$minute" = "$(date +%H%M)" ] && break
done
differing=$(compare -metric AE "$shots/dpi_changed_clock.png" "$shots/dpi144_started_clock.png" \
    /dev/null 2>&1)
e2e_check "after WM_DPICHANGED the face is the one drawn at 144 DPI ($differing pixels differ)" \
    test "$differing" = 0

gallery() { # dpi, file
    set_dpi "$1"
    timeout 120 wine "$win/gallery_win.exe" "build\\$2" 200 </dev/null >/dev/null 2>&1
}
(cd "$E2E_ROOT" && gallery 96 dpi96_faces.bmp && gallery 144 dpi144_faces.bmp)
differing=$(compare -metric AE "$shots/dpi96_faces.bmp" "$shots/dpi144_faces.bmp" /dev/null 2>&1)
e2e_check "the faces at 144 DPI are those at 96 DPI ($differing pixels differ)" \
    test "$differing" = 0

set_dpi 144
dir=$(e2e_install)
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null || e2e_fail "the clock window did not appear"
sleep 2
e2e_check "the default clock is 200 x 200 at the top-right corner" \
    grep -q "x=$((sw - 200)) y=0 w=200 h=200 " <<<"$(e2e_probe state)"
import -window root "$shots/dpi144_clock.png"

# Each dialog from its command, photographed, then closed from the keyboard (without a window
# manager the keys go to the window under the pointer).
look_at() { # command, caption, name, closing key
    e2e_probe command "$1"
    sleep 3
    import -window root "$shots/dpi144_$3.png"
    e2e_check "$2 opens" grep -q "found=1" <<<"$(e2e_probe window "$2")"
    xdotool search --onlyvisible --name "$2" mousemove --window %1 30 10 2>/dev/null
    sleep 0.3
    xdotool key "$4"
    sleep 1
}
look_at 124 "オプション" options Escape
look_at 122 "Vistrel について" about Return
look_at 125 "ｱﾗｰﾑ･ﾀｲﾏｰの設定" alarm_view Escape
look_at 103 "ｽﾀｲﾙﾃﾞｰﾀを開く" load_style Escape
e2e_finish || true
rm -rf "$dir"

timeout 60 wine "$win/alarm_window_demo_win.exe" all 4 </dev/null >/dev/null 2>&1 &
sleep 3
import -window root "$shots/dpi144_notices.png"
wait
timeout 60 wine "$win/adjust_log_demo_win.exe" 4 </dev/null >/dev/null 2>&1 &
sleep 3
import -window root -crop 400x300+0+0 "$shots/dpi144_adjust_log.png"
wait
[ "$E2E_FAILS" -eq 0 ]
