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
cat >"$run/chrony.conf" <<CONF
local stratum 10
bindaddress 127.0.0.1
allow 127.0.0.1
port $port
cmdport 0
user root
pidfile $run/chronyd.pid
CONF

"$chronyd" -x -d -f "$run/chrony.conf" >"$run/chronyd.log" 2>&1 </dev/null &
chronyd_pid=$!
cleanup() {
    kill "$chronyd_pid" 2>/dev/null || true
    wait "$chronyd_pid" 2>/dev/null || true
    rm -rf "$run"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

for _ in $(seq 50); do
    ss -uln 2>/dev/null | grep -q "127.0.0.1:$port " && break
    kill -0 "$chronyd_pid" 2>/dev/null || { cat "$run/chronyd.log"; exit 1; }
    sleep 0.1
done

out="$run/tests.log"
rc=0
VISTREL_CHRONY_PORT=$port timeout 120 wine build/win/vistrel_tests.exe \
    --gtest_filter='ChronyLoopback.*' >"$out" 2>&1 </dev/null || rc=$?
cat "$out"
grep -q '\[  SKIPPED \]' "$out" && { echo "the tests did not see the server"; exit 1; }
exit "$rc"
