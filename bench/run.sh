#!/usr/bin/env bash
# Builds and runs the temp-files benchmark under Wine (argument: rounds, default 1) in the
# build folder's own prefix and sandbox, then times a native "rm -rf" of an identical tree for scale.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target brisvane_bench_temp

build="$root/build/windows"
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all
sandbox="$build/sandbox"
mkdir -p "$sandbox"
wineserver -p >/dev/null 2>&1 </dev/null || true
wineboot -i >/dev/null 2>&1 </dev/null || true

"$build/wine-run.sh" "$build/brisvane_bench_temp.exe" "${1:-1}" native </dev/null
native="$sandbox/bench-temp/native"
start=$(date +%s.%N)
rm -rf "$native"
end=$(date +%s.%N)
awk -v s="$start" -v e="$end" 'BEGIN { printf "native rm -rf        %8.2f s  (for scale)\n", e - s }'


# Cookie cleaning of both browser families against a minimal delete loop and a whole-file copy.
cmake --build --preset windows -j2 --target brisvane_bench_cookies
"$build/wine-run.sh" "$build/brisvane_bench_cookies.exe" "${1:-1}" </dev/null

# The Internet Explorer cache clean against the minimal loop (same rounds).
cmake --build --preset windows -j2 --target brisvane_bench_cache
"$build/wine-run.sh" "$build/brisvane_bench_cache.exe" "${1:-1}" </dev/null
