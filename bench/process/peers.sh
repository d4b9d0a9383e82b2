#!/usr/bin/env bash
# peers.sh - start-up, memory and CPU-per-keystroke bench for a desktop
# typing tutor running under Xvfb. Same method for peers and for our program.
#
# usage: peers.sh -n NAME -c 'COMMAND' [options]
#   -n NAME       label used in file names and the CSV
#   -c COMMAND    command that starts the program (word-split, no shell)
#   -s SETUP      bash script run after the window settled, to reach a drill;
#                 it gets PID, WID, DISPLAY, SHOT (screenshot helper) in env
#   -t TEXT       file whose lines are typed during the burst (Return after
#                 each line); without it the burst is skipped
#   -k KEYS       max keystrokes in the burst (default 500; Return counts 1)
#   -d MS         xdotool delay between keystrokes (default 20 = 50 keys/s)
#   -r REPS       repetitions (default 5)
#   -i SECONDS    length of each idle window (default 10)
#   -H DIR        HOME template, copied to a fresh HOME for every rep
#   -o DIR        output dir (default ./out); CSV: DIR/NAME.csv, shots: DIR/shots
#   -D :N         X display to start Xvfb on (default :99)
#   -S WxH        screen size (default 1920x1080)
#   -a            append to DIR/NAME.csv instead of starting it afresh
# Per rep: start (xwaitmap: map/first-paint/settle ms, VmRSS/VmHWM 2 s after
# map) -> SETUP -> idle window (drill open, no typing) -> typing burst ->
# idle window after typing -> VmRSS/VmHWM -> kill. CPU is utime+stime from
# /proc/PID/stat summed over the process tree, plus the Xvfb server's own
# CPU (drawing the program's frames costs CPU there too).
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
NAME= CMD= SETUP= TEXT= KEYS=500 DELAY=20 REPS=5 IDLE=10 HOMET= OUT=./out DPY=:99 SCREEN=1920x1080 APPEND=0
while getopts hn:c:s:t:k:d:r:i:H:o:D:S:a o; do
  case $o in
    n) NAME=$OPTARG;; c) CMD=$OPTARG;; s) SETUP=$OPTARG;; t) TEXT=$OPTARG;;
    k) KEYS=$OPTARG;; d) DELAY=$OPTARG;; r) REPS=$OPTARG;; i) IDLE=$OPTARG;;
    H) HOMET=$OPTARG;; o) OUT=$OPTARG;; D) DPY=$OPTARG;; S) SCREEN=$OPTARG;; a) APPEND=1;;
    h) sed -n "2,24p" "$0"; exit 0;;
    *) sed -n "2,24p" "$0"; exit 2;;
  esac
done
[[ -n $NAME && -n $CMD ]] || { sed -n '2,24p' "$0"; exit 2; }
# The helper is built once into a cache folder, as this folder may be read-only.
XWAITMAP=${XDG_CACHE_HOME:-$HOME/.cache}/process-bench/xwaitmap
[[ -x $XWAITMAP && $XWAITMAP -nt $HERE/xwaitmap.c ]] || { mkdir -p "$(dirname "$XWAITMAP")" && gcc -O2 -o "$XWAITMAP" "$HERE/xwaitmap.c" -lX11 -lXdamage; }
mkdir -p "$OUT/shots"; OUT=$(cd "$OUT" && pwd)
WORK=$(mktemp -d /tmp/peers.XXXXXX)
HZ=$(getconf CLK_TCK)
export DISPLAY=$DPY

XVFB_PID= APP_PID=
cleanup() {
  [[ -n $APP_PID ]] && kill_tree "$APP_PID"
  [[ -n $XVFB_PID ]] && { kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null || true; }
  rm -rf "$WORK"
}
trap cleanup EXIT

