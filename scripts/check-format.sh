#!/usr/bin/env bash
# Checks that every C and C++ source the repository tracks matches .clang-format; names the
# files that do not and exits non-zero. `bash scripts/check-format.sh --fix` formats them.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- '*.c' '*.cpp' '*.h' '*.hpp')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2>/dev/null; then
    echo "These files do not match .clang-format (bash scripts/check-format.sh --fix):" >&2
    clang-format --dry-run "${files[@]}" 2>&1 | grep -o '^[^:]*:[0-9]*:[0-9]*: warning' |
        cut -d: -f1 | sort -u >&2
    exit 1
fi
echo "Formatting: ${#files[@]} files match .clang-format"
