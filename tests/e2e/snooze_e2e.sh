#!/usr/bin/env bash
# "あとで" on a real alarm: chosen with the keyboard, the notice closes, the alarm file keeps a
# snoozed timer a minute later, a restart keeps it, and the notice comes back on time.
source "$(dirname "$0")/lib.sh"

dir=$(e2e_install)
printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nPointX=300\r\nPointY=300\r\n[Alarm]\r\nAction=0\r\nMsgType=0\r\nSnoozeMinutes=1\r\n' \
    >"$dir/Vistrel.Ini"
due=$(( $(date +%s) + 20 ))
when=$(date -d "@$due" '+%Y/%m/%d %H:%M:%S')
# kind 2 (daily), mark 1, white, no action, no sound
printf '0,2,0,1,16777215,"%s",1,1,"%s","e2e snooze message",12,(なし),(なし),0\r\n' \
    "$(date -d "@$due" '+1899/12/30 %H:%M:%S')" "$when" | iconv -f UTF-8 -t CP932 >"$dir/Default.CSV"

notice() { xwininfo -root -tree | grep ' - Vistrel"' | head -1 | awk '{print $1}'; }
wait_notice() { # seconds; echoes the window
    for _ in $(seq $(( $1 * 5 ))); do
        local w; w=$(notice)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.2
    done
    return 1
}

e2e_start "$dir"
e2e_probe wait 20000 >/dev/null || { e2e_fail "the clock window did not appear"; exit 1; }
w=$(wait_notice 40) || { e2e_fail "the alarm did not fire"; e2e_finish; exit 1; }
import -window root "$E2E_ROOT/build/snooze_notice.png"
xdotool windowfocus --sync "$w" 2>/dev/null
xdotool key alt+s
snoozed_at=$(date +%s)
for _ in $(seq 50); do [ -z "$(notice)" ] && break; sleep 0.1; done
e2e_check "Alt+S closed the notice" test -z "$(notice)"
sleep 1
e2e_check "the daily alarm and a snoozed timer in the alarm file" \
    test "$(grep -c 'e2e snooze message' "$dir/Default.CSV")" = 2
e2e_check "the snoozed timer is marked and has no action" \
    grep -q '^0,0,1,1,16777215,.*"e2e snooze message",12,(なし),(なし),0' \
    <(iconv -f CP932 -t UTF-8 "$dir/Default.CSV")
import -window root "$E2E_ROOT/build/snooze_dial.png"

# A restart in between keeps it.
e2e_probe close >/dev/null
e2e_wait_exit 10 || e2e_fail "the clock did not end"
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null || e2e_fail "the clock did not start again"
while [ "$(date +%s)" -lt $(( snoozed_at + 55 )) ]; do sleep 0.5; done
again=$(wait_notice 15)
late=$(( $(date +%s) - snoozed_at - 60 ))
e2e_check "the notice came back a minute later (${late} s from due)" \
    test -n "$again" -a "$late" -le 4 -a "$late" -ge -2
e2e_finish || true
e2e_check "the fired snooze left the alarm file, the daily alarm stays" \
    test "$(grep -c 'e2e snooze message' "$dir/Default.CSV")" = 1
rm -rf "$dir"
[ "$E2E_FAILS" -eq 0 ]
