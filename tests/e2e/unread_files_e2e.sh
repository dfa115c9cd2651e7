#!/usr/bin/env bash
# Files a user can really have at start-up: held by another program, too large, a size no screen
# can show, a program folder where the data folders cannot be made. The clock says what it could
# not read, runs on, and the close leaves what it could not read exactly as it was. Also: a close
# is immediate, even under X without a window manager.
source "$(dirname "$0")/lib.sh"
screen_w=$(xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*\)x.*/\1/p')
screen_h=$(xdpyinfo | sed -n 's/.*dimensions: *[0-9]*x\([0-9]*\).*/\1/p')
# Holds a file without sharing for some seconds, in the background; returns once it is held.
hold_start() { # file, milliseconds, folder for the log
    wine "$E2E_ROOT/build/win/hold_file_win.exe" "Z:$1" "$2" >"$3/hold.log" 2>/dev/null </dev/null &
    HOLD_PID=$!
    for _ in $(seq 200); do grep -q held "$3/hold.log" 2>/dev/null && return 0; sleep 0.1; done
    return 1
}
# Waits until the holder has let go.
hold_end() { wait "$HOLD_PID" 2>/dev/null; }

# Starts the clock, answers every message box it shows at start-up and collects their texts
# in $dir/boxes.txt.
start_answering() {
    local dir="$1"
    : >"$dir/boxes.txt"
    e2e_start "$dir"
    e2e_probe wait 20000 >/dev/null || { e2e_fail "the clock window did not appear"; return 1; }
    while e2e_probe box 1500 >>"$dir/boxes.txt"; do
        e2e_probe dismiss >/dev/null
        sleep 0.3
    done
}

settings='[Common]\r\nMultiUser=0\r\nVer=202\r\nPointX=300\r\nPointY=300\r\nSize=133\r\nStyleDir=keep\r\n'
alarm='0,2,0,0,0,"1899/12/30 07:00:00",1,1,"2030/12/08 07:00:00",message,9,,,0\r\n'

# 1. The alarm file held without sharing while the clock starts, let go before the close.
dir=$(e2e_install)
printf "$settings" >"$dir/Vistrel.Ini"
printf "$alarm" >"$dir/Default.CSV"
cp "$dir/Default.CSV" "$dir/alarm.orig"
e2e_check "the alarm file is held by another program" hold_start "$dir/Default.CSV" 10000 "$dir"
start_answering "$dir"
e2e_check "a held alarm file is reported as in use" grep -q "使用中" "$dir/boxes.txt"
hold_end
e2e_finish || true
e2e_check "the held alarm file is byte for byte the same after the close" \
    cmp -s "$dir/Default.CSV" "$dir/alarm.orig"
rm -rf "$dir"

# 2. The settings file held the same way: it keeps the user's MultiUser=0 and everything else.
dir=$(e2e_install)
printf "$settings" >"$dir/Vistrel.Ini"
printf '[Color]\r\nColorH=255\r\n' >>"$dir/Vistrel.Ini"
cp "$dir/Vistrel.Ini" "$dir/ini.orig"
e2e_check "the settings file is held by another program" hold_start "$dir/Vistrel.Ini" 10000 "$dir"
start_answering "$dir"
e2e_check "a held settings file is reported" grep -q "Vistrel.Ini" "$dir/boxes.txt"
hold_end
e2e_finish || true
e2e_check "the held settings file is byte for byte the same after the close" \
    cmp -s "$dir/Vistrel.Ini" "$dir/ini.orig"
rm -rf "$dir"

# 3. A 6 MB settings file: told at start-up, left as it was.
dir=$(e2e_install)
printf "$settings" >"$dir/Vistrel.Ini"
head -c 6000000 /dev/zero | tr '\0' ';' >>"$dir/Vistrel.Ini"
cp "$dir/Vistrel.Ini" "$dir/ini.orig"
start_answering "$dir"
e2e_check "a 6 MB settings file is reported as too large" grep -q "大きすぎ" "$dir/boxes.txt"
e2e_finish || true
e2e_check "the 6 MB file is left untouched" cmp -s "$dir/Vistrel.Ini" "$dir/ini.orig"
rm -rf "$dir"

# 4. A stored size of 99999999: a usable clock, saved at the clamped size.
dir=$(e2e_install)
printf "$settings" | sed 's/Size=133/Size=99999999/' >"$dir/Vistrel.Ini"
start_answering "$dir"
smaller=$(( screen_w < screen_h ? screen_w : screen_h ))
state=$(e2e_probe state); echo "$state"
e2e_check "size 99999999 gives a clock of the screen's smaller side" \
    grep -q "w=$smaller h=$smaller" <<<"$state"
e2e_finish || true
e2e_check "and is saved at that size" grep -q "^Size=$smaller" "$dir/Vistrel.Ini"
rm -rf "$dir"

# 5. "style" and "alarm" cannot be made (files of those names stand in for a read-only folder,
# which the root user of the tests could write anyway): told, and the clock still ticks.
dir=$(e2e_install)
printf "$settings" | sed 's/StyleDir=keep/SNeedle=1/' >"$dir/Vistrel.Ini"
touch "$dir/style" "$dir/alarm"
start_answering "$dir"
e2e_check "the folders that could not be made are reported" grep -q "作成できませんでした" "$dir/boxes.txt"
changed=0
for attempt in 1 2 3; do
    while [ "$(date +%S)" -ge 55 ] || [ "$(date +%S)" -lt 2 ]; do sleep 0.5; done
    import -window root -crop 133x133+300+300 "$dir/a.png"
    sleep 1.1
    import -window root -crop 133x133+300+300 "$dir/b.png"
    diff=$(compare -metric AE "$dir/a.png" "$dir/b.png" null: 2>&1 | cut -d' ' -f1)
    [ "${diff:-0}" -gt 0 ] && { changed=1; break; }
done
e2e_check "the clock ticks: the second hand moved ($diff pixels)" test "$changed" = 1

# 6. The close: the window gone and the process ended within half a second.
times=$(e2e_probe closetime); echo "$times"
ended=$(sed -n 's/.*process_end_ms=\([0-9]*\).*/\1/p' <<<"$times")
e2e_check "a close ends the clock within 0.5 s (${ended} ms)" test "${ended:-9999}" -le 500
e2e_wait_exit 10 || kill "$E2E_PID" 2>/dev/null
rm -rf "$dir"
[ "$E2E_FAILS" -eq 0 ]
