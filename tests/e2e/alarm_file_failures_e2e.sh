#!/usr/bin/env bash
# Alarm files that cannot be taken in, and an alarm save that cannot be written, as a user
# meets them. "開く..." of a file of random bytes, of a line with three fields, of UTF-16, each
# answered Yes to the discard question, and "追加読み込み" of a file whose fifth line is bad: a
# Japanese box says why, and the dial and the alarm file after the close are as before. Then a
# full disk (a small tmpfs as the program folder) during the close: the box names the cause and
# the old alarm file is whole. Screenshots land in build/alarm_failures_*.png.
source "$(dirname "$0")/lib.sh"
shots="$E2E_ROOT/build"

settings='[Common]\r\nMultiUser=0\r\nVer=202\r\nPointX=300\r\nPointY=200\r\nSize=200\r\nSNeedle=0\r\n'
# Two daily alarms within the next hours, so that both marks show on the dial.
alarms() {
    local h1 h2 day
    day=$(date '+%Y/%m/%d')
    h1=$(date -d '+1 hour' '+%H'); h2=$(date -d '+3 hour' '+%H')
    printf '0,2,0,2,255,"1899/12/30 %s:00:00",1,1,"%s %s:00:00",first,12,(なし),(なし),0\r\n' \
        "$h1" "$(date -d '+1 hour' '+%Y/%m/%d')" "$h1"
    printf '0,2,0,1,16711680,"1899/12/30 %s:30:00",1,1,"%s %s:30:00",second,12,(なし),(なし),0\r\n' \
        "$h2" "$(date -d '+3 hour' '+%Y/%m/%d')" "$h2"
    : "$day"
}

dial() { import -window root -crop 200x200+300+200 "$1" 2>/dev/null; }
# Waits for a box of the clock's whose text matches $1 (a box just answered may still be on
# its way out), keeps its text and presses the button $2 (its default one when not given).
answer_box() {
    local text
    for _ in $(seq 40); do
        text=$(e2e_probe box 300)
        if echo "$text" | grep -q "$1"; then
            echo "$text" >>"$boxes"
            import -window root "$shots/alarm_failures_box.png" 2>/dev/null
            e2e_probe dismiss ${2:-} >/dev/null
            return 0
        fi
        sleep 0.25
    done
    return 1
}
# Waits until no box of the clock's is left (Wine takes a moment to hide one).
boxes_gone() {
    for _ in $(seq 60); do
        e2e_probe box 100 | grep -q "^no box" && return 0
        sleep 0.25
    done
    return 1
}
# Chooses a file in the system's open dialog by typing its path.
choose_file() {
    local dialog=""
    for _ in $(seq 50); do
        dialog=$(xdotool search --onlyvisible --name '^(開く|Open)$' 2>/dev/null | head -1)
        [ -n "$dialog" ] && break
        sleep 0.2
    done
    [ -n "$dialog" ] || return 1
    sleep 0.5
    xdotool type --delay 20 "Z:${1//\//\\}"
    xdotool key Return
}

dir=$(e2e_install)
printf "$settings" >"$dir/Vistrel.Ini"
alarms | iconv -f UTF-8 -t CP932 >"$dir/Default.CSV"
boxes="$dir/boxes.txt"
: >"$boxes"
e2e_start "$dir"
e2e_probe wait 20000 >/dev/null || { e2e_fail "the clock window did not appear"; exit 1; }
sleep 2
cp "$dir/Default.CSV" "$dir/alarms.orig"

bad="$dir/bad"
mkdir -p "$bad"
python3 -c 'import random, sys; random.seed(21); sys.stdout.buffer.write(bytes(random.randrange(256) for _ in range(3000)))' >"$bad/random.vsa"
printf '0,2,0\r\n' >"$bad/three.vsa"
alarms | iconv -f UTF-8 -t UTF-16 >"$bad/utf16.vsa"
{ alarms; alarms; printf '0,x,0,2,255,"1899/12/30 07:00:00",1,1,"2030/12/08 07:00:00",bad,12,,,0\r\n'; } \
    | iconv -f UTF-8 -t CP932 >"$bad/fifth.vsa"

# The dial's ring, where the marks are: the hands inside it are covered, since they move.
same_dial() { # before, after
    local ring
    for ring in "$1" "$2"; do convert "$ring" -fill black -draw "circle 100,100 100,182" "$ring"; done
    [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]
}

for case in "106 random.vsa 1 行目" "106 three.vsa 項目が 3 個" "106 utf16.vsa UTF-16" \
    "107 fifth.vsa 5 行目"; do
    set -- $case
    dial "$shots/alarm_failures_before.png"
    e2e_probe command "$1" >/dev/null
    e2e_check "$2: the open dialog takes the file" choose_file "$bad/$2"
    if [ "$1" = 106 ]; then
        e2e_check "$2: the discard question is asked" answer_box "破棄して" 6 # Yes
    fi
    e2e_check "$2: a Japanese box says why ($3)" answer_box "$3"
    e2e_check "$2: the box says nothing changed" grep -q "変わりません" "$boxes"
    boxes_gone; sleep 2.5 # and the open dialog's own hiding
    dial "$shots/alarm_failures_after_$2.png"
    e2e_check "$2: the dial and its marks are as before" \
        same_dial "$shots/alarm_failures_before.png" "$shots/alarm_failures_after_$2.png"
done
cat "$boxes"
e2e_finish || true
e2e_check "the alarm file after the close is byte for byte as before" \
    cmp -s "$dir/Default.CSV" "$dir/alarms.orig"
rm -rf "$dir"

# A full disk during the close's alarm save.
mnt=$(mktemp -d /tmp/vistrel-full.XXXXXX)
if mount -t tmpfs -o size=24m tmpfs "$mnt" 2>/dev/null; then
    trap 'umount -l "$mnt" 2>/dev/null; rmdir "$mnt"' EXIT
    dir="$mnt"
    cp "$E2E_ROOT/build/win/Vistrel.exe" "$dir/"
    printf "$settings" >"$dir/Vistrel.Ini"
    alarms | iconv -f UTF-8 -t CP932 >"$dir/Default.CSV"
    boxes=$(mktemp /tmp/vistrel-full-boxes.XXXXXX)
    e2e_start "$dir"
    e2e_probe wait 20000 >/dev/null || e2e_fail "the clock window did not appear"
    sleep 2
    cp "$dir/Default.CSV" "/tmp/$(basename "$mnt").orig"
    # Fills the disk to the last byte.
    dd if=/dev/zero of="$dir/fill" bs=4096 2>/dev/null
    dd if=/dev/zero of="$dir/fill2" bs=1 2>/dev/null
    e2e_probe close >/dev/null
    e2e_check "the full disk is named in the alarm save's box" \
        answer_box "ｱﾗｰﾑ情報ﾌｧｲﾙ:.*Default.CSV"
    e2e_check "the box names the cause and the remedy" \
        grep -q "ディスクの空き容量が足りません" "$boxes"
    # The settings' own box follows; answer whatever else comes.
    while e2e_probe box 4000 >>"$boxes"; do e2e_probe dismiss >/dev/null; sleep 2.5; done
    cat "$boxes"
    e2e_wait_exit 10 || kill "$E2E_PID" 2>/dev/null
    e2e_check "the old alarm file is whole" cmp -s "$dir/Default.CSV" "/tmp/$(basename "$mnt").orig"
    rm -f "/tmp/$(basename "$mnt").orig" "$boxes"
else
    echo "skip: no tmpfs can be mounted here, the full disk is not tried"
fi
[ "$E2E_FAILS" -eq 0 ]
