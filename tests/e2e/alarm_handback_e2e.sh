#!/usr/bin/env bash
# An alarm due while the alarm list editor is open fires once in all: the clock fires it from its
# own list meanwhile, and the editor's OK takes its copies back with fresh next times, so the
# alarm does not fire a second time and its next time is saved as tomorrow's. The screenshot is
# build/alarm_handback.png (the notice beside the open editor).
source "$(dirname "$0")/lib.sh"
shots="$E2E_ROOT/build"

# A daily alarm at the next minute, with enough of this minute left to open the editor first.
while [ "$((10#$(date +%S)))" -gt 25 ] || [ "$((10#$(date +%S)))" -lt 2 ]; do sleep 0.5; done
due=$(( ($(date +%s) / 60 + 1) * 60 ))
at=$(date -d "@$due" +%H:%M)
tomorrow=$(date -d "@$((due + 86400))" +%Y/%m/%d)
dir=$(e2e_install)
printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nPointX=300\r\nPointY=200\r\nSize=133\r\nStayOnTop=1\r\n[Alarm]\r\nAction=0\r\nMsgType=0\r\n' \
    >"$dir/Vistrel.Ini"
printf '0,2,0,1,16777215,"1899/12/30 %s:00",1,1,"%s","handed back once",12,(なし),(なし),0\r\n' \
    "$at" "$(date -d "@$due" '+%Y/%m/%d %H:%M:%S')" | iconv -f UTF-8 -t CP932 >"$dir/Default.CSV"
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null || { e2e_fail "the clock window did not appear"; exit 1; }
sleep 2
e2e_check "the alarm file was read as it is" test ! -e "$dir/Default.bak"

title="ｱﾗｰﾑ･ﾀｲﾏｰの設定"
notices() { xdotool search --onlyvisible --name ' - Vistrel$' 2>/dev/null | wc -l; }
xdotool mousemove 366 266 sleep 0.3 click 3 sleep 0.8 mousemove 400 292 sleep 0.5 click 1
view=""
for _ in $(seq 50); do
    view=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -1)
    [ -n "$view" ] && break
    sleep 0.1
done
e2e_check "the editor is open before the alarm is due ($(date +%T), due $at)" \
    test -n "$view" -a "$(date +%s)" -lt "$due"

while [ "$(date +%s)" -lt "$due" ]; do sleep 0.2; done
for _ in $(seq 50); do [ "$(notices)" -ge 1 ] && break; sleep 0.1; done
e2e_check "the alarm fires while the editor is open" test "$(notices)" = 1
import -window root "$shots/alarm_handback.png"

# OK (the first click on the inactive editor may only activate it without a window manager).
sleep 1
for _ in 1 2 3; do
    [ -z "$(xdotool search --onlyvisible --name "$title" 2>/dev/null)" ] && break
    xdotool mousemove --window "$view" 373 317 sleep 0.3 click 1 sleep 2
done
e2e_check "OK closes the editor" test -z "$(xdotool search --onlyvisible --name "$title")"
sleep 3
e2e_check "the alarm fired once in all ($(notices) notices)" test "$(notices)" = 1
e2e_check "its next time is saved as tomorrow's" \
    grep -q "\"$tomorrow $at:00\",\"handed back once\"," "$dir/Default.CSV"
e2e_finish || e2e_fail "the clock did not end"
rm -rf "$dir"
[ "$E2E_FAILS" -eq 0 ]
