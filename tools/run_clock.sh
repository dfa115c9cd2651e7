#!/usr/bin/env bash
# Starts the clock under Wine. On a real display it runs until closed; with no display it
# runs on a virtual one for a few seconds and leaves a screenshot.
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/wine_env.sh
source tools/xvfb.sh

run_dir=build/run
mkdir -p "$run_dir"
# The help pages live beside the program; a stale copy would hide removed pages.
rm -rf "$run_dir/help"
cp -r build/win/help "$run_dir/"
cp build/win/Vistrel.exe build/win/Nappo.exe build/win/Nappo.dll "$run_dir/"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec wine "$run_dir/Vistrel.exe" "$@"
fi

VISTREL_SCREEN=1024x768x24 vistrel_start_xvfb || exit 1
# A coloured desktop, so that the see-through parts of the face can be seen.
source tools/desktop.sh
vistrel_paint_desktop '#3a6ea5'
wine "$run_dir/Vistrel.exe" "$@" >build/run/wine.log 2>&1 &
sleep "${VISTREL_RUN_SECONDS:-6}"
shot="$PWD/build/screenshot.png"
import -window root "$shot"
echo "Screenshot of the running clock: $shot"
wineserver -k >/dev/null 2>&1
vistrel_stop_xvfb
