#!/usr/bin/env bash
# The clock on a desktop with a window manager, a notification area and a compositor (run by
# tools/run_tests.sh on tools/desktop_session.sh): stay-on-top off lets another window come above
# the clock and on puts it back above; the program's windows in the window manager's list carry
# the clock's icon (the minimised clock's task-bar entry, the dialogs, the missed-alarms notice);
# the pop-up menu's keys work after a dialog closed; help without a browser names the page's
# path; every dialog placed beside the clock and framed; the face without a box or shadow square
# under the compositor over a light and a dark desktop. Screenshots: build/desktop/*.png.
source "$(dirname "$0")/../lib.sh"
source "$E2E_ROOT/tools/desktop.sh"
[ -n "${VISTREL_DESKTOP:-}" ] || { e2e_fail "runs on the desktop only (tools/desktop_session.sh)"; exit 1; }
shots="$E2E_ROOT/build/desktop"
mkdir -p "$shots"

wait_for() { e2e_wait_for "$@"; }
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -1 | awk '{ print $3 }'; }
shown() { grep -q "found=1" <<<"$(e2e_probe window "$1")"; }
gone() { ! shown "$1"; }
menu_open() { grep -q "open=1" <<<"$(e2e_probe popup)"; }
menu_closed() { ! menu_open; }
# The clock's pop-up menu from a right click on the hands' hub.
open_menu() { xdotool mousemove 366 266 sleep 0.2 click 3; wait_for 50 menu_open; }
click_control() { e2e_click_control "$@"; }

dir=$(e2e_install)
cp -r "$E2E_ROOT/build/win/help" "$dir/"
printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nSNeedle=0\r\nPointX=300\r\nPointY=200\r\nSize=133\r\nStayOnTop=1\r\n' \
    >"$dir/Vistrel.Ini"
stop_clock() {
    [ -n "${E2E_PID:-}" ] && kill -0 "$E2E_PID" 2>/dev/null || return 0
    e2e_probe close >/dev/null
    e2e_wait_exit 10 || kill "$E2E_PID" 2>/dev/null
}
trap 'stop_clock; [ -n "${other:-}" ] && kill "$other" 2>/dev/null' EXIT

# Pixels of a part of a screenshot that are not the given colour.
foreign() { # file, geometry, colour as #rrggbb
    convert "$1" -crop "$2" +repage -depth 8 -format %c histogram:info: |
        awk -v want="$3" 'toupper($3) != toupper(want) { n += $1 } END { print n + 0 }'
}

# 1. The face under the compositor, over a light and a dark desktop: the corners of its square
# and a band of 30 pixels around it show the desktop and nothing else (no box, no shadow square).
face_clean() { # desktop colour as #rrggbb, screenshot name
    vistrel_paint_desktop "$1"
    sleep 0.5
    local shot="$shots/$2.png" stray=0 part
    import -window root -crop 193x193+270+170 +repage "$shot"
    for part in 193x30+0+0 193x30+0+163 30x193+0+0 30x193+163+0 \
        12x12+30+30 12x12+151+30 12x12+30+151 12x12+151+151; do
        stray=$((stray + $(foreign "$shot" "$part" "$1")))
    done
    e2e_check "over $1 no box or shadow around the face ($stray stray pixels)" test "$stray" = 0
}
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null || { e2e_fail "the clock window did not appear"; exit 1; }
xdotool mousemove 20 700
# Shadows on, as users often set their compositor up, with the README's rule for shaped windows.
source "$E2E_ROOT/tools/desktop_session.sh"
vistrel_swap_compositor "picom --backend xrender --shadow --shadow-exclude bounding_shaped"
face_clean "#F0F0E8" compositor_light
face_clean "#202830" compositor_dark
vistrel_swap_compositor "$VISTREL_DEFAULT_COMPOSITOR"

# 2. The pop-up menu's keys after each dialog closed, by its button or by Escape: the options
# dialog's key O, then About's key A, then the alarm list editor's (second entry) by the arrows.
vistrel_paint_desktop "#3A6EA5"
wait_for 50 menu_closed
open_menu && xdotool key o
e2e_check "the menu's key O opens the options dialog" wait_for 50 shown "オプション"
import -window root "$shots/dialog_options.png"
click_control "オプション" "OK"
e2e_check "its OK closes it" wait_for 50 gone "オプション"
open_menu && xdotool key a
e2e_check "after the options dialog closed, the menu's key A opens About" wait_for 50 shown "Vistrel について"
import -window root "$shots/dialog_about.png"
xdotool key Escape
e2e_check "Escape closes About" wait_for 50 gone "Vistrel について"
open_menu && xdotool key Down Down Return
e2e_check "after About closed, the arrows and Enter open the alarm list editor" \
    wait_for 50 shown "ｱﾗｰﾑ･ﾀｲﾏｰの設定"
