#!/usr/bin/env bash
# Runs a test program on an X server of its own with a desktop accessibility bus, as a screen reader
# finds it: Qt reports accessibility events only while that bus is there. Exits 77 (skipped) where
# Xvfb, D-Bus or the AT-SPI bus launcher is missing.
set -euo pipefail
program=$1
launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
[ -x "$launcher" ] || { echo "at-spi2-core is not installed"; exit 77; }
runtime=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$runtime/display" 2>"$runtime/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$runtime/display" ] && break
    sleep 0.1
done
[ -s "$runtime/display" ] || { cat "$runtime/xvfb.log"; echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$runtime/display")
# Qt talks to the bus as soon as it is asked, without waiting for a screen reader to say it listens.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
dbus-run-session -- bash -c '"$1" & bus=$!; "$2"; status=$?; kill $bus; exit $status' _ "$launcher" "$program"
