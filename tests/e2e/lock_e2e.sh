#!/usr/bin/env bash
# The locked clock gets out of the cursor's way: mode 1 hides until the cursor has left, mode 3
# jumps away and comes home; holding Ctrl lets the user drag it; closing while escaped saves home.
source "$(dirname "$0")/lib.sh"

dir=$(e2e_install)
settings() { # mode, then extra [Common] lines
    local mode="$1"; shift
    printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nLock=1\r\nPointX=300\r\nPointY=300\r\nSize=133\r\n' >"$dir/Vistrel.Ini"
    for line in "$@"; do printf '%s\r\n' "$line" >>"$dir/Vistrel.Ini"; done
    printf '[Lock]\r\nMode=%s\r\nEscapeSpeed=2\r\nTempKey=1\r\n' "$mode" >>"$dir/Vistrel.Ini"
    # Only the drawn parts of the face take the mouse: a frame ring makes the edges drawn.
    printf '[Frame]\r\nFrame=1\r\n' >>"$dir/Vistrel.Ini"
}
state() { e2e_probe state; }
# The pointer comes from above and moves on by a pixel, as a hand moves it: a single jump into a
# window that has just appeared is sometimes taken only as entering it.
at() {
    xdotool mousemove "$1" "$(( $2 - 40 ))" sleep 0.3 mousemove "$1" "$2" sleep 0.3 \
        mousemove "$(( $1 + 1 ))" "$2"
    sleep "${3:-0.6}"
}

# Mode 3: escape.
settings 3
xdotool mousemove 20 700
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null || { e2e_fail "the clock window did not appear"; exit 1; }
sleep 1
at 366 305
e2e_check "cursor at the top middle: 60 down" grep -q "x=300 y=360 " <<<"$(state)"
at 20 700 1
e2e_check "cursor gone: back home" grep -q "x=300 y=300 " <<<"$(state)"
at 322 322
e2e_check "upper-left quadrant (on the frame): 60 right and 60 down" grep -q "x=360 y=360 " <<<"$(state)"
e2e_finish || true
e2e_check "closing while escaped saves the home position" \
    test "$(grep -c -e '^PointX=300' -e '^PointY=300' "$dir/Vistrel.Ini")" = 2

# Mode 1: hide.
settings 1
xdotool mousemove 20 700
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null
sleep 1
at 366 366
e2e_check "cursor over the clock: hidden" grep -q "visible=0" <<<"$(state)"
at 20 700 1
e2e_check "cursor gone: shown again" grep -q "visible=1" <<<"$(state)"
# Holding Ctrl: the lock does not apply, the face can be dragged.
xdotool keydown ctrl
xdotool mousemove 322 322 sleep 0.2 mousedown 1 sleep 0.2 mousemove 332 332 sleep 0.2 mousemove 342 337 sleep 0.2 mousemove 352 342 sleep 0.2 mouseup 1
sleep 0.5
xdotool keyup ctrl
e2e_check "with Ctrl held the locked clock is dragged by (30, 20)" grep -q "visible=1 iconic=0 x=330 y=320 " <<<"$(state)"
at 20 700
e2e_finish || true

rm -rf "$dir"
[ "$E2E_FAILS" -eq 0 ]
