#!/usr/bin/env bash
# The options dialog's face pages as a user meets them: the hand style, the numeral set
# "ﾛｰﾏ(Ⅰ,Ⅱ...)", the frame "八角形" and its colour from the palette each change the clock at
# once; after OK a restart shows the same face, and a style saved with "名前をつけて保存..." and
# loaded in the style picker gives it too. Screenshots land in build/faces_*.png.
source "$(dirname "$0")/lib.sh"
shots="$E2E_ROOT/build"

# No second hand, so that the face holds still within a minute.
write_settings() { # folder
    printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nSNeedle=0\r\nPointX=300\r\nPointY=200\r\nSize=133\r\nStayOnTop=1\r\n' \
        >"$1/Vistrel.Ini"
}
start_clock() { # folder
    e2e_start "$1"
    e2e_probe wait 20000 >/dev/null || { e2e_fail "the clock window did not appear"; return 1; }
    # Until the face is drawn.
    for _ in $(seq 40); do
        import -window root -crop 133x133+300+200 "$1/start.png"
        [ "$(convert "$1/start.png" -alpha off -format '%k' info:)" -gt 3 ] && break
        sleep 0.5
    done
    sleep 1
}
face() { xdotool mousemove 20 700 sleep 0.3; import -window root -crop 133x133+300+200 "$1"; }
differ() { compare -metric AE "$1" "$2" null: 2>&1; }
# Away from a minute boundary, where the minute hand moves: room for about 25 seconds.
quiet_minute() { while [ "$(date +%S)" -ge 30 ] || [ "$(date +%S)" -lt 2 ]; do sleep 0.5; done; }
# The clock's pop-up menu, from the hands' hub; "ｽﾀｲﾙﾃﾞｰﾀ" is its sixth row, and its submenu
# has "開く..." beside it and "名前をつけて保存..." below that.
open_menu() { xdotool mousemove 366 266 sleep 0.3 click 3 sleep 0.8; }
style_entry() { xdotool mousemove 400 356 sleep 0.8 mousemove 520 $((356 + 16 * $1)) sleep 0.5 click 1; }
window_of() { xdotool search --onlyvisible --name "$1" | head -1; }
# A place in the options dialog, from its top left corner (the dialog font of the prefix).
at() { xdotool mousemove --window "$dialog" "$1" "$2" sleep 0.3; }
# Without a window manager the keys go to the window under the pointer.
next_page() { at 20 250; xdotool key ctrl+Tab sleep 0.6; }

# A clock left running would take the next test's start as a second copy: whatever happens,
# the clock ends with this script.
stop_clock() {
    [ -n "${E2E_PID:-}" ] && kill -0 "$E2E_PID" 2>/dev/null || return 0
    e2e_probe close >/dev/null
    e2e_wait_exit 10 || kill "$E2E_PID" 2>/dev/null
}
trap stop_clock EXIT

dir=$(e2e_install)
write_settings "$dir"
mkdir -p "$dir/style"
start_clock "$dir" || { rm -rf "$dir"; exit 1; }
face "$dir/0.png"

open_menu
xdotool key o
sleep 2
dialog=$(window_of "オプション")
e2e_check "the options dialog is open" test -n "$dialog"
[ -n "$dialog" ] || { rm -rf "$dir"; exit 1; }

# 針: the style list opens on a click; End and Enter choose its last style.
next_page
at 151 78
xdotool click 1 sleep 0.8 key End sleep 0.3 key Return
sleep 1
import -window root "$shots/faces_needle.png"
face "$dir/1.png"
n=$(differ "$dir/0.png" "$dir/1.png")
e2e_check "the hand style changes the hands at once ($n pixels)" test "${n:-0}" -gt 20

# 数字: ﾛｰﾏ(Ⅰ,Ⅱ...), in a font of this machine that has the Roman numerals, typed in.
next_page
at 35 114
xdotool click 1 sleep 0.8
at 300 97
xdotool click 1 sleep 0.3 key End shift+Home sleep 0.3 type --delay 60 "IPAPGothic"
sleep 1
import -window root "$shots/faces_numerals.png"
face "$dir/2.png"
n=$(differ "$dir/1.png" "$dir/2.png")
e2e_check "Roman numerals on the face ($n pixels)" test "${n:-0}" -gt 100

