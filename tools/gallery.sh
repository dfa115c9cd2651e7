#!/usr/bin/env bash
# Renders the face gallery under Wine and converts it to build/gallery.png.
# Usage: tools/gallery.sh [tile size]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine_env.sh
source tools/xvfb.sh
vistrel_start_xvfb
trap vistrel_stop_xvfb EXIT
timeout 300 wine build/win/gallery_win.exe 'build\gallery.bmp' "${1:-160}" </dev/null >build/gallery.log 2>&1 \
    || { cat build/gallery.log; exit 1; }
cat build/gallery.log
convert build/gallery.bmp build/gallery.png
echo "build/gallery.png"
