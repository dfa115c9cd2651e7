#!/usr/bin/env bash
# The SNTP client against a real NTP server on 127.0.0.1. chronyd is unpacked from its Debian
# package into build/ (never installed: the package would start a service that steers this
# machine's clock) and runs only as this script's child, with -x (it never touches the system
# clock), no upstream servers (it sends nothing anywhere) and its own config and run folder.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/wine_env.sh

dir="$PWD/build/chrony"
chronyd="$dir/root/usr/sbin/chronyd"
if [ ! -x "$chronyd" ]; then
    mkdir -p "$dir"
    rm -f "$dir"/chrony_*.deb
    fetch() { (cd "$dir" && apt-get download chrony >/dev/null 2>&1); }
    # A fresh machine may not have the package lists yet.
    fetch || { apt-get update -qq >/dev/null 2>&1 && fetch; }
    dpkg-deb -x "$dir"/chrony_*.deb "$dir/root"
fi

run="$dir/run.$$"
mkdir -p "$run"
port=$((20000 + $$ % 20000))
unsync_port=$((port + 1))
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
    rm -rf "$run"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# One server that serves its own clock as stratum 10, and one without that line: it has no
# time source, so it answers "unsynchronised" (leap indicator 3, stratum 0).
start_chronyd() { # name, port, extra config line
    local name="$1" p="$2"
    cat >"$run/$name.conf" <<CONF
$3
bindaddress 127.0.0.1
allow 127.0.0.1
port $p
cmdport 0
user root
pidfile $run/$name.pid
CONF
    "$chronyd" -x -d -f "$run/$name.conf" >"$run/$name.log" 2>&1 </dev/null &
    local pid=$!
    pids+=("$pid")
    for _ in $(seq 50); do
        ss -uln 2>/dev/null | grep -q "127.0.0.1:$p " && return 0
        kill -0 "$pid" 2>/dev/null || { cat "$run/$name.log"; exit 1; }
        sleep 0.1
    done
}
start_chronyd served "$port" "local stratum 10"
start_chronyd unsynced "$unsync_port" ""

out="$run/tests.log"
rc=0
VISTREL_CHRONY_PORT=$port VISTREL_CHRONY_UNSYNC_PORT=$unsync_port timeout 120 wine build/win/vistrel_tests.exe \
    --gtest_filter='ChronyLoopback.*' >"$out" 2>&1 </dev/null || rc=$?
cat "$out"
grep -q '\[  SKIPPED \]' "$out" && { echo "the tests did not see the server"; exit 1; }
exit "$rc"
