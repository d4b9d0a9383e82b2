#!/usr/bin/env bash
# Runs a test program on an Xvfb display (1366 x 768) typing with the keyboard layout given, under
# openbox, then stops both. Exits 77 (skipped) where Xvfb, setxkbmap or xdotool is missing, or the
# server does not take the layout.
set -euo pipefail
program=$1
layout=$2
for tool in Xvfb setxkbmap xdotool openbox; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
display=:$((90 + $$ % 100))
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
openbox=
trap 'kill $openbox "$xvfb" 2>/dev/null || true; wait 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 100); do
    xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.1
done
setxkbmap -rules evdev -model pc105 -layout "$layout"
# Some X servers keep the keymap they started with whatever a client loads.
if ! setxkbmap -query | grep -q "^layout: *$layout\$"; then
    echo "this X server did not take the $layout layout"
    exit 77
fi
openbox >/dev/null 2>&1 &
openbox=$!
sleep 0.5
QT_QPA_PLATFORM=xcb "$program" "${@:3}"
