#!/usr/bin/env bash
# Alarms whose time passed while the clock was not running: a timer two minutes in the past at
# start-up is listed in the missed-alarms notice, with no alarm window and nothing played; with
# "[Alarm] ReportMissed=0" the clock says nothing. Screenshot: build/missed_alarms.png.
source "$(dirname "$0")/lib.sh"
shots="$E2E_ROOT/build"
notice="見逃したアラーム"

start_with() { # folder, extra settings line
    printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nPointX=300\r\nPointY=200\r\nSize=133\r\n%s' \
        "$2" >"$1/Vistrel.Ini"
    local past set
    past=$(date -d '2 minutes ago' '+%Y/%m/%d %H:%M:00')
    set=$(date -d '2 minutes ago' '+%H:%M:00')
    printf '0,0,0,1,255,"1899/12/30 %s",1,1,"%s","missed tea",9,,,0\r\n' "$set" "$past" \
        >"$1/Default.CSV"
    printf '0,2,0,1,255,"1899/12/30 03:00:00",1,1,"2099/01/01 03:00:00",later,9,,,0\r\n' \
        >>"$1/Default.CSV"
    e2e_start "$1"
    e2e_probe wait 20000 >/dev/null || { e2e_fail "the clock window did not appear"; return 1; }
    sleep 3
}
shown() { [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
# The visible top-level windows' names other than the clock's own and the tray's.
others() {
    xdotool search --onlyvisible --name '.' getwindowname %@ 2>/dev/null |
        grep -v -e '^Vistrel$' -e '^Wine System Tray$' -e "^$notice" || true
}

dir=$(e2e_install)
start_with "$dir" "" || exit 1
import -window root "$shots/missed_alarms.png"
e2e_check "the missed timer is listed in the notice" shown "$notice \\(1件\\)"
e2e_check "no alarm window opened for it" test -z "$(others)"
e2e_check "the timer has left the alarm file" bash -c "! grep -q 'missed tea' '$dir/Default.CSV'"
e2e_check "the alarm to come is kept" grep -q ',later,' "$dir/Default.CSV"
# The user clicks into the list (the keyboard's focus goes there), then presses Escape.
win=$(xdotool search --onlyvisible --name "$notice" | head -1)
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
sleep 0.5
xdotool key Escape
e2e_wait_for 30 bash -c "$(declare -f shown); ! shown '$notice'"
e2e_check "Escape closes the notice" bash -c "$(declare -f shown); ! shown '$notice'"
e2e_finish || e2e_fail "the clock did not end"
rm -rf "$dir"

dir=$(e2e_install)
start_with "$dir" $'[Alarm]\r\nReportMissed=0\r\n' || exit 1
e2e_check "with ReportMissed=0 nothing is shown" bash -c "$(declare -f shown); ! shown '$notice'"
e2e_check "and no alarm window either" test -z "$(others)"
e2e_finish || e2e_fail "the clock did not end"
rm -rf "$dir"
[ "$E2E_FAILS" -eq 0 ]
