#!/usr/bin/env bash
# Takes a screenshot of the keyboard in each of its five sizes under Wine, into docs/size-NAME.png, and one of
# the popup of a held a's forms, into docs/forms.png, of hover and scan selection, into docs/hover.png and
# docs/scan.png, of a stroke's trail and the strip after it, into docs/stroke.png, and of the options dialog,
# into docs/options.png.
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

# The medium keyboard types into notepad; a press held on its a key (170, 49 pixels from the frame's corner)
# opens the forms, which are taken with the keyboard below them.
"$(dirname "$0")/with-display.sh" bash -c '
    printf "[Tilfay]\r\nSize=Medium\r\n" > "$WINEPREFIX/drive_c/windows/Tilfay.ini"
    "$wine" notepad & notepad=$!
    timeout 30 xdotool search --sync --onlyvisible --name "Notepad" >/dev/null
    "$wine" "$1/bin/Tilfay.exe" & keyboard=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Tilfay$" | head -1)
    sleep 2
    xdotool mousemove 100 100 click 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 170)) $((Y + 49)) mousedown 1
    sleep 2
    xwd -root -silent | /usr/bin/convert xwd:- -crop "${WIDTH}x$((HEIGHT + 70))+${X}+$((Y - 70))" +repage "$2/forms.png"
    xdotool mouseup 1
    "$wineserver" -k
    wait $keyboard $notepad 2>/dev/null || true
' shots "$build" "$docs"

# Hands-free selection in notepad: the pointer resting on the a key with the fill bar part-way, and the scan's
# first group after one press of the Space switch: the letters likely to begin a sentence, each framed.
"$(dirname "$0")/with-display.sh" bash -c '
    shoot() {
        printf "[Tilfay]\r\nSize=Medium\r\n%b" "$1" > "$WINEPREFIX/drive_c/windows/Tilfay.ini"
        "$wine" notepad & notepad=$!
        timeout 30 xdotool search --sync --onlyvisible --name "Notepad" >/dev/null
        "$wine" "$3/bin/Tilfay.exe" & keyboard=$!
        window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Tilfay$" | head -1)
        sleep 2
        xdotool mousemove 100 100 click 1
        eval "$(xdotool getwindowgeometry --shell "$window")"
        eval "$2"
        xwd -root -silent | /usr/bin/convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$4/$5"
        "$wineserver" -k
        wait $keyboard $notepad 2>/dev/null || true
    }
    shoot "Select Keys=Hover\r\nHover Time=3000\r\n" "xdotool mousemove \$((X + 170)) \$((Y + 49)); sleep 2" \
        "$1" "$2" hover.png
    shoot "Select Keys=Scan\r\nScan Time=3000\r\n" "xdotool key space; sleep 1" "$1" "$2" scan.png
' shots "$build" "$docs"

# A stroke through s, h, a, p, e on the medium keyboard in notepad: its trail while the button is down, then
# the keyboard taller by the strip of the next likeliest words after the release, side by side. A key's centre
# on the panel stands (-1, 11) pixels further from the frame's corner.
"$(dirname "$0")/with-display.sh" bash -c '
    build=$1 out=$2
    printf "[Tilfay]\r\nSize=Medium\r\n" > "$WINEPREFIX/drive_c/windows/Tilfay.ini"
    "$wine" notepad & notepad=$!
    timeout 30 xdotool search --sync --onlyvisible --name "Notepad" >/dev/null
    "$wine" "$build/bin/Tilfay.exe" & keyboard=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Tilfay$" | head -1)
    sleep 2
    xdotool mousemove 100 100 click 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    trail=$(mktemp --suffix=.png) strip=$(mktemp --suffix=.png)
    set -- 171 84 143 17 171 39 171 107 143 62
    xdotool mousemove $((X + $1 - 1)) $((Y + $2 + 11)) mousedown 1
    while [ $# -ge 4 ]; do
        for step in 1 2 3 4 5 6 7 8; do
            xdotool mousemove $((X + $1 - 1 + ($3 - $1) * step / 8)) $((Y + $2 + 11 + ($4 - $2) * step / 8))
            sleep 0.02
        done
        shift 2
    done
    sleep 1
    xwd -root -silent | /usr/bin/convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$trail"
    xdotool mouseup 1
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xwd -root -silent | /usr/bin/convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$strip"
    /usr/bin/convert "$trail" -size 12x1 xc:white "$strip" -background white -gravity south +append \
        "$out/stroke.png"
    rm -f "$trail" "$strip"
    "$wineserver" -k
    wait $keyboard $notepad 2>/dev/null || true
' shots "$build" "$docs"

# The options dialog, opened by a tap on the medium keyboard's menu key (262, 26 pixels from the frame's corner).
"$(dirname "$0")/with-display.sh" bash -c '
    printf "[Tilfay]\r\nSize=Medium\r\n" > "$WINEPREFIX/drive_c/windows/Tilfay.ini"
    "$wine" "$1/bin/Tilfay.exe" & keyboard=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Tilfay$" | head -1)
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 262)) $((Y + 26)) click 1
    dialog=$(timeout 30 xdotool search --sync --onlyvisible --name "^Tilfay Keyboard Options$" | head -1)
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    xwd -root -silent | /usr/bin/convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2/options.png"
    "$wineserver" -k
    wait $keyboard 2>/dev/null || true
' shots "$build" "$docs"