import -window root "$shots/dialog_alarm_view.png"
click_control "ｱﾗｰﾑ･ﾀｲﾏｰの設定" "ｷｬﾝｾﾙ"
e2e_check "its Cancel closes it" wait_for 50 gone "ｱﾗｰﾑ･ﾀｲﾏｰの設定"
e2e_probe command 103 # ｽﾀｲﾙﾃﾞｰﾀ → 開く...
e2e_check "the style picker opens" wait_for 50 shown "ｽﾀｲﾙﾃﾞｰﾀを開く"
import -window root "$shots/dialog_load_style.png"
click_control "ｽﾀｲﾙﾃﾞｰﾀを開く" "ｷｬﾝｾﾙ"
e2e_check "its Cancel closes it" wait_for 50 gone "ｽﾀｲﾙﾃﾞｰﾀを開く"
open_menu && xdotool key a
e2e_check "after the style picker closed, the menu's key A opens About" \
    wait_for 50 shown "Vistrel について"
click_control "Vistrel について" "OK"
wait_for 50 gone "Vistrel について"

# 3. Stay on top: another program's window over the clock's face, activated. (Last of the menu's
# uses here: once the clock has been active, Wine hands its window to the window manager.)
xev -geometry 200x200+250+150 -name vistrel-other >/dev/null 2>&1 &
other=$!
other_window() { xdotool search --name '^vistrel-other$' 2>/dev/null | head -1; }
other_up() { [ -n "$(other_window)" ]; }
wait_for 100 other_up || e2e_fail "the other window did not appear"
activate_other() { xdotool windowactivate --sync "$(other_window)" 2>/dev/null; sleep 0.5; }
topmost() { grep -q "clock=$1" <<<"$(e2e_probe topmost)"; }
# The menu's fourth row (常に手前に表示), clicked as a user does.
menu_row() { # row from 1
    local x y w h
    read -r x y w h < <(e2e_probe popup | sed 's/.* x=\([-0-9]*\) y=\([-0-9]*\) w=\([0-9]*\) h=\([0-9]*\) .*/\1 \2 \3 \4/')
    [ -n "${x:-}" ] && xdotool mousemove $((x + 40)) $((y + 16 * $1 - 7)) sleep 0.4 click 1
}
hub_is_other() { [ "$(pixel 366 266)" = "#FFFFFF" ]; }
hub_is_clock() { ! hub_is_other; }
activate_other
e2e_check "on top: the clock's window is topmost" topmost 1
e2e_check "on top: the clock stays above the activated window" wait_for 20 hub_is_clock
open_menu && menu_row 4
e2e_check "off: neither the clock's window nor its owner is topmost" wait_for 20 topmost 0
activate_other
e2e_check "off: the activated window comes above the clock" wait_for 20 hub_is_other
import -window root "$shots/stay_on_top_off.png"
e2e_probe command 101 # the face is covered: as its menu (or the tray's) gives it
e2e_check "on again: topmost" wait_for 20 topmost 1
activate_other
e2e_check "on again: the clock is above the activated window" wait_for 20 hub_is_clock
import -window root "$shots/stay_on_top_on.png"
kill "$other" 2>/dev/null
other=""
other_gone() { [ -z "$(other_window)" ]; }
wait_for 50 other_gone

