#!/usr/bin/env bash
# The alarm list editor as a user meets it: opened from the menu's second entry; a daily alarm
# ten minutes from now with a message and an aqua circle made on the empty row and saved with
# OK (the alarm file holds it, the dial shows its mark); Cancel after adding and deleting rows
# leaves the file byte for byte; Enter is OK and rewrites the file even when nothing changed.
# Screenshots land in build/alarm_view*.png.
source "$(dirname "$0")/lib.sh"
shots="$E2E_ROOT/build"

# The clock at (300, 200), 133 pixels, with an hourly and a weekly alarm.
dir=$(e2e_install)
printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nPointX=300\r\nPointY=200\r\nSize=133\r\nStayOnTop=1\r\n' \
    >"$dir/Vistrel.Ini"
printf '%s\r\n' \
    '0,1,0,2,255,"1899/12/30 00:15:00",1,1,"2030/01/01 00:15:00",hourly,12,,,0' \
    '0,3,0,1,16711680,"1899/12/30 18:45:00",1,6,"2030/01/03 18:45:00",weekly,9,,,0' \
    >"$dir/Default.CSV"
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null || { e2e_fail "the clock window did not appear"; exit 1; }
sleep 2
# The file as the clock keeps it (the start fills in the empty action and sound).
cp "$dir/Default.CSV" "$dir/alarms.orig"

title="ｱﾗｰﾑ･ﾀｲﾏｰの設定"
view=""
open_view() {
    xdotool mousemove 366 266 sleep 0.3 click 3 sleep 0.8 mousemove 400 292 sleep 0.5 click 1
    for _ in $(seq 50); do
        view=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -1)
        [ -n "$view" ] && sleep 0.5 && return 0
        sleep 0.1
    done
    return 1
}
# A point of the editor's client area (Wine's X window of a dialog without a window manager).
at() { xdotool mousemove --window "$view" "$1" "$2"; sleep 0.2; }
# Without a window manager Wine takes two seconds to hide a window with a caption.
closed() {
    for _ in $(seq 50); do
        [ -z "$(xdotool search --onlyvisible --name "$title" 2>/dev/null)" ] && return 0
        sleep 0.1
    done
    return 1
}
# A click on the first pixel of exactly this colour on the screen (a swatch of the palette).
# The editor's window goes from the screen before the clock has saved what it returned.
click_colour() {
    local xy
    xy=$(import -window root -depth 8 txt:- | grep -m1 -i " $1 " | cut -d: -f1)
    [ -n "$xy" ] && xdotool mousemove "${xy%,*}" "${xy#*,}" sleep 0.3 click 1 sleep 0.3
}
# The pixels of exactly this colour in the clock's square.
pixels_of() { # colour as #rrggbb
    import -window root -depth 8 -crop 133x133+300+200 +repage txt:- | grep -ci " $1 "
}

# 1. Cancel after adding a row and deleting one: nothing changes.
e2e_check "the menu's second entry opens the editor" open_view
import -window root "$shots/alarm_view_open.png"
at 80 59 && xdotool click 1 # the empty row below the two alarms
at 100 154 && xdotool click 1 sleep 0.4 && at 70 198 && xdotool click 1 sleep 0.3
at 80 31 && xdotool click 1 && at 122 317 && xdotool click 1 sleep 0.3
at 441 317 && xdotool click 1
e2e_check "Cancel closes the editor" closed
e2e_check "Cancel after adding and deleting leaves the alarm file byte for byte" \
    cmp -s "$dir/Default.CSV" "$dir/alarms.orig"

# 2. A daily alarm ten minutes from now (so that the dial marks it: it shows the coming hour)
# with a message and an aqua circle, saved with OK.
at_time=$(date -d '+10 minutes' +%H:%M)
hour=$((10#${at_time%:*}))
minute=$((10#${at_time#*:}))
before=$(pixels_of "#00FFFF")
open_view
at 80 59 && xdotool click 1
at 100 154 && xdotool click 1 sleep 0.4 && at 70 198 && xdotool click 1 sleep 0.3
at 360 154 && xdotool click 1 key End BackSpace BackSpace type "$hour"
at 435 154 && xdotool click 1 key End BackSpace BackSpace type "$minute"
at 230 228 && xdotool click 1 type "Wake up"
at 306 189 && xdotool click 1 sleep 0.8
import -window root "$shots/alarm_view_palette.png"
click_colour "#00FFFF" # the palette's swatch 水色
at 166 191 && xdotool click 1 # ｻｰｸﾙ
import -window root "$shots/alarm_view_edit.png"
at 373 317 && xdotool click 1
e2e_check "OK closes the editor" closed
e2e_check "the alarm file holds the new daily alarm" e2e_eventually \
    grep -q "^0,2,0,2,16776960,\"1899/12/30 $at_time:00\",1,1,\"[0-9/]* $at_time:00\",\"Wake up\",9," \
    "$dir/Default.CSV"
e2e_check "the alarm file keeps the other two alarms" \
    bash -c "grep -q ',hourly,12,' '$dir/Default.CSV' && grep -q ',weekly,9,' '$dir/Default.CSV'"
after=$(pixels_of "#00FFFF")
e2e_check "the dial shows the new alarm's mark ($before -> $after aqua pixels)" \
    test "$after" -gt "$before"
import -window root "$shots/alarm_view_dial.png"

# 3. Three alarms of three kinds in the editor; Enter is OK and rewrites the unchanged list.
cp "$dir/Default.CSV" "$dir/alarms.saved"
touch -d "2020-01-01" "$dir/Default.CSV"
open_view
import -window root "$shots/alarm_view.png"
xdotool key Return
e2e_check "Enter is OK" closed
rewritten() { test "$(stat -c %Y "$dir/Default.CSV")" -gt "$(date -d 2021-01-01 +%s)"; }
e2e_check "OK with an unchanged list rewrites the alarm file" e2e_eventually rewritten
e2e_check "the rewritten file holds the same alarms" \
    bash -c "diff <(cut -d, -f1-8,10- '$dir/alarms.saved') <(cut -d, -f1-8,10- '$dir/Default.CSV')"

# 4. Escape is Cancel.
open_view
xdotool key Escape
e2e_check "Escape closes the editor" closed
start=$(date +%s%N)
e2e_finish || e2e_fail "the clock did not end"
echo "the clock ended in $(( ($(date +%s%N) - start) / 1000000 )) ms"
rm -rf "$dir"
[ "$E2E_FAILS" -eq 0 ]
