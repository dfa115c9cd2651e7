#!/usr/bin/env bash
# Measures the processor time and wake-ups of the running screen saver manager (Nappo.exe /d,
# hook mode, no input) next to the running clock, on one virtual display for the same time. A
# wake-up shows as a few voluntary sleeps of the process (Wine's message wait talks to its
# server), so "sleeps/s" is a few times the wake-ups a second.
#   tools/nappo_cpu.sh [seconds]
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/wine_env.sh
source tools/xvfb.sh
seconds="${1:-60}"

ticks() { # utime + stime of a process and all its threads, in clock ticks
    awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0
}
switches() { # times the threads of a process went to sleep by themselves (not preempted)
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '/^voluntary_ctxt_switches/ {n += $2} END {print n + 0}'
}

dir=$(mktemp -d /tmp/nappo-cpu.XXXXXX)
cp build/win/Nappo.exe build/win/Nappo.dll build/win/Vistrel.exe "$dir/"
printf '[Common]\r\nMultiUser=0\r\nVer=202\r\n' >"$dir/Vistrel.Ini"

vistrel_start_xvfb
wineserver -k 2>/dev/null; wineserver -p >/dev/null 2>&1; wineboot >/dev/null 2>&1 </dev/null
wine "$dir/Nappo.exe" /d >"$dir/nappo.log" 2>&1 </dev/null &
wine "$dir/Vistrel.exe" >"$dir/wine.log" 2>&1 </dev/null &
sleep 5 # start-up is not what is measured
nappo_pid=$(vistrel_pid_of 'Nappo.exe')
clock_pid=$(vistrel_pid_of 'Vistrel.exe')
server_pid=$(vistrel_pid_of 'wineserver')
n0=$(ticks "$nappo_pid"); c0=$(ticks "$clock_pid"); s0=$(ticks "$server_pid")
w0=$(switches "$nappo_pid"); v0=$(switches "$clock_pid")
sleep "$seconds"
n1=$(ticks "$nappo_pid"); c1=$(ticks "$clock_pid"); s1=$(ticks "$server_pid")
w1=$(switches "$nappo_pid"); v1=$(switches "$clock_pid")
hz=$(getconf CLK_TCK)
awk -v n=$((n1 - n0)) -v c=$((c1 - c0)) -v s=$((s1 - s0)) -v w=$((w1 - w0)) -v v=$((v1 - v0)) \
    -v hz="$hz" -v t="$seconds" 'BEGIN {
    printf "over %d s: Nappo %.2f s (%.1f sleeps/s), Vistrel %.2f s (%.1f sleeps/s), wineserver for both %.2f s\n",
        t, n / hz, w / t, c / hz, v / t, s / hz }'
wine "$dir/Nappo.exe" /e >/dev/null 2>&1 </dev/null
wineserver -k 2>/dev/null
vistrel_stop_xvfb
rm -rf "$dir"
