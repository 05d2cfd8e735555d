#!/usr/bin/env bash
# Starts the keyboard under Wine beside notepad: on $DISPLAY when there is one, otherwise on a private
# Xvfb display, where it takes a screenshot and stops again.
# Usage: run.sh BUILD_DIR
set -u
build=$(realpath "$1")
. "$(dirname "$0")/wine-env.sh"
export wine wineserver
export WINEPREFIX="$build/wine/run-prefix"
[ -d "$WINEPREFIX" ] || make_prefix "$WINEPREFIX"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1 || { [ -n "${DISPLAY:-}" ] && xdotool getmouselocation >/dev/null 2>&1; }; then
    "$wine" notepad &
    sleep 2
    exec "$wine" "$build/bin/Tilfay.exe"
fi

screenshot="$build/screenshot.png"
here=$(dirname "$0")
"$here/with-display.sh" bash -c '
    "$wine" notepad & notepad=$!
    timeout 30 xdotool search --sync --onlyvisible --name Notepad >/dev/null
    "$wine" "$1/bin/Tilfay.exe" & keyboard=$!
    # The 32-bit build takes minutes to start where it runs emulated.
    timeout 600 xdotool search --sync --onlyvisible --name "^Tilfay$" >/dev/null
    sleep 1
    xwd -root -silent | /usr/bin/convert xwd:- "$2"
    "$wineserver" -k
    wait $notepad $keyboard 2>/dev/null
' run "$build" "$screenshot"
echo "No display: the keyboard ran on a private one; screenshot in $screenshot"
