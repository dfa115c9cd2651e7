#!/usr/bin/env bash
# The style picker as a user meets it: "ｽﾀｲﾙﾃﾞｰﾀ" → "開く...", a style file chosen in the list
# changes the face at once, Cancel puts the face back exactly. While it is open the clock takes
# no input: a right click on the face opens no menu, so no second picker, and a double click on
# it does nothing.
# Screenshots land in build/picker_*.png.
source "$(dirname "$0")/lib.sh"
shots="$E2E_ROOT/build"

dir=$(e2e_install)
# No second hand, so the face holds still within a minute.
printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nSNeedle=0\r\nPointX=300\r\nPointY=200\r\nSize=133\r\n' \
    >"$dir/Vistrel.Ini"
mkdir -p "$dir/style"
printf '[Common]\r\nStyleVer=210\r\nMojiBan=0\r\nDateChar=0\r\n[Color]\r\nColorH=255\r\nColorM=255\r\n' \
    >"$dir/style/plain red.vsy"
printf '[Common]\r\nStyleVer=210\r\n[Color]\r\nColorH=16711680\r\nColorM=65280\r\n' >"$dir/style/blue.vsy"
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null || { e2e_fail "the clock window did not appear"; exit 1; }
sleep 2
face() { import -window root -crop 133x133+300+200 "$1"; }
# Away from a minute boundary, where the minute hand moves.
while [ "$(date +%S)" -ge 35 ] || [ "$(date +%S)" -lt 2 ]; do sleep 0.5; done

xdotool mousemove 20 700
sleep 0.3
face "$dir/before.png"
xdotool mousemove 366 266 sleep 0.3 click 3 sleep 0.8 mousemove 400 356 sleep 0.8 \
    mousemove 520 356 sleep 0.5 click 1
sleep 1.5
picker=$(xdotool search --onlyvisible --name "ｽﾀｲﾙﾃﾞｰﾀを開く" | head -1)
e2e_check "the style picker is open" test -n "$picker"
# Without a window manager the keys go to the window under the pointer; the list has the focus.
xdotool mousemove --window "$picker" 150 60 sleep 0.3 key Down
sleep 1
import -window root "$shots/picker_open.png"
face "$dir/tried.png"
changed=$(compare -metric AE "$dir/before.png" "$dir/tried.png" null: 2>&1)
e2e_check "a click on a style changes the face ($changed pixels)" test "${changed:-0}" -gt 100

# The picker is modal: a right click and a double click on the face change nothing on the screen.
import -window root "$dir/modal_before.png"
xdotool mousemove 366 266 sleep 0.3 click 3 sleep 0.8
import -window root "$shots/picker_menu_refused.png"
xdotool mousemove 366 266 sleep 0.3 click --repeat 2 --delay 80 1 sleep 0.8
xdotool mousemove --window "$picker" 150 60 sleep 0.3
import -window root "$dir/modal_after.png"
moved=$(compare -metric AE "$dir/modal_before.png" "$dir/modal_after.png" null: 2>&1)
e2e_check "no menu opens while the picker is open ($moved pixels changed)" test "$moved" = 0
e2e_check "one picker only" \
    test "$(xdotool search --onlyvisible --name 'ｽﾀｲﾙﾃﾞｰﾀを開く' | wc -l)" = 1
# "ｷｬﾝｾﾙ" is the second button from the bottom right.
eval "$(xdotool getwindowgeometry --shell "$picker")"
xdotool mousemove --window "$picker" $((WIDTH - 109)) $((HEIGHT - 18)) sleep 0.3 click 1
sleep 1.5
# Without a window manager the first click on the inactive picker may only activate it.
[ -n "$(xdotool search --onlyvisible --name 'ｽﾀｲﾙﾃﾞｰﾀを開く')" ] && xdotool click 1 && sleep 1.5
e2e_check "Cancel closes the picker" test -z "$(xdotool search --onlyvisible --name 'ｽﾀｲﾙﾃﾞｰﾀを開く')"
xdotool mousemove 20 700
sleep 0.3
face "$dir/after.png"
cp "$dir/before.png" "$shots/picker_face_before.png"
cp "$dir/tried.png" "$shots/picker_face_tried.png"
cp "$dir/after.png" "$shots/picker_face_after.png"
back=$(compare -metric AE "$dir/before.png" "$dir/after.png" null: 2>&1)
e2e_check "after Cancel the face is bit for bit as before ($back pixels differ)" test "$back" = 0
e2e_finish || e2e_fail "the clock did not end"
rm -rf "$dir"
[ "$E2E_FAILS" -eq 0 ]
