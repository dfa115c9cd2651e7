#!/usr/bin/env bash
# Measures the processor time of the running clock (its process plus Wine's server) next to
# X.org's xclock with a second hand, on the same virtual display for the same time.
#   tools/cpu_compare.sh [seconds] [second hand: 1 (default) or 0]
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/wine_env.sh
source tools/xvfb.sh
seconds="${1:-60}"
second_hand="${2:-1}"

ticks() { # utime + stime of a process, in clock ticks
    awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0
}

dir=$(mktemp -d /tmp/vistrel-cpu.XXXXXX)
cp build/win/Vistrel.exe "$dir/"
printf '[Common]\r\nMultiUser=0\r\nVer=202\r\nSNeedle=%s\r\n' "$second_hand" >"$dir/Vistrel.Ini"

vistrel_start_xvfb
wineserver -k 2>/dev/null; wineserver -p >/dev/null 2>&1; wineboot >/dev/null 2>&1 </dev/null
sleep 3
server_pid=$(vistrel_pid_of 'wineserver')
b0=$(ticks "$server_pid")
sleep "$seconds"
idle=$(( $(ticks "$server_pid") - b0 ))
wine "$dir/Vistrel.exe" >"$dir/wine.log" 2>&1 </dev/null &
xclock -update 1 -geometry 133x133+0+0 >/dev/null 2>&1 &
xclock_pid=$!
sleep 5 # let both settle; start-up is not what is measured
clock_pid=$(vistrel_pid_of 'Vistrel.exe' )
c0=$(ticks "$clock_pid"); s0=$(ticks "$server_pid"); x0=$(ticks "$xclock_pid")
sleep "$seconds"
c1=$(ticks "$clock_pid"); s1=$(ticks "$server_pid"); x1=$(ticks "$xclock_pid")
hz=$(getconf CLK_TCK)
awk -v c=$((c1 - c0)) -v s=$((s1 - s0)) -v x=$((x1 - x0)) -v i="$idle" -v hz="$hz" \
    -v t="$seconds" 'BEGIN {
    printf "over %d s: Vistrel %.2f s + wineserver %.2f s (of which %.2f s with no clock running) = %.2f s; xclock %.2f s\n",
        t, c / hz, s / hz, i / hz, (c + s) / hz, x / hz }'
kill "$xclock_pid" 2>/dev/null
wineserver -k 2>/dev/null
vistrel_stop_xvfb
rm -rf "$dir"
