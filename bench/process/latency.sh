#!/usr/bin/env bash
# latency.sh - key-to-paint latency of a typing tutor under Xvfb (no window manager).
# usage: latency.sh -n NAME -c 'COMMAND' -s SETUP -r X,Y,W,H|auto [-H HOME_TEMPLATE] [-k KEYS] [-D :N] [-S WxH]
# Starts the program, runs SETUP (gets PID, WID) to reach a drill, then keylat types drill-jf.txt
# one key at a time and times the first repaint inside the typing region. Prints keylat's summary.
# -r auto takes the region from a line "typing-region=X,Y,W,H" the program prints (the bench's
# own Teclora launcher does), so that it follows the layout at any screen size.
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
NAME= CMD= SETUP= REGION= HOMET= KEYS=300 DPY=:83 SCREEN=1920x1080
while getopts n:c:s:r:H:k:D:S: o; do
  case $o in n) NAME=$OPTARG;; c) CMD=$OPTARG;; s) SETUP=$OPTARG;; r) REGION=$OPTARG;; H) HOMET=$OPTARG;;
    k) KEYS=$OPTARG;; D) DPY=$OPTARG;; S) SCREEN=$OPTARG;; *) exit 2;; esac
done
KEYLAT=${XDG_CACHE_HOME:-$HOME/.cache}/process-bench/keylat
[[ -x $KEYLAT && $KEYLAT -nt $HERE/keylat.c ]] || { mkdir -p "$(dirname "$KEYLAT")"; gcc -O2 -o "$KEYLAT" "$HERE/keylat.c" -lX11 -lXdamage -lXtst; }
WORK=$(mktemp -d /tmp/latency.XXXXXX); export DISPLAY=$DPY
XVFB_PID= APP_PID=
cleanup() {
  [[ -n $APP_PID ]] && { kill "$APP_PID" 2>/dev/null; sleep 0.5; kill -9 "$APP_PID" 2>/dev/null || true; }
  [[ -n $XVFB_PID ]] && { kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null || true; }
  rm -rf "$WORK"
}
trap cleanup EXIT
Xvfb "$DPY" -screen 0 "${SCREEN}x24" -nolisten tcp >"$WORK/xvfb.log" 2>&1 & XVFB_PID=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -p "$WORK/home" -m 700 "$WORK/run"; [[ -n $HOMET ]] && cp -a "$HOMET/." "$WORK/home/"
HOME=$WORK/home XDG_RUNTIME_DIR=$WORK/run $CMD >"$WORK/app.log" 2>&1 & APP_PID=$!
WID=$(xdotool search --sync --onlyvisible --pid "$APP_PID" 2>/dev/null | head -1)
sleep 2
PID=$APP_PID WID=$WID bash "$SETUP"
sleep 2
# The typing window may be another than the first one mapped (start-up and sign-in windows).
WID=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | tail -1)
if [[ $REGION == auto ]]; then
  REGION=$(sed -n 's/^typing-region=//p' "$WORK/app.log" | tail -1)
  [[ -n $REGION ]] || { echo "$NAME: the program printed no typing-region" >&2; exit 1; }
fi
"$KEYLAT" -w "$WID" -r "$REGION" -t "$HERE/drill-jf.txt" -n "$KEYS" > "$WORK/lat.txt" 2> "$WORK/summary.txt"
echo "$NAME $(cat "$WORK/summary.txt")"
