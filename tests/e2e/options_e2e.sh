#!/usr/bin/env bash
# The options dialog as a user meets it: "ｵﾌﾟｼｮﾝ(&O)..." opens it beside the clock; turning
# translucency on and moving its bar makes the clock translucent at once; the lock mode "ﾎｰﾙ"
# is chosen; Escape (Cancel) puts the clock back exactly: its extended style, its opacity and
# the face bit for bit. Screenshots of the five program-settings pages land in
# build/options_*.png.
source "$(dirname "$0")/lib.sh"
source "$E2E_ROOT/tools/desktop.sh"
vistrel_paint_desktop '#3a6ea5'
shots="$E2E_ROOT/build"

dir=$(e2e_install)
# No second hand, so the face stands still within a minute.
printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nSNeedle=0\r\nPointX=300\r\nPointY=200\r\nSize=133\r\nStayOnTop=1\r\n[Lock]\r\nMode=0\r\nTempKey=1\r\n' \
    >"$dir/Vistrel.Ini"
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null || { e2e_fail "the clock window did not appear"; exit 1; }
sleep 2
# The whole run stays within one minute, where the minute hand does not move.
while [ "$(date +%S)" -ge 20 ] || [ "$(date +%S)" -lt 1 ]; do sleep 0.5; done
xdotool mousemove 20 700
sleep 0.5
import -window root -crop 133x133+300+200 "$dir/face_before.png"
state_before=$(e2e_probe state)

xdotool mousemove 366 266 sleep 0.3 click 3 sleep 0.8 key o
sleep 2
win=$(xdotool search --onlyvisible --name "オプション" | head -1)
e2e_check "the options dialog is open" test -n "$win"
[ -n "$win" ] || { e2e_finish; exit 1; }
read -r wx wy < <(e2e_probe window "オプション" | sed 's/.* x=\([-0-9]*\) y=\([-0-9]*\) .*/\1 \2/')
e2e_check "it opens beside the clock, below it ($wx,$wy)" test "$wx" -ge 366 -a "$wy" -ge 333
dialog_gone() {
    for _ in $(seq 60); do
        [ -z "$(xdotool search --onlyvisible --name 'オプション')" ] && return 0
        sleep 0.1
    done
    return 1
}
# A window manager frames and places the dialog: its controls are found, not counted in pixels.
at() { e2e_click_control "オプション" "$@"; sleep 0.5; }
import -window root -crop 460x290+$((wx - 4))+$((wy - 4)) "$shots/options_general.png"

# "透明度を指定する", then a click on the bar's left part moves it down by a page.
at "透明度を指定する"
at "#2008" 10
at "#2008" 10
sleep 0.5
state_trans=$(e2e_probe state)
alpha=$(sed -n 's/.* alpha=\([0-9]*\).*/\1/p' <<<"$state_trans")
e2e_check "the clock turned translucent at once (alpha $alpha)" test "${alpha:-255}" -lt 255
# (Xvfb has no compositor: the opacity is the window's, read by the probe, not a blend on screen.)
import -window root "$shots/options_translucent.png"

# The pages by Ctrl+Tab: ﾛｯｸ is the eighth; "ﾎｰﾙ" there.
xdotool mousemove $((wx + 200)) $((wy + 270))
for page in 1 2 3 4 5 6 7; do xdotool key ctrl+Tab; sleep 0.3; done
sleep 0.5
at "ﾎｰﾙ"
import -window root -crop 460x290+$((wx - 4))+$((wy - 4)) "$shots/options_lock.png"
for name in point alarm inet; do
    xdotool key ctrl+Tab
    sleep 0.6
    import -window root -crop 460x290+$((wx - 4))+$((wy - 4)) "$shots/options_$name.png"
done

# Escape is Cancel: everything as before.
xdotool mousemove $((wx + 200)) $((wy + 270)) sleep 0.3 key Escape
e2e_check "Escape closed the dialog" dialog_gone
xdotool mousemove 20 700
sleep 1
state_after=$(e2e_probe state)
e2e_check "the clock's window is as before ($state_after)" test "$state_after" = "$state_before"
import -window root -crop 133x133+300+200 "$dir/face_after.png"
back=$(compare -metric AE "$dir/face_before.png" "$dir/face_after.png" null: 2>&1 | cut -d' ' -f1)
e2e_check "the face is as before, bit for bit ($back pixels differ)" test "${back:-1}" -eq 0

# The menu entry is enabled again, and a second opening shows the lock page it closed on.
xdotool mousemove 366 266 sleep 0.3 click 3 sleep 0.8 key o
sleep 2
e2e_check "the dialog opens again" test -n "$(xdotool search --onlyvisible --name 'オプション')"
import -window root -crop 460x290+$((wx - 4))+$((wy - 4)) "$shots/options_second.png"
xdotool mousemove $((wx + 200)) $((wy + 270)) sleep 0.3 key Escape
e2e_check "Escape closes it again" dialog_gone
e2e_finish || e2e_fail "the clock did not end"
[ "$E2E_FAILS" -eq 0 ] && rm -rf "$dir"
[ "$E2E_FAILS" -eq 0 ]
