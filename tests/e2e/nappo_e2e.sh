#!/usr/bin/env bash
# The screen saver manager from outside: it runs here (not Windows 95) only with "/d"; its hook
# sees keyboard and mouse input in its own and in other programs' windows; a second start shows
# its status window, "/e" ends it, and a start without its library fails.
source "$(dirname "$0")/lib.sh"

dir=$(mktemp -d /tmp/nappo-e2e.XXXXXX)
cp "$E2E_ROOT/build/win/Nappo.exe" "$E2E_ROOT/build/win/Nappo.dll" "$dir/"
shots="$E2E_ROOT/build/e2e-shots"
mkdir -p "$shots"

nappo_state() { e2e_probe nappo; }
idle_ms() { sed -n 's/.* idle=\([0-9]*\).*/\1/p' <<<"$(nappo_state)"; }
# Waits up to $1 tenths of a second for a command to succeed.
wait_for() {
    local limit="$1"; shift
    for _ in $(seq "$limit"); do "$@" && return 0; sleep 0.1; done
    return 1
}
manager_up() { grep -q "manager=1" <<<"$(nappo_state)"; }
status_up() { grep -q "status=1" <<<"$(nappo_state)"; }
status_down() { grep -q "manager=1 .*status=0" <<<"$(nappo_state)"; }
running() { kill -0 "$1" 2>/dev/null; }
not_running() { ! kill -0 "$1" 2>/dev/null; }
box_window() { xdotool search --name '^Nappo$' 2>/dev/null | head -1; }
has_box() { [ -n "$(box_window)" ]; }
idle_below() { local i; i=$(idle_ms); [ -n "$i" ] && [ "$i" -lt "$1" ]; }
idle_above() { local i; i=$(idle_ms); [ -n "$i" ] && [ "$i" -ge "$1" ]; }

# --- without "/d": the warning, and nothing runs
wine "$dir/Nappo.exe" >"$dir/warn.log" 2>&1 </dev/null &
warn_pid=$!
e2e_check "the Windows 95 warning appears" wait_for 150 has_box
import -window root "$shots/nappo-warning.png"
e2e_check "no manager runs behind the warning" grep -q "manager=0" <<<"$(nappo_state)"
xdotool key --window "$(box_window)" Return 2>/dev/null
# With a window manager the box has the focus, and xdotool presses the key through the server;
# the box gone, the release goes to it as an event, and the server would keep Return held down.
xdotool keyup Return
wait_for 50 not_running "$warn_pid" || { xdotool windowclose "$(box_window)" 2>/dev/null; wait_for 50 not_running "$warn_pid"; }
e2e_check "the warning's OK ends the program" not_running "$warn_pid"
e2e_check "and it wrote nothing" test ! -e "$dir/Nappo.Ini"

# --- "/d": the hidden manager
wine "$dir/Nappo.exe" /d >"$dir/wine.log" 2>&1 </dev/null &
E2E_PID=$!
e2e_check "Nappo.exe /d runs a manager" wait_for 100 manager_up
e2e_check "hidden top-level window TfrmNappo, no status window" \
    grep -q "manager=1 toplevel=1 visible=0 status=0" <<<"$(nappo_state)"

# A second start without arguments changes nothing.
timeout 20 wine "$dir/Nappo.exe" >/dev/null 2>&1 </dev/null
e2e_check "a second start without arguments shows nothing" grep -q "status=0" <<<"$(nappo_state)"
e2e_check "the first copy still runs" running "$E2E_PID"

# A second "/d" brings up the status window.
timeout 20 wine "$dir/Nappo.exe" /d >/dev/null 2>&1 </dev/null
e2e_check "a second start with /d shows the status window" wait_for 30 status_up
status_win=$(xdotool search --name 'スクリーンセーバーマネージャ' 2>/dev/null | head -1)
e2e_check "the status window's caption" test -n "$status_win"

# Input resets the idle time: a mouse move and a key press in the status window...
e2e_check "idle time grows without input" wait_for 60 idle_above 2500
import -window root "$shots/nappo-status-idle.png"
xdotool mousemove --window "$status_win" 40 40 2>/dev/null
e2e_check "a mouse move resets it" wait_for 20 idle_below 1500
import -window root "$shots/nappo-status.png"
e2e_check "idle time grows again" wait_for 60 idle_above 2500
xdotool key --window "$status_win" shift 2>/dev/null
xdotool keyup shift
e2e_check "a key press resets it" wait_for 20 idle_below 1500

# ...and typing into another program's window.
wine notepad >"$dir/notepad.log" 2>&1 </dev/null &
notepad_pid=$!
notepad_win=""
for _ in $(seq 100); do
    notepad_win=$(xdotool search --name 'Notepad' 2>/dev/null | head -1)
    [ -n "$notepad_win" ] && break
    sleep 0.1
