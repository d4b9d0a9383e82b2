#!/usr/bin/env bash
# The program as a packager and a learner meet it from a terminal: --help and --version work
# without a display, a binary without its data says where it looked and fails, and an installed
# binary reads its data from ../share/teclora and makes the learners' folder in their own home.
# The binary links none of the multimedia libraries, and its sound module stays unread until a
# drill starts: the start-up windows do without both.
#   check-command-line.sh TECLORA_BINARY DATA_FOLDER SOUND_MODULE
set -euo pipefail
binary=$1
data=$2
module=$3
work=$(mktemp -d)
program=
cleanup() {
    if [ -n "$program" ]; then
        kill "$program" 2>/dev/null || true
        wait "$program" 2>/dev/null || true
    fi
    chmod -R u+w "$work"
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

linked=$(readelf -d "$binary" | grep NEEDED) || fail "readelf cannot read $binary"
if grep -iE 'multimedia|pulse|sndfile|Qt6Network' <<<"$linked" >&2; then
    fail "the program links the multimedia libraries itself"
fi

"${no_display[@]}" "$binary" --help >"$work/help" || fail "--help exits with $?"
grep -q -- '--version' "$work/help" || fail "--help does not list --version"
[ "$("${no_display[@]}" "$binary" -v)" = "teclora 0.1" ] || fail "-v prints $("$binary" -v)"
grep -q -- '--examen MINUTOS' "$work/help" || fail "--help does not list --examen"

# A test of a length not on offer is refused before any window, with status 2 and the lengths.
# Unquoted, the empty one gives --examen no minutes at all.
for minutes in 0 2 7 15 -5 cinco 5x ''; do
    status=0
    # shellcheck disable=SC2086
    "${no_display[@]}" "$binary" --examen $minutes >/dev/null 2>"$work/stderr" || status=$?
    [ "$status" -eq 2 ] || fail "--examen '$minutes' exits with $status"
    grep -q '1, 3, 5 o 10 minutos' "$work/stderr" || fail "--examen '$minutes' says: $(cat "$work/stderr")"
done

mkdir -p "$work/prefix/bin" "$work/home"
cp "$binary" "$work/prefix/bin/teclora"
status=0
HOME=$work/home XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen "$work/prefix/bin/teclora" 2>"$work/stderr" || status=$?
[ "$status" -ne 0 ] || fail "a binary without data exits with 0"
grep -qF "$work/prefix/bin" "$work/stderr" || fail "the message does not name $work/prefix/bin"
grep -qF "$work/prefix/share/teclora" "$work/stderr" || fail "the message does not name $work/prefix/share/teclora"
[ -z "$(ls "$work/home")" ] || fail "a binary without data wrote into the home"

# Installed: the data is read only, and the learners' folder appears in the home at start-up. A
# test of a length on offer waits for the sign-in.
mkdir -p "$work/prefix/share" "$work/prefix/lib/teclora/modules"
cp -r "$data" "$work/prefix/share/teclora"
cp "$module" "$work/prefix/lib/teclora/modules/"
chmod -R a-w "$work/prefix"
HOME=$work/home XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen "$work/prefix/bin/teclora" --examen 5 2>"$work/stderr" &
program=$!
for _ in $(seq 100); do
    # Both folders are made one after the other: wait for the second as well.
    [ -d "$work/home/.local/share/Teclora/Usuarios" ] && [ -d "$work/home/.local/share/Teclora/Claves" ] && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
[ -d "$work/home/.local/share/Teclora/Usuarios" ] || fail "no Usuarios in the learner's data folder"
[ -d "$work/home/.local/share/Teclora/Claves" ] || fail "no Claves in the learner's data folder"
kill -0 "$program" 2>/dev/null || fail "the installed program stopped: $(cat "$work/stderr")"
# A moment for the start-up window to show: a module read at start-up would be in by then.
sleep 0.5
if grep -iE 'teclora-sound|multimedia|libpulse' "/proc/$program/maps" >&2; then
    fail "the start-up window loaded the sound libraries"
fi
for written in Usuarios Claves actual.rtf; do
    [ ! -e "$work/prefix/share/teclora/$written" ] || fail "the installed program wrote $written beside its data"
done

[ "$failures" -eq 0 ] && echo "command line checked"
exit "$failures"
