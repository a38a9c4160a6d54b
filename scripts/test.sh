#!/usr/bin/env bash
# Sets up, builds both presets (the installer too) and runs every test: the fuzz targets for
# 20 s each, the native tests under the sanitizers and the Windows ones under Wine (in the
# build folder's own prefix, with one persistent wine server for the run and a virtual display
# for the windows; the installer's test makes a prefix of its own). Exits non-zero on any
# failure.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/setup.sh
jobs=$(nproc)

cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"

status=0
echo "== Formatting (.clang-format)"
bash scripts/check-format.sh || status=1
echo "== Fuzzing (20 s per target)"
bash tests/fuzz/run.sh 20 || status=1

source scripts/xvfb.sh
export WINEPREFIX="$root/build/windows/wineprefix"
export WINEDEBUG=-all
cleanup() {
    WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null || true
    stop_xvfb
}
trap cleanup EXIT
start_xvfb
[ -f "$WINEPREFIX/system.reg" ] || echo "Creating the test Wine prefix..."
# The virtual display has no window manager: Wine draws every window of the test prefix
# itself, so showing or destroying one does not wait for a manager that never answers.
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
    >/dev/null 2>&1 </dev/null || true
# Wine's caption buttons need its Marlett font, which a new prefix does not always find.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
[ -f "$fonts/marlett.ttf" ] || cp /usr/share/wine/fonts/marlett.ttf "$fonts/" || true
# One persistent server for the whole run, started afresh so that Wine's desktop process
# takes the settings above. Its background services start now, with no terminal output
# attached: processes that a test started would otherwise keep ctest's output pipe open.
wineserver -k 2>/dev/null || true
wineserver -p || true
wineboot -i >/dev/null 2>&1 </dev/null || true

echo "== Native tests"
ctest --preset native -j "$jobs" || status=1
echo "== Windows tests (under Wine)"
ctest --preset windows || status=1
exit $status
