#!/usr/bin/env bash
# The close ends within a second and saves both files, whatever is open: two alarm notices, a
# playing sound, the alarm list editor, the options dialog, the time adjustment log, a message
# box; each alone and all together. Both files are deleted just before the close, so that their
# presence afterwards shows the close wrote them.
source "$(dirname "$0")/lib.sh"
limit_ms=1000

# Nothing may answer a time request on this machine's port 123: the clock would set the time.
ntp_listener() { ss -uln 2>/dev/null | awk '{print $4}' | grep -Eq '(^|[:.])123$'; }

# A sound long enough to play through every case (the null device plays faster than real time).
wav=$(mktemp /tmp/vistrel-close.XXXXXX.wav)
python3 - "$wav" <<'EOF'
import sys, wave
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(1); w.setsampwidth(1); w.setframerate(8000)
    w.writeframes(bytes((128 + (i // 8 % 2) * 40) for i in range(8000 * 600)))
EOF

# Starts the clock with alarms that fire `lead` seconds from now: the given records' kinds are
# "notices" (two message windows), "sound" (the long sound, no window), "box" (an action that
# cannot be started, so a warning box). Leaves $dir and the moment they fire in $due.
start_clock() { # lead, kinds...
    local lead="$1"; shift
    dir=$(e2e_install)
    printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nPointX=300\r\nPointY=200\r\nSize=133\r\n[Alarm]\r\nAction=0\r\nMsgType=0\r\n[NTP]\r\nServer=127.0.0.1\r\nTimeOut=30\r\nShowResult=1\r\n' \
        >"$dir/Vistrel.Ini"
    due=$(( $(date +%s) + lead ))
    local when line kind
    when=$(date -d "@$due" '+%Y/%m/%d %H:%M:%S')
    line() { printf '0,0,0,1,16777215,"%s",1,1,"%s",%s,12,%s,%s,0\r\n' "$when" "$when" "$1" "$2" "$3"; }
    : >"$dir/Default.CSV"
    for kind in "$@"; do
        case "$kind" in
        notices) line "first" "(なし)" "(なし)"; line "second" "(なし)" "(なし)" ;;
        sound) line '""' "(なし)" "Z:${wav//\//\\}" ;;
        box) line '""' 'Z:\no\such\program.exe' "(なし)" ;;
        esac
    done | iconv -f UTF-8 -t CP932 >"$dir/Default.CSV"
    e2e_start "$dir"
    e2e_probe wait 20000 >/dev/null || { e2e_fail "the clock window did not appear"; return 1; }
    sleep 1
}

wait_due() { while [ "$(date +%s)" -le "$due" ]; do sleep 0.2; done; sleep 2; }
notices_open() { [ "$(xwininfo -root -tree | grep -c ' - Vistrel"')" -ge 2 ]; }
visible() { [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
wait_for() { for _ in $(seq 50); do "$@" && return 0; sleep 0.2; done; return 1; }
# The log has no caption: it shows as one more visible window of the clock's.
shown() { xdotool search --onlyvisible --classname 'vistrel.exe' 2>/dev/null | wc -l; }
more_shown_than() { [ "$(shown)" -gt "$1" ]; }
box_open() { e2e_probe box 100 | grep -q "が起動できません"; }

# Opens what the case names; every opening is checked, so that the close meets it open.
open_things() { # things...
    local thing
    for thing in "$@"; do
        case "$thing" in
        options) e2e_probe command 124 >/dev/null
            e2e_check "the options dialog is open" wait_for visible "オプション" ;;
        log) local before; before=$(shown)
            e2e_probe command 115 >/dev/null
            e2e_check "the time adjustment log is open" wait_for more_shown_than "$before" ;;
        editor) e2e_probe command 125 >/dev/null
            e2e_check "the alarm list editor is open" wait_for visible "ｱﾗｰﾑ･ﾀｲﾏｰの設定" ;;
        esac
    done
}

# Deletes both files, closes, and checks the time and the files.
close_and_check() { # what was open
    rm -f "$dir/Default.CSV" "$dir/Vistrel.Ini"
    import -window root "$E2E_ROOT/build/close_$(echo "$1" | tr ' ' _).png" 2>/dev/null
    local times ended
    times=$(e2e_probe closetime)
    ended=$(echo "$times" | sed -n 's/.*process_end_ms=\([0-9]*\).*/\1/p')
    e2e_check "with $1 open the close ended in ${ended:-?} ms ($times)" \
        test -n "$ended" -a "${ended:-99999}" -le "$limit_ms"
    e2e_wait_exit 10 || { e2e_fail "with $1 open the process is still there"; kill "$E2E_PID"; }
    e2e_check "with $1 open the alarm file was saved" test -f "$dir/Default.CSV"
    e2e_check "with $1 open the settings file was saved" grep -q "Ver=202" "$dir/Vistrel.Ini"
    e2e_check "with $1 open no temporary file is left" \
        test -z "$(ls "$dir" | grep vistrel-save)"
    rm -rf "$dir"
}

# Alone: each thing by itself.
start_clock 12 notices && wait_due
e2e_check "two alarm notices are open" notices_open
close_and_check "two notices"

start_clock 12 sound && wait_due
close_and_check "a playing sound"

start_clock 12 box && wait_due
e2e_check "the action's warning box is open" box_open
close_and_check "a message box"

for thing in editor options; do
    start_clock 3600
    open_things "$thing"
    close_and_check "the $thing"
done

adjust=""
if ntp_listener; then
    echo "skip: something listens on port 123 here; the time adjustment is not started"
else
    start_clock 3600
    open_things log
    close_and_check "the time adjustment log"
    adjust=log
fi

# Together: the dialogs first, then the alarms fire into them, then the time adjustment starts
# (an alarm due while it runs waits for its end, so it comes last).
start_clock 20 notices sound box
open_things options editor
wait_due
e2e_check "the notices opened beside the dialogs" notices_open
[ -n "$adjust" ] && open_things "$adjust"
close_and_check "everything"

rm -f "$wav"
[ "$E2E_FAILS" -eq 0 ]
