#!/usr/bin/env bash
# The settings files as a user meets them: a first start writes the defaults, a stored size
# below the minimum is raised, and a dragged or resized clock is saved where it was left.
source "$(dirname "$0")/lib.sh"

dir=$(e2e_install)
screen_w=$(xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*\)x.*/\1/p')

e2e_start "$dir"
e2e_probe wait 20000 >/dev/null || { e2e_fail "the clock window did not appear"; exit 1; }
e2e_check "first start: 133 pixels at the top-right corner" \
    grep -q "x=$((screen_w - 133)) y=0 w=133 h=133" <<<"$(e2e_probe state)"
e2e_finish || true
user_ini=$(cd "$dir" && ls *.Ini | grep -v '^Vistrel.Ini$' | head -1)
e2e_check "shared file holds MultiUser and Ver" \
    grep -q "Ver=202" "$dir/Vistrel.Ini"
e2e_check "per-user settings file written ($user_ini)" grep -q "Size=133" "$dir/$user_ini"
e2e_check "data folders made" test -d "$dir/style" -a -d "$dir/alarm"
e2e_check "alarm file written" test -f "$dir/${user_ini%.Ini}.CSV"

# A stored size of 20 is raised to 50; the stored place is used.
sed -i 's/^Size=.*/Size=20\r/; s/^PointX=.*/PointX=100\r/; s/^PointY=.*/PointY=200\r/' "$dir/$user_ini"
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null
e2e_check "stored size 20 gives 50 at the stored place" \
    grep -q "x=100 y=200 w=50 h=50" <<<"$(e2e_probe state)"
e2e_finish || true

# Dragging the face moves the window by the drag; the place is saved.
sed -i 's/^Size=.*/Size=133\r/; s/^PointX=.*/PointX=300\r/; s/^PointY=.*/PointY=300\r/' "$dir/$user_ini"
# Only the drawn parts of the face take the mouse: a frame ring makes the edges drawn.
sed -i 's/^Frame=0/Frame=1/' "$dir/Vistrel.Ini"
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null
sleep 1
xdotool mousemove 366 366 sleep 0.2 mousedown 1 sleep 0.2 mousemove 376 376 sleep 0.2 mousemove 396 386 sleep 0.2 mousemove 406 396 sleep 0.2 mouseup 1
sleep 0.5
state=$(e2e_probe state); echo "$state"
e2e_check "drag by (40, 30)" grep -q "x=340 y=330 w=133" <<<"$state"

# Dragging the left edge 10 to the right: 10 smaller, 10 right, 5 down.
xdotool mousemove 343 396 sleep 0.2 mousedown 1 sleep 0.2 mousemove 348 396 sleep 0.2 mousemove 353 396 sleep 0.2 mouseup 1
sleep 0.5
state=$(e2e_probe state); echo "$state"
e2e_check "left edge resize" grep -q "x=350 y=335 w=123 h=123" <<<"$state"
# Below 50 is refused.
xdotool mousemove 353 396 sleep 0.2 mousedown 1 sleep 0.2 mousemove 400 396 sleep 0.2 mousemove 440 396 sleep 0.2 mouseup 1
sleep 0.5
state=$(e2e_probe state); echo "$state"
e2e_check "resize below 50 refused" grep -q "x=397 y=359 w=76 " <<<"$state"
e2e_finish || true
e2e_check "the place and size are saved as left" \
    test "$(grep -c -e '^PointX=397' -e '^PointY=359' -e '^Size=76' "$dir/$user_ini")" = 3
rm -rf "$dir"
[ "$E2E_FAILS" -eq 0 ]