done
e2e_check "another program's window opened" test -n "$notepad_win"
e2e_check "idle time grows while nothing happens" wait_for 60 idle_above 2500
xdotool windowactivate --sync "$notepad_win" 2>/dev/null || xdotool windowfocus "$notepad_win" 2>/dev/null
xdotool type --window "$notepad_win" --delay 50 "nappo" 2>/dev/null
e2e_check "typing into the other window resets it" wait_for 20 idle_below 1500
import -window root "$shots/nappo-notepad.png"
kill "$notepad_pid" 2>/dev/null
notepad_gone() { not_running "$notepad_pid" && [ -z "$(xdotool search --name 'Notepad' 2>/dev/null)" ]; }
# It covers the status window, which the next steps click.
e2e_check "the other program ended" wait_for 100 notepad_gone

# "/e" from a second copy ends the manager within a second. The status window is put away
# first with its OK (Enter): on a display without a window manager Wine waits two seconds for
# a shown window to be withdrawn, in whichever step hides it.
xdotool mousemove --window "$status_win" 160 100 click 1 2>/dev/null # activates it
sleep 0.5
xdotool key Return 2>/dev/null
e2e_check "Enter (OK) hides the status window" wait_for 50 status_down
sleep 2.5
start=$(date +%s%N)
timeout 20 wine "$dir/Nappo.exe" /e >/dev/null 2>&1 </dev/null
sent=$(date +%s%N)
wait_for 30 not_running "$E2E_PID"
ended=$(date +%s%N)
e2e_check "/e ended the manager ($(( (ended - sent) / 1000000 )) ms after the second copy, $(( (ended - start) / 1000000 )) ms in all)" \
    test $(( (ended - sent) / 1000000 )) -lt 1000 -a "$(grep -c manager=0 <<<"$(nappo_state)")" -eq 1
e2e_check "Nappo.Ini holds only UseDll" test "$(cat "$dir/Nappo.Ini")" = "$(printf '[General]\r\nUseDll=1\r')"

# A start after the end installs the hook again.
wine "$dir/Nappo.exe" /d >"$dir/wine2.log" 2>&1 </dev/null &
E2E_PID=$!
wait_for 100 manager_up
timeout 20 wine "$dir/Nappo.exe" /show >/dev/null 2>&1 </dev/null
status_win=$(xdotool search --name 'スクリーンセーバーマネージャ' 2>/dev/null | head -1)
wait_for 60 idle_above 2500
xdotool mousemove --window "$status_win" 60 60 2>/dev/null
e2e_check "the next manager's hook sees input again" wait_for 20 idle_below 1500
# The status window's keys: Escape hides it, Alt+C (終了) ends the manager.
xdotool mousemove --window "$status_win" 160 100 click 1 2>/dev/null
sleep 0.5
xdotool key Escape 2>/dev/null
e2e_check "Escape hides the status window" wait_for 50 status_down
sleep 2.5
timeout 20 wine "$dir/Nappo.exe" /E >/dev/null 2>&1 </dev/null
e2e_check "/E (any case) ends it too" wait_for 30 not_running "$E2E_PID"

wine "$dir/Nappo.exe" /d >"$dir/wine3.log" 2>&1 </dev/null &
E2E_PID=$!
wait_for 100 manager_up
timeout 20 wine "$dir/Nappo.exe" /d >/dev/null 2>&1 </dev/null
wait_for 30 status_up
status_win=$(xdotool search --name 'スクリーンセーバーマネージャ' 2>/dev/null | head -1)
xdotool mousemove --window "$status_win" 160 100 click 1 2>/dev/null
sleep 0.5
xdotool key alt+c 2>/dev/null
e2e_check "Alt+C (終了) ends the manager" wait_for 60 not_running "$E2E_PID"

# Without its library the manager does not start.
nodll=$(mktemp -d /tmp/nappo-e2e.XXXXXX)
cp "$E2E_ROOT/build/win/Nappo.exe" "$nodll/"
timeout 20 wine "$nodll/Nappo.exe" /d >"$nodll/wine.log" 2>&1 </dev/null
rc=$?
e2e_check "without Nappo.dll it fails to start (exit $rc)" test "$rc" -ne 0 -a "$rc" -ne 124
e2e_check "and no manager runs" grep -q "manager=0" <<<"$(nappo_state)"

running "$E2E_PID" && kill "$E2E_PID" 2>/dev/null
rm -rf "$dir" "$nodll"
[ "$E2E_FAILS" -eq 0 ]
