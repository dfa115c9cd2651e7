#!/usr/bin/env bash
# The pop-up menu as a user meets it: a right click on the face opens every entry in its order,
# the four submenus open, a move and the About window work; with a "Lang.dll" beside the
# program the numbered captions are its texts. Screenshots land in build/menu_*.png.
source "$(dirname "$0")/lib.sh"
shots="$E2E_ROOT/build"

# The clock at (300, 200), 133 pixels; its hands' hub takes the mouse.
start_clock() { # folder
    printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nPointX=300\r\nPointY=200\r\nSize=133\r\nStayOnTop=1\r\n' \
        >"$1/Vistrel.Ini"
    e2e_start "$1"
    e2e_probe wait 20000 >/dev/null || { e2e_fail "the clock window did not appear"; return 1; }
    sleep 2
}
open_menu() { xdotool mousemove 366 266 sleep 0.3 click 3; sleep 0.8; }
# The submenus' rows below the click point (the dialog font of the prefix: 16-pixel rows),
# counted from the first entry below the dialogs' entries at the top.
above=$((16 * 2))
hover() { xdotool mousemove 400 $((266 + above + $1)); sleep 0.8; }
window_named() { [ -n "$(xdotool search --onlyvisible --name "$1")" ]; }

dir=$(e2e_install)
start_clock "$dir" || exit 1
open_menu
import -window root "$shots/menu_main.png"
for row in 58:style 74:alarm 99:move 163:tools; do
    hover "${row%%:*}"
    import -window root "$shots/menu_${row##*:}.png"
done
xdotool key Escape sleep 0.3 key Escape
sleep 0.5

# "移動" → "中央": the middle of the work area (the whole screen, or less a notification area).
read -r wl wt wr wb < <(e2e_work_area)
cx=$(( (wl + wr - 133) / 2 )) cy=$(( (wt + wb - 133) / 2 ))
open_menu
hover 99
xdotool mousemove 520 $((266 + above + 99 + 64)) sleep 0.5 click 1
sleep 0.8
e2e_check "centre puts the clock in the middle" grep -q "x=$cx y=$cy " <<<"$(e2e_probe state)"
xdotool mousemove $((cx + 66)) $((cy + 66)) sleep 0.3 click 3 sleep 0.8 key Escape sleep 0.3 key Escape
sleep 0.3

# The About window opens from its key and closes with Enter.
xdotool mousemove $((cx + 66)) $((cy + 66)) sleep 0.3 click 3 sleep 0.8 key a
sleep 1.5
import -window root "$shots/menu_about.png"
e2e_check "the About window is open" window_named "Vistrel について"
# Without a window manager the keys go to the window under the pointer.
xdotool search --onlyvisible --name "Vistrel について" mousemove --window %1 20 20
sleep 0.3
xdotool key Return
sleep 1
# Without a window manager Wine takes two seconds to hide a window with a caption.
gone() { for _ in $(seq 50); do window_named "$1" || return 0; sleep 0.1; done; return 1; }
e2e_check "Enter closes the About window" gone "Vistrel について"
e2e_finish || e2e_fail "the clock did not end"
rm -rf "$dir"

# With the language library: the captions are its texts, and its keys choose them.
dir=$(e2e_install)
cp "$E2E_ROOT/build/win/menulang/Lang.dll" "$dir/"
start_clock "$dir" || exit 1
open_menu
import -window root "$shots/menu_lang.png"
hover 99
import -window root "$shots/menu_lang_move.png"
xdotool key Escape sleep 0.3 key q
e2e_check "the library's \"Quit(&Q)\" ends the clock" e2e_wait_exit 10
rm -rf "$dir"
[ "$E2E_FAILS" -eq 0 ]