descendants() {  # pid and all its descendants, one per line
  local p=$1 c; echo "$p"
  for c in $(ps -o pid= --ppid "$p" 2>/dev/null); do descendants "$c"; done
}
kill_tree() {
  local pids; pids=$(descendants "$1" | tac)
  kill $pids 2>/dev/null || true
  for _ in 1 2 3 4 5 6; do kill -0 "$1" 2>/dev/null || break; sleep 0.5; done
  kill -9 $pids 2>/dev/null || true
}
ticks() {  # utime+stime (clock ticks) of the given pids
  local t=0 p f
  for p in "$@"; do
    f=$(cat "/proc/$p/stat" 2>/dev/null) || continue
    f=${f##*) }; set -- $f; t=$((t + ${12} + ${13}))
  done
  echo $t
}
tree_ticks() { ticks $(descendants "$1"); }
status_kb() { awk -v k="$2:" '$1==k{print $2}' "/proc/$1/status" 2>/dev/null || echo -1; }
ms() { echo "$1" | awk -v hz="$HZ" '{printf "%.0f", $1*1000/hz}'; }
now() { date +%s%N; }
shot() { import -window root "$OUT/shots/$NAME-$1.png" 2>/dev/null || true; }
export -f shot; export OUT NAME

# Typing: one xdotool process per line, then a separate 'xdotool key Return'
# (some programs ignore a Return chained in the same xdotool process as the type).
LINES=() RET=() NKEYS=0
if [[ -n $TEXT ]]; then
  while IFS= read -r line || [[ -n $line ]]; do
    left=$((KEYS - NKEYS)); ((left > 0)) || break
    line=${line:0:$left}; NKEYS=$((NKEYS + ${#line}))
    if ((NKEYS < KEYS)); then ret=1; NKEYS=$((NKEYS + 1)); else ret=0; fi
    LINES+=("$line"); RET+=("$ret")
  done < "$TEXT"
fi
type_burst() {
  local i
  for i in "${!LINES[@]}"; do
    [[ -n ${LINES[i]} ]] && xdotool type --delay "$DELAY" "${LINES[i]}"
    ((RET[i])) && xdotool key Return
  done
  return 0
}

Xvfb "$DPY" -screen 0 "${SCREEN}x24" -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not come up on $DPY" >&2; exit 1; }

CSV=$OUT/$NAME.csv
((APPEND)) && [[ -s $CSV ]] || echo "name,rep,idle_s,map_ms,paint_ms,settle_ms,rss_kb,hwm_kb,idle_pre_ms,idle_pre_x_ms,keys,burst_wall_ms,burst_ms,burst_x_ms,idle_post_ms,idle_post_x_ms,rss_end_kb,hwm_end_kb" > "$CSV"
for rep in $(seq "$REPS"); do
  H=$WORK/home; rm -rf "$H"; mkdir -p "$H"
  [[ -n $HOMET ]] && cp -a "$HOMET/." "$H/"
  mkdir -p -m 700 "$WORK/run"
  r=$(HOME=$H XDG_RUNTIME_DIR=$WORK/run "$XWAITMAP" -t 30 -q 500 -r 2000 \
        -o "$OUT/$NAME.log" -- $CMD) || { echo "rep $rep: start failed: $r" >&2; APP_PID=$(sed -n 's/^pid=//p' <<<"$r"); [[ -n $APP_PID ]] && kill_tree "$APP_PID"; APP_PID=; continue; }
  eval "$(grep -E '^(pid|wid|map_ms|paint_ms|settle_ms|rss_kb|hwm_kb)=' <<<"$r")"
  APP_PID=$pid
  ((rep == 1)) && shot 1-started
  if [[ -n $SETUP ]]; then PID=$pid WID=$wid bash "$SETUP"; fi
  sleep 2; ((rep == 1)) && shot 2-drill

  a=$(tree_ticks "$pid"); ax=$(ticks "$XVFB_PID"); sleep "$IDLE"
  idle_pre=$(ms $(( $(tree_ticks "$pid") - a ))); idle_pre_x=$(ms $(( $(ticks "$XVFB_PID") - ax )))

  burst=0 burst_x=0 wall=0
  if ((NKEYS > 0)); then
    a=$(tree_ticks "$pid"); ax=$(ticks "$XVFB_PID"); t0=$(now)
    type_burst; sleep 0.5   # let queued key events drain
    wall=$(( ($(now) - t0) / 1000000 ))
    burst=$(ms $(( $(tree_ticks "$pid") - a ))); burst_x=$(ms $(( $(ticks "$XVFB_PID") - ax )))
    ((rep == 1)) && shot 3-typed
  fi

  a=$(tree_ticks "$pid"); ax=$(ticks "$XVFB_PID"); sleep "$IDLE"
  idle_post=$(ms $(( $(tree_ticks "$pid") - a ))); idle_post_x=$(ms $(( $(ticks "$XVFB_PID") - ax )))
  rss_end=$(status_kb "$pid" VmRSS); hwm_end=$(status_kb "$pid" VmHWM)
  kill_tree "$pid"; APP_PID=
  echo "$NAME,$rep,$IDLE,$map_ms,$paint_ms,$settle_ms,$rss_kb,$hwm_kb,$idle_pre,$idle_pre_x,$NKEYS,$wall,$burst,$burst_x,$idle_post,$idle_post_x,$rss_end,$hwm_end" | tee -a "$CSV"
done
python3 "$HERE/summarize.py" "$CSV"
