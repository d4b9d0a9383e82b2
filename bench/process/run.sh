#!/usr/bin/env bash
# run.sh - the process bench in one command. Builds the program, stages its app folder, then
# measures Teclora and, when it is installed, TIPP10 (apt-get install tipp10 libqt6sql6-sqlite)
# the same way in the same run, the programs taking turns rep by rep, and prints a table of the
# figures with their ratios. About 8 minutes a rep of the three programs, a few minutes for
# TIPP10 to fill its lesson database on its first start, and 2 minutes of latency runs. A bare Qt
# widget and a bare X client that repaint a square on every key are measured the same way, as
# the floor the figures are read against. During the starts, Teclora's typing window and TIPP10's
# training window are both 1366 x 768, so their memory during a drill compares like with like.
# usage: bash bench/process/run.sh [-r REPS] [-k KEYS] [-i SECONDS] [-l LATENCY_KEYS] [-D :N] [-o DIR]
#   -h        this help
#   -r REPS   starts per program (default 5); -k KEYS typed per start (default 500)
#   -i SECONDS each idle window, before and after typing (default 60: the decorative animations
#             rest 10 s after the last key, so a shorter window measures mostly their last frames)
#   -l KEYS   keys of each latency run (default 200); -D :N the X display to use (default :99)
#   -o DIR    where the CSVs, screenshots and the staged app go (default /tmp/teclora-process-bench)
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd); ROOT=$(cd "$HERE/../.." && pwd)
REPS=5 KEYS=500 IDLE=60 LATKEYS=200 DPY=:99 OUT=/tmp/teclora-process-bench
while getopts hr:k:i:l:D:o: o; do
  case $o in h) sed -n "2,17p" "$0"; exit 0;; r) REPS=$OPTARG;; k) KEYS=$OPTARG;; i) IDLE=$OPTARG;; l) LATKEYS=$OPTARG;; D) DPY=$OPTARG;; o) OUT=$OPTARG;;
    *) sed -n '2,17p' "$0"; exit 2;; esac
done

needed=(xvfb xdotool x11-utils procps imagemagick gcc libx11-dev libxdamage-dev libxtst-dev python3)
missing=()
for package in "${needed[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

[[ -f $ROOT/build/build.ninja ]] || bash "$ROOT/scripts/build.sh"
cmake --build "$ROOT/build" --target teclora teclora_signed_in teclora_bare_qt
mkdir -p "$OUT"; OUT=$(cd "$OUT" && pwd)
rm -f "$OUT"/*.csv "$OUT/latency.txt"
bash "$HERE/teclora-app.sh" "$ROOT" "$OUT/app"

peers() {  # NAME: one start of that program through peers.sh, appended to its CSV
  case $1 in
    teclora) WINDOW_SIZE=1366x768 bash "$HERE/peers.sh" -a -r 1 -n teclora -c "$OUT/app/teclora" -s "$HERE/teclora-setup.sh" \
               -t "$HERE/drill-jf.txt" -k "$KEYS" -i "$IDLE" -o "$OUT" -D "$DPY" >/dev/null;;
    tipp10) WINDOW_SIZE=1366x768 bash "$HERE/peers.sh" -a -r 1 -n tipp10 -c tipp10 -s "$HERE/tipp10-setup.sh" -H "$OUT/tipp10-home" \
              -t "$HERE/drill-jf.txt" -k "$KEYS" -i "$IDLE" -o "$OUT" -D "$DPY" >/dev/null;;
    bare-qt) bash "$HERE/peers.sh" -a -r 1 -n bare-qt -c "$ROOT/build/bench/teclora_bare_qt" -s "$HERE/first-key.sh" \
               -t "$HERE/drill-jf.txt" -k "$KEYS" -i "$IDLE" -o "$OUT" -D "$DPY" >/dev/null;;
  esac
}
programs=(teclora bare-qt)
if command -v tipp10 >/dev/null; then
  programs+=(tipp10)
  echo "preparing TIPP10's lesson database" >&2
  bash "$HERE/tipp10-home.sh" "$OUT/tipp10-home" "$DPY"
fi
for rep in $(seq "$REPS"); do
  for program in "${programs[@]}"; do
    echo "rep $rep: $program (load: $(cut -d' ' -f1-3 /proc/loadavg))" >&2
    peers "$program"
  done
done

# Key to paint: Teclora beside a learner's 50,000-line history at two screen sizes, the peer on
# its own text line.
latency() {
  bash "$HERE/latency.sh" -D "$DPY" -k "$LATKEYS" "$@" | tee -a "$OUT/latency.txt" >&2
}
for screen in 1920x1080 1366x768; do
  latency -n "teclora@$screen" -S "$screen" -c "$OUT/app/teclora_signed_in bench" -s "$HERE/teclora-setup.sh" -r auto
done
if command -v tipp10 >/dev/null; then
  latency -n tipp10@1920x1080 -c tipp10 -s "$HERE/tipp10-setup.sh" -H "$OUT/tipp10-home" -r 70,60,610,50
fi
BAREXLIB=${XDG_CACHE_HOME:-$HOME/.cache}/process-bench/barexlib
[[ -x $BAREXLIB && $BAREXLIB -nt $HERE/barexlib.c ]] || gcc -O2 -o "$BAREXLIB" "$HERE/barexlib.c" -lX11
latency -n bare-qt@1920x1080 -c "$ROOT/build/bench/teclora_bare_qt" -s "$HERE/first-key.sh" -r auto
latency -n bare-xlib@1920x1080 -c "$BAREXLIB" -s "$HERE/first-key.sh" -r auto
python3 "$HERE/report.py" "$OUT"
