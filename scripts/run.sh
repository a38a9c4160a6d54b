#!/usr/bin/env bash
# Sets up, builds Brisvane, assembles dist/ and starts Brisvane.exe under Wine in the user's
# default Wine prefix. Without an X display it starts Xvfb itself, saves a screenshot of the
# main window and says where it is.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/setup.sh

cmake --preset windows >/dev/null
cmake --build --preset windows --target Brisvane -j "$(nproc)"
rm -rf dist && mkdir -p dist
cp build/windows/Brisvane.exe dist/
[ -f build/windows/Brisvane.dll ] && cp build/windows/Brisvane.dll dist/
if [ -d userguide ] && ls userguide/*.htm >/dev/null 2>&1; then
    mkdir -p dist/UserGuide && cp -r userguide/. dist/UserGuide/
fi
mkdir -p dist/Policies/en-US
cp policies/Brisvane.admx dist/Policies/
cp policies/en-US/Brisvane.adml dist/Policies/en-US/
echo "Built $root/dist/Brisvane.exe"

export WINEDEBUG=-all
# Wine's caption buttons need its Marlett font, which a new prefix does not always find.
prefix="${WINEPREFIX:-$HOME/.wine}"
[ -f "$prefix/system.reg" ] || { echo "Creating the Wine prefix $prefix..."; wineboot -i >/dev/null 2>&1 </dev/null || true; }
fonts="$prefix/drive_c/windows/Fonts"
if [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
fi
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec /usr/lib/wine/wine64 "$root/dist/Brisvane.exe" "$@"
fi

source scripts/xvfb.sh
start_xvfb
trap stop_xvfb EXIT
# A Wine virtual desktop draws the window frames, which a bare X server has no manager for.
/usr/lib/wine/wine64 explorer /desktop=Brisvane,1280x900 "$root/dist/Brisvane.exe" "$@" &
program=$!
shot="$root/dist/screenshot-main.png"
for _ in $(seq 1 60); do
    if xdotool search --name "Wine desktop" >/dev/null 2>&1; then break; fi
    sleep 1
done
sleep 5
import -window root "$shot"
echo "Brisvane is running on the virtual display $DISPLAY; screenshot of the main window: $shot"
echo "Press Ctrl+C to stop it."
wait $program
