#!/usr/bin/env bash
# Makes the HOME that TIPP10 is measured in: its settings (tipp10-home/.config: the "own lessons"
# tab, intelligence off, errors blocked) and a lesson database made from the template TIPP10
# installs, whose first own lesson becomes "bench j and f", the lines of drill-jf.txt. TIPP10 then
# starts once on a private Xvfb to fill in its own lesson tables (a minute or two), so that the
# starts measured do not pay for that.
# usage: tipp10-home.sh DEST :N
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd); DEST=${1:?dest}; DPY=${2:?display}
rm -rf "$DEST"; mkdir -p "$DEST/.local/share/TIPP10/TIPP10"
cp -a "$HERE/tipp10-home/." "$DEST/"
python3 - /usr/share/tipp10/tipp10v2.template "$DEST/.local/share/TIPP10/TIPP10/tipp10v2.db" "$HERE/drill-jf.txt" <<'PY'
import shutil, sqlite3, sys
template, db_path, lesson = sys.argv[1:]
shutil.copyfile(template, db_path)
db = sqlite3.connect(db_path)
lines = [l for l in open(lesson).read().splitlines() if l]
first = db.execute("select min(content_id) from own_content where content_lesson = 1").fetchone()[0]
db.execute("delete from own_content where content_lesson = 1")
db.executemany("insert into own_content (content_id, content_text, content_lesson) values (?, ?, 1)",
               [(first + i, line) for i, line in enumerate(lines)])
db.execute("update own_list set own_name = 'bench j and f', own_description = 'drill-jf.txt', own_unit = 0 where own_id = 1")
db.commit()
PY

Xvfb "$DPY" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 & XVFB_PID=$!
mkdir -p -m 700 "$DEST.run"
HOME=$DEST XDG_RUNTIME_DIR=$DEST.run DISPLAY=$DPY tipp10 >/dev/null 2>&1 & APP_PID=$!
# Done when the main window shows, or (it does not always show on a first start) when the filled
# database has stopped growing.
DB=$DEST/.local/share/TIPP10/TIPP10/tipp10v2.db last=-1
for _ in $(seq 600); do
  DISPLAY=$DPY xdotool search --onlyvisible --name '^TIPP10$' >/dev/null 2>&1 && break
  size=$(stat -c %s "$DB")
  if ((size == last)) && [[ ! -e $DB-journal ]] && python3 -c "import sqlite3, sys; sys.exit(not sqlite3.connect(sys.argv[1]).execute(\"select count(*) from sqlite_master where name = 'own_analysis'\").fetchone()[0])" "$DB" 2>/dev/null; then
    break
  fi
  last=$size; sleep 2
done
kill "$APP_PID" 2>/dev/null || true; wait "$APP_PID" 2>/dev/null || true
kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true
rm -rf "$DEST.run"
