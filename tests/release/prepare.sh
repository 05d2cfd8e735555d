#!/usr/bin/env bash
# Prepares the release tests: copies the release files that make dist made, unpacks the zip, and makes the
# same package of this build's 64-bit files, which can start here. Usage: prepare.sh DIST_DIR BUILD_TREE
set -euo pipefail
dist=$1
tree=$2
work="$tree/release"
rm -rf "$work"
mkdir -p "$work/dist" "$work/unpacked"
cp "$dist"/Tilfay-*-win32.zip "$dist"/Tilfay-*.msi "$work/dist/"
unzip -q "$work"/dist/Tilfay-*-win32.zip -d "$work/unpacked"
"$(dirname "$0")/../../scripts/dist.sh" "$tree" "$work/x64" >/dev/null
