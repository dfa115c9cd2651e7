#!/usr/bin/env bash
# The release package as a user meets it: the zip holds exactly the intended files; unpacked
# into a folder whose path has blanks and Japanese characters, in a Wine prefix of its own that
# has never seen the program, the clock starts, its help finds its pages (no missing-page box),
# its settings and alarm files land beside it where its guide says (per Windows user, and shared
# once that is switched off), and "Nappo.exe /d" starts the manager.
source "$(dirname "$0")/lib.sh"

zip=$("$E2E_ROOT/tools/make_dist.sh" | tail -1)
name=$(basename "$zip" .zip)
expected=$(printf '%s\n' "$name/" "$name/Vistrel.exe" "$name/Nappo.exe" "$name/Nappo.dll" \
    "$name/お読みください.txt" "$name/help/" $(cd "$E2E_ROOT/docs/help" && ls | sed "s|^|$name/help/|") |
    sort)
e2e_check "the package holds exactly the intended files" \
    diff <(unzip -Z1 "$zip" | sort) <(echo "$expected")
e2e_check "the guide is Shift-JIS with CR LF" bash -c \
    "unzip -p '$zip' '$name/お読みください.txt' | iconv -f CP932 -t UTF-8 | grep -q \$'取り除き方\r'"
guide=$(unzip -p "$zip" "$name/お読みください.txt" | iconv -f CP932 -t UTF-8 | tr -d '\r')
# The settings and alarm files that the guide's block of files lists under a heading.
listed() { awk -v h="$1" '/^  ［/ { on = index($0, h) > 0; next }
                          on && $1 ~ /\.(Ini|CSV)$/ { print $1 }' <<<"$guide" | sort; }
# The settings and alarm files written since a mark, the Windows user's name written as the guide
# writes it.
written() { find "$dir" -maxdepth 1 -type f \( -name '*.Ini' -o -name '*.CSV' \) -newer "$1" \
                -printf '%f\n' | sed "s/^$(id -un)\./<ユーザー名>./" | sort; }

root=$(mktemp -d "/tmp/vistrel 配布 XXXXXX")
mkdir -p "$root/私の 時計"
unzip -q "$zip" -d "$root/私の 時計"
dir="$root/私の 時計/$name"
export WINEPREFIX="$root/prefix" # a prefix of its own: nothing of the build's is there
wineboot -i >/dev/null 2>&1 </dev/null

# Starts the unpacked clock after a mark, so that the files it writes can be told.
start_clock() { # mark
    touch "$root/$1"
    wine "$dir/Vistrel.exe" >>"$root/wine.log" 2>&1 </dev/null &
    E2E_PID=$!
    e2e_check "the unpacked clock starts ($1)" e2e_probe wait 60000
}
# The settings and alarm files written since the mark are the expected ones, and the guide lists
# them under its heading.
check_files() { # mark, the guide's heading, the expected files...
    local mark="$1" heading="$2" files
    shift 2
    files=$(written "$root/$mark")
    e2e_check "after the $mark it writes $(echo $files)" \
        test "$files" = "$(printf '%s\n' "$@" | sort)"
    e2e_check "the guide lists them under $heading" test "$files" = "$(listed "$heading")"
}

start_clock "first start"
sleep 3
# Help from the menu (its key H) at the clock's first place, the top-right corner: the page is
# found beside the program, so no box says that it is missing.
xdotool mousemove $((1024 - 67)) 66 sleep 0.3 click 3 sleep 0.8 key h
# (Opening it needs a browser, which this prefix has not: a box saying it could not be opened
# is not the missing page's.)
box=$(e2e_probe box 4000)
e2e_check "the help finds its page in help\\ ($box)" bash -c "! grep -q '見つかりません' <<<'$box'"
[ -n "$box" ] && e2e_probe dismiss >/dev/null
e2e_probe close >/dev/null
e2e_check "the clock ends" e2e_wait_exit 15
# A first start works per user: the shared "Vistrel.Ini", then "<user>.Ini" and "<user>.CSV",
# as the guide lists them.
check_files "first start" ﾏﾙﾁﾕｰｻﾞｰ機能がオン '<ユーザー名>.Ini' '<ユーザー名>.CSV' Vistrel.Ini
e2e_check "and its style and alarm folders" test -d "$dir/style" -a -d "$dir/alarm"
# Switched off, the clock keeps everything in the shared files, as the guide lists them.
sed -i 's/^MultiUser=1/MultiUser=0/' "$dir/Vistrel.Ini"
start_clock "second start"
e2e_probe close >/dev/null
e2e_check "the clock ends again" e2e_wait_exit 15
check_files "second start" ﾏﾙﾁﾕｰｻﾞｰ機能がオフ Vistrel.Ini Default.CSV

wine "$dir/Nappo.exe" /d >"$root/nappo.log" 2>&1 </dev/null &
nappo=$!
started() { for _ in $(seq 100); do e2e_probe nappo | grep -q "manager=1" && return 0; sleep 0.2; done; return 1; }
e2e_check "Nappo.exe /d starts the manager" started
wine "$dir/Nappo.exe" /e >/dev/null 2>&1 </dev/null
for _ in $(seq 50); do kill -0 "$nappo" 2>/dev/null || break; sleep 0.2; done
kill "$nappo" 2>/dev/null
wineserver -k >/dev/null 2>&1
rm -rf "$root"
[ "$E2E_FAILS" -eq 0 ]
