#!/usr/bin/env bash
# Mounts a 512 KiB tmpfs, maps it as drive X: of the test prefix and runs the full-disk case of
# the Windows tests on it: every rewrite that cannot complete there must keep its original.
# The drive and the mount are removed at the end, also when a check fails. Needs root to mount;
# without the right to mount, says "skipped" and passes.
# Usage: run.sh <brisvane_windows_tests.exe> <build folder>
set -uo pipefail
tests=$1
build=$2
export WINEPREFIX=${BRISVANE_WINEPREFIX:-$build/wineprefix}
disk=$build/fulldisk-mount
drive=$WINEPREFIX/dosdevices/x:

if [ -e "$drive" ] || [ -L "$drive" ]; then
    echo "drive X: of $WINEPREFIX is in use already: $(readlink "$drive")" >&2
    exit 1
fi
mkdir -p "$disk" "$WINEPREFIX/dosdevices" || exit 1
cleanup() {
    rm -f "$drive"
    mountpoint -q "$disk" && umount "$disk"
    rmdir "$disk" 2>/dev/null
}
trap cleanup EXIT

if ! error=$(mount -t tmpfs -o size=512k tmpfs "$disk" 2>&1); then
    if [ "$(id -u)" != 0 ] || grep -qiE 'permission|not permitted|only root' <<<"$error"; then
        echo "skipped: the full-disk test cannot mount a tmpfs here: $error"
        exit 0
    fi
    echo "mount failed: $error" >&2
    exit 1
fi
ln -s "$disk" "$drive" || exit 1

BRISVANE_FULL_DISK='X:' "$build/wine-run.sh" "$tests" --gtest_filter='FullDiskTest.*' 2>&1 \
    | tee "$build/fulldisk.log"
status=${PIPESTATUS[0]}
# The case must have run, not skipped: a skip here means the drive was not seen.
if ! grep -q '^\[  PASSED  \] 1 test' "$build/fulldisk.log" ||
    grep -q '^\[  SKIPPED \]' "$build/fulldisk.log"; then
    echo "the full-disk case did not run and pass" >&2
    status=1
fi
rm -f "$build/fulldisk.log"
exit "$status"
