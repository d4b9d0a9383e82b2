#!/usr/bin/env bash
# Runs a test program as a native Wayland client of a headless weston with a 1920 x 1080 output,
# then stops the compositor. Exits 77 (skipped) where weston or Qt's Wayland plugin is missing.
set -euo pipefail
program=$1
command -v weston >/dev/null || { echo "weston is not installed"; exit 77; }
runtime=$(mktemp -d)
trap 'kill "$weston" 2>/dev/null || true; wait "$weston" 2>/dev/null || true; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
socket=teclora-test-$$
weston --backend=headless-backend.so --width=1920 --height=1080 --socket="$socket" --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    sleep 0.1
done
[ -S "$runtime/$socket" ] || { cat "$runtime/weston.log"; echo "weston did not start"; exit 1; }
# Qt draws its own title bar on Wayland only where EGL works. Mesa's software renderer gives every
# machine the same EGL, whatever graphics card and drivers it has (the compositor offers no other).
export LIBGL_ALWAYS_SOFTWARE=1
# Under the leak checker, what Qt's Wayland plugin leaves to libwayland at exit is not ours.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan-suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$program"
