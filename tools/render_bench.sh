#!/usr/bin/env bash
# Runs the render benchmark under Wine. Usage: tools/render_bench.sh [rounds]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine_env.sh
source tools/xvfb.sh
vistrel_start_xvfb
trap vistrel_stop_xvfb EXIT
timeout 600 wine build/win/render_bench_win.exe "${1:-301}" </dev/null >build/render_bench.log 2>&1 \
    || { cat build/render_bench.log; exit 1; }
cat build/render_bench.log