# 4. The clock's icon on the windows a window manager lists: the minimised clock's task-bar entry,
# each dialog, the missed-alarms notice. Wine hands the window's icons to X as _NET_WM_ICON; the
# large and the small one are compared with the program's icon file, pixel for pixel.
icon_file="$E2E_ROOT/resources/icons/vistrel.ico"
has_clock_icon() { # X window
    xprop -id "$1" -notype 32c _NET_WM_ICON 2>/dev/null | python3 -c '
import subprocess, sys
text = sys.stdin.read().split("=", 1)
values = [int(v) for v in text[1].replace(",", " ").split()] if len(text) > 1 else []
images = {}
while len(values) > 2:
    w, h = values[0], values[1]
    images[(w, h)] = values[2:2 + w * h]
    values = values[2 + w * h:]
def frame(size):
    raw = subprocess.run(["convert", "%s[%d]" % (sys.argv[1], size), "-depth", "8", "rgba:-"],
                         capture_output=True).stdout
    return [raw[i:i + 4] for i in range(0, len(raw), 4)]
found = 0
for index, size in ((0, 16), (2, 32)):
    if (size, size) not in images: continue
    want = frame(index)
    same = sum(1 for argb, rgba in zip(images[(size, size)], want)
               if (rgba[3] < 128 and (argb >> 24) < 128) or
                  (rgba[3] >= 128 and (argb >> 24) >= 128 and
                   all(abs(((argb >> s) & 255) - c) <= 8 for s, c in ((16, rgba[0]), (8, rgba[1]), (0, rgba[2])))))
    found += same >= 0.95 * len(want)
print(found)
sys.exit(0 if found == 2 else 1)
' "$icon_file" >/dev/null
}
x_window_of() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
dialog_has_icon() { # caption, command that opens it, key that closes it, its closing button
    e2e_probe command "$2"
    wait_for 50 shown "$1"
    local x y
    read -r x y < <(e2e_probe window "$1" | sed 's/.* x=\([-0-9]*\) y=\([-0-9]*\) .*/\1 \2/')
    e2e_check "$1 carries the clock's icon, large and small" has_clock_icon "$(x_window_of "$1")"
    e2e_check "$1 is placed beside the clock, below it ($x, $y)" test "${x:-0}" -ge 300 -a "${y:-0}" -ge 333
    [ -z "$3" ] || xdotool key "$3"
    # The key goes to the window with the focus, which the window manager may not have moved.
    wait_for 50 gone "$1" || click_control "$1" "$4"
    e2e_check "$1 closes" wait_for 50 gone "$1"
}
dialog_has_icon "オプション" 124 Escape "ｷｬﾝｾﾙ"
dialog_has_icon "Vistrel について" 122 Return "OK"
dialog_has_icon "ｱﾗｰﾑ･ﾀｲﾏｰの設定" 125 Escape "ｷｬﾝｾﾙ"
dialog_has_icon "ｽﾀｲﾙﾃﾞｰﾀを開く" 103 "" "ｷｬﾝｾﾙ"

# The minimised clock: its task-bar entry (the application window, no longer skipped by task bars).
e2e_probe minimize >/dev/null
listed() { # the program's windows in the window manager's list that a task bar shows
    local w
    for w in $(xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*'); do
        xprop -id "$w" WM_CLASS _NET_WM_STATE | grep -q '"vistrel.exe"' || continue
        xprop -id "$w" _NET_WM_STATE | grep -q SKIP_TASKBAR && continue
        echo "$w"
    done
}
taskbar_entry() { [ -n "$(listed)" ]; }
e2e_check "minimised, the clock has a task-bar entry" wait_for 50 taskbar_entry
entry=$(listed | head -1)
e2e_check "which carries the clock's icon" has_clock_icon "$entry"
e2e_probe restore >/dev/null
restored() { grep -q "iconic=0" <<<"$(e2e_probe state)"; }
wait_for 50 restored

# 5. Help without a browser (this prefix has none): the message names the page's whole path.
e2e_probe command 121 # ﾍﾙﾌﾟ
box=$(e2e_probe box 8000)
page="Z:${dir//\//\\}\\help\\index.html"
e2e_check "help without a browser says so and names the page's whole path ($box)" \
    bash -c "grep -q '開けませんでした' <<<\"\$1\" && grep -qF \"\$2\" <<<\"\$1\"" _ "$box" "$page"
[ "$box" != "no box" ] && e2e_probe dismiss >/dev/null
stop_clock

# 6. The missed-alarms notice carries the clock's icon; with stay on top off, once the notice has
# gone the clock's window is not topmost (the notice lifts the clock's owner while it shows).
sed -i 's/^StayOnTop=.*/StayOnTop=0\r/' "$dir/Vistrel.Ini"
printf '0,0,0,1,255,"1899/12/30 %s",1,1,"%s","missed tea",9,,,0\r\n' \
    "$(date -d '2 minutes ago' '+%H:%M:00')" "$(date -d '2 minutes ago' '+%Y/%m/%d %H:%M:00')" \
    >"$dir/Default.CSV"
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null
notice_up() { [ -n "$(x_window_of "見逃したアラーム")" ]; }
e2e_check "the missed-alarms notice opens" wait_for 100 notice_up
e2e_check "the notice carries the clock's icon" has_clock_icon "$(x_window_of "見逃したアラーム")"
import -window root "$shots/notice_missed.png"
e2e_check "while the notice shows, the clock's window is topmost" topmost 1
# Its close box, in the window manager's title bar where the window's own caption would be.
read -r x y w h < <(e2e_probe window "見逃したアラーム (1件)" | sed 's/.* x=\([-0-9]*\) y=\([-0-9]*\) w=\([0-9]*\) h=\([0-9]*\) .*/\1 \2 \3 \4/')
xdotool mousemove $((x + w - 12)) $((y + 13)) sleep 0.3 click 1
notice_gone() { ! notice_up; }
e2e_check "its close box closes the notice" wait_for 50 notice_gone
e2e_check "the clock stays" grep -q "found=1" <<<"$(e2e_probe state)"
e2e_check "the notice gone, the clock's window is not topmost" wait_for 20 topmost 0
stop_clock
rm -rf "$dir"
[ "$E2E_FAILS" -eq 0 ]
