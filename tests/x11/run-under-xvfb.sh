#!/usr/bin/env bash
# Runs a test program as a client of its own Xvfb server with a 1280 x 800 screen of depth 24,
# then stops the server. Exits 77 (skipped) where Xvfb is missing.
set -euo pipefail
program=$1
command -v Xvfb >/dev/null || { echo "Xvfb is not installed"; exit 77; }
log=$(mktemp)
# Xvfb picks a free display itself and writes its number to the descriptor given.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x800x24 -nolisten tcp >"$log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -f "$log"' EXIT
read -r -t 20 -u "$displayfd" display || { cat "$log"; echo "Xvfb did not start"; exit 1; }
# Under the leak checker, what libdbus keeps at exit is not ours.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan-suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
DISPLAY=:$display QT_QPA_PLATFORM=xcb "$program"
