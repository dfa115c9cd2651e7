#!/usr/bin/env bash
# The three alarm windows as they appear on the screen: the demo tool opens them with sample
# records at known places, and a screenshot shows their colours and the sticky note's shape.
source "$(dirname "$0")/lib.sh"

shot="$E2E_ROOT/build/alarm_windows.png"
wine "$E2E_ROOT/build/win/alarm_window_demo_win.exe" all 20 >"$E2E_ROOT/build/alarm_demo.log" 2>&1 \
    </dev/null &
demo=$!

pixel() { /usr/bin/convert "$shot" -format "%[pixel:p{$1,$2}]" info:; }

# Up to 15 seconds for the windows to come up.
for _ in $(seq 30); do
    sleep 0.5
    import -window root "$shot" 2>/dev/null || continue
    [ "$(pixel 300 150)" = "srgb(255,255,128)" ] && break
done

# The desktop's colour, far from the windows (black on a bare display; a desktop paints its own).
desktop=$(pixel 600 600)
e2e_check "normal window: the memo in the record's colour" \
    [ "$(pixel 300 150)" = "srgb(255,255,128)" ]
e2e_check "sticky note: the body in the record's colour" \
    [ "$(pixel 300 400)" = "srgb(200,255,200)" ]
e2e_check "sticky note: the desktop shows beside the tab" [ "$(pixel 300 310)" = "$desktop" ]
e2e_check "sticky note: the tab is there" [ "$(pixel 45 303)" != "srgb(0,0,0)" ]
e2e_check "board: across the clock a quarter down, in the record's colour" \
    [ "$(pixel 705 140)" = "srgb(0,0,200)" ]
e2e_check "board: nothing left of the clock" [ "$(pixel 690 140)" = "$desktop" ]

kill "$demo" 2>/dev/null
wait "$demo" 2>/dev/null
[ "$E2E_FAILS" -eq 0 ]
