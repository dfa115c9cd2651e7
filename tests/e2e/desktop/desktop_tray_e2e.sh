#!/usr/bin/env bash
# The tray icon on a desktop with a notification area (trayer; run by tools/run_tests.sh on
# tools/desktop_session.sh): on three fresh starts in a row, the first with a new Wine server (as
# on a first start), the icon docks in trayer's area, shows the clock, and has its tooltip and
# its menu; a notification area that comes after the clock gets the icon too.
# Screenshots: build/desktop/tray_*.png.
source "$(dirname "$0")/../lib.sh"
source "$E2E_ROOT/tools/desktop_session.sh"
[ -n "${VISTREL_DESKTOP:-}" ] || { e2e_fail "runs on the desktop only (tools/desktop_session.sh)"; exit 1; }
shots="$E2E_ROOT/build/desktop"
mkdir -p "$shots"

dir=$(e2e_install)
printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nShowTray=1\r\nPointX=300\r\nPointY=200\r\nSize=133\r\n' \
    >"$dir/Vistrel.Ini"
stop_clock() {
    [ -n "${E2E_PID:-}" ] && kill -0 "$E2E_PID" 2>/dev/null || return 0
    e2e_probe close >/dev/null
    e2e_wait_for 100 bash -c "! kill -0 $E2E_PID 2>/dev/null" || kill "$E2E_PID" 2>/dev/null
}
trap stop_clock EXIT

# The icon's window inside trayer's panel (at the bottom of the screen), not Wine's own tray.
docked() {
    local x y w h
    read -r x y w h < <(e2e_tray_icon)
    [ -n "${y:-}" ] && [ "$y" -ge 700 ]
}
# The icon is drawn: its slot holds more than the panel's flat colour.
drawn() {
    local x y w h
    read -r x y w h < <(e2e_tray_icon)
    [ -n "${w:-}" ] || return 1
    [ "$(import -window root -crop "${w}x${h}+$x+$y" +repage -format %k info:)" -gt 4 ]
}
tooltip_shown() { grep -q "shown=1" <<<"$(e2e_probe tooltip)"; }
menu_open() { grep -q "open=1" <<<"$(e2e_probe popup)"; }
menu_closed() { ! menu_open; }
icon_works() { # name of the start
    local x y w h
    e2e_check "$1: the icon docks in the notification area" e2e_wait_for 100 docked
    e2e_check "$1: the icon shows the clock" e2e_wait_for 50 drawn
    read -r x y w h < <(e2e_tray_icon)
    [ -n "${x:-}" ] || return
    xdotool mousemove $((x + w / 2 - 2)) $((y + h / 2)) sleep 0.2 mousemove $((x + w / 2)) $((y + h / 2))
    e2e_check "$1: its tooltip appears" e2e_wait_for 50 tooltip_shown
    import -window root -crop 300x120+724+648 +repage "$shots/tray_$1.png"
    xdotool click 3
    e2e_check "$1: a right click opens its menu" e2e_wait_for 50 menu_open
    xdotool key Escape
    e2e_wait_for 30 menu_closed
    xdotool mousemove 20 300
}

# Three fresh starts in a row; before the first the Wine server (and with it the notification
# area's side of Wine) starts anew.
wineserver -k >/dev/null 2>&1
wineserver -w >/dev/null 2>&1
for start in first second third; do
    e2e_start "$dir"
    e2e_probe wait 30000 >/dev/null || { e2e_fail "$start: the clock window did not appear"; continue; }
    icon_works "$start"
    stop_clock
done

# The notification area comes after the clock: the clock starts without one, then trayer starts.
vistrel_stop_tray
e2e_start "$dir"
e2e_probe wait 30000 >/dev/null || e2e_fail "the clock window did not appear"
e2e_wait_for 50 test -n "$(e2e_probe state | grep found=1)"
vistrel_start_tray || e2e_fail "trayer did not start again"
icon_works "late"
stop_clock
rm -rf "$dir"
# The scripts after this one find the server as the test run started it.
wineserver -k >/dev/null 2>&1
wineserver -w >/dev/null 2>&1
wineserver -p >/dev/null 2>&1
wineboot >/dev/null 2>&1 </dev/null
[ "$E2E_FAILS" -eq 0 ]
