#!/usr/bin/env bash
# A real alarm fires on time in the running clock: its window opens with the message, the dial
# mark goes, and the one-shot timer leaves the alarm file.
source "$(dirname "$0")/lib.sh"

dir=$(e2e_install)
printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nPointX=300\r\nPointY=300\r\n[Alarm]\r\nAction=0\r\nMsgType=0\r\n' \
    >"$dir/Vistrel.Ini"
due=$(( $(date +%s) + 25 ))
when=$(date -d "@$due" '+%Y/%m/%d %H:%M:%S')
# kind 0 (timer), mark 1, white, no action, no sound
printf '0,0,0,1,16777215,"%s",1,1,"%s","e2e alarm message",12,(なし),(なし),0\r\n' "$when" "$when" \
    | iconv -f UTF-8 -t CP932 >"$dir/Default.CSV"
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null || { e2e_fail "the clock window did not appear"; exit 1; }
sleep 2
e2e_check "the alarm file was read as it is" test ! -e "$dir/Default.bak"
e2e_check "the alarm is kept until its time" grep -q "e2e alarm message" "$dir/Default.CSV"
e2e_check "no alarm window before its time" test -z "$(xwininfo -root -tree | grep ' - Vistrel"')"
while [ "$(date +%s)" -lt "$due" ]; do sleep 0.2; done
opened=""
for _ in $(seq 30); do
    opened=$(xwininfo -root -tree | grep ' - Vistrel"' | head -1)
    [ -n "$opened" ] && break
    sleep 0.1
done
late=$(( $(date +%s) - due ))
e2e_check "the alarm window opened on time (${late} s late): $opened" test -n "$opened" -a "$late" -le 2
import -window root "$dir/shot.png"
e2e_check "the window shows the record's white" \
    test "$(convert "$dir/shot.png" -format '%[pixel:p{512,400}]' info:)" = "srgb(255,255,255)"
e2e_finish || true
e2e_check "the fired timer left the alarm file" test "$(grep -c 'e2e alarm' "$dir/Default.CSV")" = 0
rm -rf "$dir"
[ "$E2E_FAILS" -eq 0 ]
