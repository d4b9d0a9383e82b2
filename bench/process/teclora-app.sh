#!/usr/bin/env bash
# Stages a Teclora app folder for the bench: the shipped data, the built program, the bench's own
# launcher, the lesson "00 Bench" (drill-jf.txt, CR LF, listed first so it loads at start-up) and
# the learner "bench" whose history holds 50,000 result lines.
# usage: teclora-app.sh CHECKOUT DEST
set -euo pipefail
SRC=${1:?checkout}; DEST=${2:?dest}; HERE=$(cd "$(dirname "$0")" && pwd)
rm -rf "$DEST"; mkdir -p "$DEST"
cp -a "$SRC/data/." "$DEST/"; cp "$SRC/build/app/teclora" "$SRC/build/app/teclora-sound.so" "$SRC/build/bench/teclora_signed_in" "$DEST/"
mkdir -p "$DEST/Ejercicios/Castellano/00 Bench" "$DEST/Usuarios"
python3 - "$HERE/drill-jf.txt" "$DEST/Ejercicios/Castellano/00 Bench/1.txt" "$DEST/Usuarios/bench" <<'PY'
import sys
lesson, exercise, history = sys.argv[1:]
open(exercise, 'wb').write('\r\n'.join(open(lesson).read().splitlines()).encode('cp1252'))
line = r' ** 187(p/m) - 61 s. - 2(Err.) - 190(c.) ** - Castellano\\01 Fila central\\4 - Precisi\'f3n 98 %\par' + '\r\n'
with open(history, 'wb') as out:
    out.write(b'{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue255;}\\f0\\fs24\\cf1\r\n')
    out.write((line * 50000).encode('cp1252'))
    out.write(b'}\r\n')
PY
