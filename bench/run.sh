#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine in the build folder's own prefix and sandbox.
# Arguments: rounds (default 1), then which: all (default), temp, cookies, cookies-ie, cookies-ns,
# cache, browser-db, firefox-db, preview.
# The temp-files benchmark also times a native "rm -rf" of an identical tree for scale.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
rounds=${1:-1}
part=${2:-all}
cmake --preset windows >/dev/null

build="$root/build/windows"
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all
sandbox="$build/sandbox"
mkdir -p "$sandbox"
wineserver -p >/dev/null 2>&1 </dev/null || true
wineboot -i >/dev/null 2>&1 </dev/null || true

if [ "$part" = all ] || [ "$part" = temp ]; then
    cmake --build --preset windows -j2 --target brisvane_bench_temp
    "$build/wine-run.sh" "$build/brisvane_bench_temp.exe" "$rounds" native </dev/null
    native="$sandbox/bench-temp/native"
    start=$(date +%s.%N)
    rm -rf "$native"
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" 'BEGIN { printf "native rm -rf        %8.2f s  (for scale)\n", e - s }'
fi

# Cookie cleaning of both browser families against a minimal delete loop and a whole-file copy.
family=""
case "$part" in
    all | cookies | cookies-ie | cookies-ns)
        [ "$part" = cookies-ie ] && family=ie
        [ "$part" = cookies-ns ] && family=ns
        cmake --build --preset windows -j2 --target brisvane_bench_cookies
        "$build/wine-run.sh" "$build/brisvane_bench_cookies.exe" "$rounds" $family </dev/null
        ;;
esac

# The Internet Explorer cache clean against the minimal loop (same rounds).
if [ "$part" = all ] || [ "$part" = cache ]; then
    cmake --build --preset windows -j2 --target brisvane_bench_cache
    "$build/wine-run.sh" "$build/brisvane_bench_cache.exe" "$rounds" </dev/null
fi

# The Chromium-family History and Cookies cleans against the same SQL run by a minimal program.
if [ "$part" = all ] || [ "$part" = browser-db ]; then
    cmake --build --preset windows -j2 --target brisvane_bench_browser_db
    "$build/wine-run.sh" "$build/brisvane_bench_browser_db.exe" "$rounds" </dev/null
fi

# The previews of the temp files and of a History database against minimal walks and counts.
if [ "$part" = all ] || [ "$part" = preview ]; then
    cmake --build --preset windows -j2 --target brisvane_bench_temp brisvane_bench_browser_db
    "$build/wine-run.sh" "$build/brisvane_bench_temp.exe" "$rounds" preview </dev/null
    "$build/wine-run.sh" "$build/brisvane_bench_browser_db.exe" "$rounds" preview </dev/null
fi

# Firefox's places.sqlite clean against the same SQL run by a minimal program.
if [ "$part" = all ] || [ "$part" = firefox-db ]; then
    cmake --build --preset windows -j2 --target brisvane_bench_firefox_db
    "$build/wine-run.sh" "$build/brisvane_bench_firefox_db.exe" "$rounds" </dev/null
fi
