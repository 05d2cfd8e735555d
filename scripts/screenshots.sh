#!/usr/bin/env bash
# Takes a screenshot of the keyboard in each of its five sizes under Wine, into docs/size-NAME.png.
# Usage: screenshots.sh BUILD_DIR
set -eu
build=$(realpath "$1")
docs=$(realpath "$(dirname "$0")/../docs")
. "$(dirname "$0")/wine-env.sh"
export wine wineserver
export WINEPREFIX="$build/wine/screenshots"
[ -d "$WINEPREFIX" ] || make_prefix "$WINEPREFIX"

"$(dirname "$0")/with-display.sh" bash -c '
    for size in Tiny Small Medium Large Huge; do
        printf "[Tilfay]\r\nSize=%s\r\nFunction keys=Y\r\n" "$size" > "$WINEPREFIX/drive_c/windows/Tilfay.ini"
        "$wine" "$1/bin/Tilfay.exe" & keyboard=$!
        window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Tilfay$" | head -1)
        sleep 2
        eval "$(xdotool getwindowgeometry --shell "$window")"
        xwd -root -silent | /usr/bin/convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2/size-$size.png"
        "$wineserver" -k
        wait $keyboard 2>/dev/null || true
    done
' shots "$build" "$docs"
