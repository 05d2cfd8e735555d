#!/usr/bin/env bash
# Runs a command on a private Xvfb display that is started for it and stopped after it.
set -u
xvfb=
for number in $(seq 91 160); do
    [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$number" ] && break
        kill -0 $xvfb 2>/dev/null || break
        sleep 0.1
    done
    # Another run may have taken the same number at the same moment; then try the next one.
    kill -0 $xvfb 2>/dev/null && [ -e "/tmp/.X11-unix/X$number" ] && break
    xvfb=
done
[ -n "$xvfb" ] || { echo "no free display for Xvfb" >&2; exit 1; }
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null' EXIT
DISPLAY=":$number" "$@"
