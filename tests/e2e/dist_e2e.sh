#!/usr/bin/env bash
# The release package as a user meets it: the zip holds exactly the intended files; unpacked
# into a folder whose path has blanks and Japanese characters, in a Wine prefix of its own that
# has never seen the program, the clock starts, its help finds its pages (no missing-page box),
# its settings and alarm files land beside it, and "Nappo.exe /d" starts the manager.
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

root=$(mktemp -d "/tmp/vistrel 配布 XXXXXX")
mkdir -p "$root/私の 時計"
unzip -q "$zip" -d "$root/私の 時計"
dir="$root/私の 時計/$name"
export WINEPREFIX="$root/prefix" # a prefix of its own: nothing of the build's is there
wineboot -i >/dev/null 2>&1 </dev/null

wine "$dir/Vistrel.exe" >"$root/wine.log" 2>&1 </dev/null &
E2E_PID=$!
e2e_check "the unpacked clock starts" bash -c "$(declare -f e2e_probe); e2e_probe wait 60000 >/dev/null"
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
# A first start works per user: the shared "Vistrel.Ini", then "<user>.Ini" and "<user>.CSV".
e2e_check "its settings files land beside it" \
    bash -c "test -f '$dir/Vistrel.Ini' && ls '$dir'/*.Ini | grep -qv '/Vistrel.Ini$'"
e2e_check "its alarm file lands beside it" bash -c "ls '$dir'/*.CSV >/dev/null"
e2e_check "and its style and alarm folders" test -d "$dir/style" -a -d "$dir/alarm"

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
