#!/usr/bin/env bash
# Starts the keyboard under Wine beside notepad: on $DISPLAY when there is one, otherwise on a private
# Xvfb display, where it takes a screenshot and stops again. A keyboard that ends without its window is
# reported with its exit code and that code's name, and the status is then 1.
# Usage: run.sh BUILD_DIR
set -u
build=$(realpath -m "$1")
here=$(dirname "$0")
. "$here/wine-env.sh"
export wine wineserver
export WINEPREFIX="$build/wine/run-prefix"
if [ ! -f "$WINEPREFIX/.ready" ]; then
    rm -rf "$WINEPREFIX"
    make_prefix "$WINEPREFIX" || exit 1
    touch "$WINEPREFIX/.ready"
fi

# The shell sees the low 8 bits of a Windows exit code; the fatal errors' codes are named as in the README.
exit_code_name() {
    case $1 in
    156) echo '-100 "Requires Windows 3.5 or later"' ;;
    155) echo '-101 "Cannot load Tilmhook32.dll"' ;;
    154) echo '-102 "Cannot free Tilmhook32.dll"' ;;
    153) echo '-103 "Register failed"' ;;
    152) echo '-104 "Main window creation failed"' ;;
    151) echo '-105 "Keyboard creation failed"' ;;
    150) echo '-106 "Caption creation failed"' ;;
    *) echo "$1" ;;
    esac
}

# Making a prefix anywhere on the machine switches the emulator of 32-bit programs off for a while
# (wine-env.sh): the keyboard starts under that lock, shared, held until its loader has surely started.
hold_emulator() {
    exec 9>/tmp/tilfay-qemu-i386.lock
    flock -s -w 120 9
    (sleep 10; flock -u 9) &
}

shown() {
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1
}

snapshot() {
    xwd -root -silent | /usr/bin/convert xwd:- "$screenshot"
}

# On the private display nobody can press OK on a fatal error's box: its screenshot is taken, then Enter
# lets the keyboard end with the error's code. The frame shows before the hook library is loaded, so the
# keyboard counts as started once its frame has stayed up for a few seconds with no such box. The long wait
# is only for a keyboard still starting (the 32-bit build takes minutes where it runs emulated); one that
# has ended is reported at once.
run_private() {
    local keyboard waited shown_for=0 status=0 result=1
    "$wine" notepad &
    timeout 30 xdotool search --sync --onlyvisible --name Notepad >/dev/null
    hold_emulator
    "$wine" "$build/bin/Tilfay.exe" 9>&- &
    keyboard=$!
    for ((waited = 0; waited < 600 && shown_for < 5; waited++)); do
        shown "^Tilfay Keyboard$" && snapshot && xdotool key Return
        kill -0 $keyboard 2>/dev/null || break
        shown "^Tilfay$" && shown_for=$((shown_for + 1))
        sleep 1
    done
    if [ $shown_for -ge 5 ] && kill -0 $keyboard 2>/dev/null && ! shown "^Tilfay Keyboard$"; then
        snapshot
        result=0
    elif kill -0 $keyboard 2>/dev/null; then
        echo "Tilfay has not started in $waited s" >&2
        snapshot
    else
        wait $keyboard || status=$?
        echo "Tilfay ended while starting, exit code $(exit_code_name $status)" >&2
    fi
    "$wineserver" -k
    wait
    return $result
}

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1 || { [ -n "${DISPLAY:-}" ] && xdotool getmouselocation >/dev/null 2>&1; }; then
    "$wine" notepad &
    sleep 2
    hold_emulator
    "$wine" "$build/bin/Tilfay.exe" 9>&-
    status=$?
    [ $status -eq 0 ] || echo "Tilfay ended with exit code $(exit_code_name $status)" >&2
    exit $status
fi

screenshot="$build/screenshot.png"
rm -f "$screenshot"
export build screenshot
export -f run_private hold_emulator shown snapshot exit_code_name
"$here/with-display.sh" bash -c run_private || exit 1
echo "No display: the keyboard ran on a private one; screenshot in $screenshot"
