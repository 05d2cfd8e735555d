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

# Hands-free selection in notepad: the pointer resting on the a key with the fill part-way, and the scan
# highlight after one press of the Space switch, copied from the screen as the programs see it (the X server's
# own picture shows the overlays black); in the Standard look, then in the System look in a prefix
# whose colours are Windows' High Contrast Black, with the keyboard itself shown there with shift latched (the
# medium keyboard's shift key is 24, 116 pixels from the frame's corner).
hands_free() {
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
            picture=$(mktemp --suffix=.bmp)
            "$wine" "$3/tests/screencopy.exe" "$X" "$Y" "$WIDTH" "$HEIGHT" "Z:$picture"
            /usr/bin/convert "$picture" "$4/$5"
            rm -f "$picture"
            "$wineserver" -k
            wait $keyboard $notepad 2>/dev/null || true
        }
        shoot "$4Select Keys=Hover\r\nHover Time=3000\r\n" "xdotool mousemove \$((X + 170)) \$((Y + 49)); sleep 2" \
            "$1" "$2" "hover$3.png"
        shoot "$4Select Keys=Scan\r\nScan Time=3000\r\n" "xdotool key space; sleep 1" "$1" "$2" "scan$3.png"
        [ -z "$3" ] || shoot "$4" "xdotool mousemove \$((X + 24)) \$((Y + 116)) click 1 mousemove 100 100; sleep 1" \
            "$1" "$2" "system.png"
    ' shots "$build" "$docs" "$1" "$2"
}
hands_free "" ""

export WINEPREFIX="$build/wine/screenshots-contrast"
[ -d "$WINEPREFIX" ] || make_prefix "$WINEPREFIX"
for colour in "Window 0 0 0" "WindowText 255 255 255" "ButtonFace 0 0 0" "ButtonText 255 255 255" \
    "Hilight 26 235 255" "HilightText 0 0 0" "GrayText 63 242 63"; do
    set -- $colour
    "$wine" reg add "HKCU\\Control Panel\\Colors" /v "$1" /d "$2 $3 $4" /f >/dev/null
done
"$wineserver" -w
hands_free -system "Colors=System\r\n"
export WINEPREFIX="$build/wine/screenshots"

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
