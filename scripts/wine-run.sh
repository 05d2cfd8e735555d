#!/usr/bin/env bash
# Runs one Windows program under Wine in a fresh copy of a template prefix, so that each run starts
# with its own Windows directory (the settings file lives there), then ends every process of that copy.
# Usage: wine-run.sh WINE_ROOT PROGRAM [ARGS...]
set -u
root=$(realpath -m "$1")
shift
. "$(dirname "$0")/wine-env.sh"
template="$root/template"
mkdir -p "$root"

make_template() {
    [ -f "$template/.ready" ] && return
    rm -rf "$template"
    make_prefix "$template" || exit 1
    # Without a window manager Wine stalls ~2 s whenever an active window hides; unmanaged windows do not.
    WINEPREFIX="$template" "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    WINEPREFIX="$template" "$wineserver" -w
    touch "$template/.ready"
}
export -f make_template make_prefix
export template wine wineserver
flock "$root/template.lock" bash -c make_template || exit 1

prefix=$(mktemp -d "$root/run.XXXXXX")
big=(drive_c/windows/system32 drive_c/windows/syswow64 drive_c/windows/winsxs)
tar -C "$template" "${big[@]/#/--exclude=./}" -cf - . | tar -C "$prefix" -xf -
for dir in "${big[@]}"; do
    cp -al "$template/$dir" "$prefix/$dir"
done

export WINEPREFIX="$prefix"
"$wine" "$@"
status=$?
"$wineserver" -k 2>/dev/null
"$wineserver" -w 2>/dev/null
rm -rf "$prefix"
exit $status
