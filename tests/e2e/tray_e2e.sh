#!/usr/bin/env bash
# A clock locked without a temporary key shows its tray icon even with the icon switched off,
# and the icon's menu unlocks it. (On a bare display Wine shows the icon in its own "Wine System
# Tray" window at the top left; on the desktop it is docked in the notification area.)
source "$(dirname "$0")/lib.sh"

dir=$(e2e_install)
printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nLock=1\r\nShowTray=0\r\nPointX=300\r\nPointY=300\r\nSize=133\r\n[Lock]\r\nMode=0\r\nTempKey=0\r\n' >"$dir/Vistrel.Ini"
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null || { e2e_fail "the clock window did not appear"; exit 1; }
sleep 2

drag_face() {
    xdotool mousemove 365 366 sleep 0.2 mousemove 366 366 sleep 0.2 mousedown 1 sleep 0.2 \
        mousemove 386 376 sleep 0.2 mousemove 396 386 sleep 0.2 mouseup 1
    sleep 0.5
}
# The icon's menu: its lock entry has the key L.
tray=""
tray_shown() { [ -n "$(e2e_tray_icon)" ]; }
e2e_wait_for 50 tray_shown && read -r tx ty tw th < <(e2e_tray_icon) && tray="$tx,$ty"
e2e_check "the tray icon is shown while locked (at $tray)" test -n "$tray"
drag_face
e2e_check "locked: the face does not move" grep -q "x=300 y=300 " <<<"$(e2e_probe state)"

xdotool mousemove $((tx + 10)) $((ty + 10)) sleep 0.3 click 3 sleep 0.8 key l
sleep 0.8
drag_face
e2e_check "unlocked from the tray menu: the face is dragged" grep -q "x=330 y=320 " <<<"$(e2e_probe state)"
e2e_finish || true
e2e_check "the unlocked state is saved" grep -q "^Lock=0" "$dir/Vistrel.Ini"

rm -rf "$dir"
[ "$E2E_FAILS" -eq 0 ]