# 枠: shown, 八角形, and red from the palette below its colour button.
for _ in 1 2 3 4; do next_page; done
at 24 57
xdotool click 1 sleep 0.8
at 36 107
xdotool click 1 sleep 0.8
at 231 139
xdotool click 1 sleep 1
import -window root "$shots/faces_palette.png"
# The palette opens under the pointer; "赤" is the tenth swatch, nine rows below the first.
xdotool mousemove_relative 0 144 sleep 0.5 click 1
sleep 1
import -window root "$shots/faces_frame.png"
face "$dir/3.png"
n=$(differ "$dir/2.png" "$dir/3.png")
e2e_check "a red octagon frames the face ($n pixels)" test "${n:-0}" -gt 300
red=$(convert "$dir/3.png" -alpha off -format %c histogram:info: | awk '/#FF0000/ { print $1 + 0 }')
e2e_check "the frame is red ($red red pixels)" test "${red:-0}" -gt 1000

# OK keeps it; a restart shows the same face.
quiet_minute
at 208 300
xdotool click 1
sleep 1.5
# Without a window manager the first click on a dialog that lost the activation may only
# activate it.
[ -n "$(window_of 'オプション')" ] && xdotool click 1 && sleep 1.5
e2e_check "OK closes the dialog" test -z "$(window_of 'オプション')"
face "$dir/kept.png"
kept_minute=$(date +%H%M)
stop_clock
frame_style() { tr -d '\r' <"$1" | awk '/^\[/ { s = $0 } s == "[Frame]" && /^Style=/ { print substr($0, 7) }'; }
e2e_check "the settings hold the octagon" test "$(frame_style "$dir/Vistrel.Ini")" = 2
start_clock "$dir" || exit 1
face "$dir/restarted.png"
cp "$dir/restarted.png" "$shots/faces_restarted.png"
n=$(differ "$dir/kept.png" "$dir/restarted.png")
e2e_check "after a restart the face is bit for bit the same ($n pixels differ)" test "$n" = 0

# "ｽﾀｲﾙﾃﾞｰﾀ" → "名前をつけて保存..." into the style folder.
open_menu
style_entry 1
sleep 2
import -window root "$shots/faces_save_as.png"
# The system's save dialog (its title is the system's own).
saver=$(xdotool search --onlyvisible --name "保存|Save" | head -1)
e2e_check "the save dialog is open" test -n "$saver"
[ -n "$saver" ] && xdotool mousemove --window "$saver" 10 10 sleep 1
xdotool type --delay 80 "mine"
xdotool key Return
# The dialog closes and the style is written; on a busy machine that can take seconds.
style_saved() {
    for _ in $(seq 150); do [ -f "$dir/style/mine.vsy" ] && return 0; sleep 0.1; done
    return 1
}
e2e_check "the style is saved" style_saved
stop_clock

# From the default face, the saved style in the picker gives the kept face again.
write_settings "$dir"
start_clock "$dir" || exit 1
quiet_minute
face "$dir/default.png"
cp "$dir/default.png" "$shots/faces_default.png"
n=$(differ "$dir/kept.png" "$dir/default.png")
e2e_check "the default face differs from the saved style ($n pixels)" test "${n:-0}" -gt 100
open_menu
style_entry 0
sleep 1.5
import -window root "$shots/faces_picker.png"
picker=$(window_of "ｽﾀｲﾙﾃﾞｰﾀを開く")
e2e_check "the style picker is open" test -n "$picker"
if [ -n "$picker" ]; then
    xdotool mousemove --window "$picker" 150 60 sleep 0.3 key Down sleep 1 key Return
    sleep 1.5
fi
face "$dir/loaded.png"
loaded_minute=$(date +%H%M)
cp "$dir/loaded.png" "$shots/faces_loaded.png"
n=$(differ "$dir/kept.png" "$dir/loaded.png")
# The two faces are a minute or two apart when the machine is slow: then only the hands may
# differ (a minute's move of the minute hand is some 200 pixels; the default face differs by
# more than 2000).
if [ "$kept_minute" = "$loaded_minute" ]; then limit=0; else limit=400; fi
e2e_check "the loaded style gives the same face ($n pixels differ, at most $limit)" \
    test "${n:-99999}" -le "$limit"
e2e_finish || e2e_fail "the clock did not end"
rm -rf "$dir"
[ "$E2E_FAILS" -eq 0 ]
