#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer, UBSan) and runs each for a
# bounded time on its seed corpus and what earlier runs found. Exits non-zero on any finding
# (crash, sanitizer report, failed property, leak, hang) or when a target cannot run.
#   tests/fuzz/run.sh [seconds per target, 20 by default] [target...]
# A longer run on demand, for example an hour of the flag texts:
#   tests/fuzz/run.sh 3600 FlagTextFuzz
# The corpus grows in build/fuzz/corpus/<target>; findings go to build/fuzz/findings/<target>
# and are replayed with: build/fuzz/<target> <finding file>
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-20}
shift || true

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" >/dev/null
build=build/fuzz
if [ $# -gt 0 ]; then targets=("$@"); else mapfile -t targets <"$build/fuzz-targets.txt"; fi

run_target() {  # <target>: runs it, prints its executions per second; status 1 on a finding
    local target=$1 seeds=tests/fuzz/seeds/$1
    local corpus=$build/corpus/$target findings=$build/findings/$target log=$build/logs/$target.log
    [ -d "$seeds" ] || { echo "$target: no seed corpus in $seeds"; return 1; }
    mkdir -p "$corpus" "$findings" "$(dirname "$log")"
    if ! "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=4096 -print_final_stats=1 -artifact_prefix="$findings/" \
        "$corpus" "$seeds" >"$log" 2>&1; then
        echo "$target: FINDING (log $log, inputs in $findings)"
        grep -E "ERROR|property failed|runtime error|Test unit written" "$log" | head -20
        return 1
    fi
    local runs rate
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    echo "$target: no finding in ${seconds} s, ${runs:-?} executions (${rate:-?} per second)," \
        "corpus $(find "$corpus" -type f | wc -l) inputs"
}

status=0
for target in "${targets[@]}"; do
    run_target "$target" || status=1
done
exit $status
