#!/usr/bin/env bash
# Runs scripts/run.sh as `make run` does on a fresh clone: from a build tree with no wine folder yet, on a
# private display. The screenshot must show the keyboard in the bottom-right corner: its navy caption bar,
# ten pixels high, ends at the screen's right edge in the lower half, and the frame reaches the corner.
# With LIBRARY_SECONDS, the same tree without Tilmhk32.dll must end within that time naming code -101.
# Usage: run_test.sh BIN_DIR SCRATCH_TREE SECONDS [LIBRARY_SECONDS]
set -uo pipefail
run=$(dirname "$0")/../../scripts/run.sh
bin=$(realpath "$1")
tree=$2
fail() {
    echo "FAILED: $*" >&2
    exit 1
}
rm -rf "$tree"
mkdir -p "$tree"
trap 'rm -rf "$tree/wine"' EXIT
ln -s "$bin" "$tree/bin"
env -u DISPLAY timeout "$3" "$run" "$tree" || fail "run.sh ended with status $?"

shot="$tree/screenshot.png"
[ -f "$shot" ] || fail "no screenshot"
IFS='x+ ' read -r width height x y screen_width screen_height \
    < <(convert "$shot" -fill white +opaque '#000080' -format '%@ %w %h' info:)
echo "navy caption ${width}x${height} at ($x, $y) on a ${screen_width}x${screen_height} screen"
[ "$height" -eq 10 ] && [ "$width" -ge 100 ] || fail "no caption bar of ten pixels"
[ $((x + width)) -ge $((screen_width - 20)) ] && [ "$y" -ge $((screen_height / 2)) ] ||
    fail "the caption bar is not at the bottom-right corner"
corner=$(convert "$shot" -crop "1x1+$((screen_width - 3))+$((screen_height - 3))" -format '%[mean]' info:)
[ "${corner%.*}" -gt 0 ] || fail "the keyboard does not reach the screen's corner"

[ $# -ge 4 ] || exit 0
rm "$tree/bin"
cp -r "$bin" "$tree/bin"
rm "$tree/bin/Tilmhk32.dll"
output=$(env -u DISPLAY timeout "$4" "$run" "$tree" 2>&1) && fail "run.sh succeeded without Tilmhk32.dll"
echo "$output"
grep -q "exit code -101 " <<<"$output" || fail "run.sh did not name exit code -101 within $4 s"
