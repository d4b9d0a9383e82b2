#!/usr/bin/env bash
# Installs the package that scripts/package.sh built and checks it as a learner's computer would
# have it: lintian finds no error, apt-get installs it with what it depends on, the installed
# program starts offscreen as an ordinary user, reads its data from /usr/share/teclora and makes
# the learners' folders in that user's own data folder, loads its sound module from
# /usr/lib/teclora/modules, a learner registers through the windows and finds the history there,
# a wrong key's sound reaches the module's player, and no installed file was changed.
#   try-package.sh                    on this machine; the package and the user are removed again
#   try-package.sh --clean-root DIR   in a minimal Debian 12 made with debootstrap in DIR; the
#                                     root is kept (a second run skips debootstrap), the package
#                                     and the user are removed from it again
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(ls teclora_*.deb 2>/dev/null | tail -n 1) || true
[ -n "$deb" ] || {
    echo "no teclora_*.deb here: run scripts/package.sh first" >&2
    exit 1
}
root=
if [ "${1:-}" = --clean-root ]; then
    root=$(realpath -m "${2:?--clean-root needs a folder}")
fi
user=teclora-learner
# What runs inside the clean root goes through chroot; on this machine it runs as it is.
enter_root=()
[ -n "$root" ] && enter_root=(chroot "$root")
in_root() {
    "${enter_root[@]}" "$@"
}
program=
cleanup() {
    # The program runs in a session of its own, so the whole chain down to it stops at once.
    if [ -n "$program" ]; then
        kill -- "-$program" 2>/dev/null || true
        wait "$program" 2>/dev/null || true
    fi
    # userdel refuses a user whose processes (the display server) are still on their way out.
    for _ in $(seq 50); do
        pgrep -u "$user" >/dev/null 2>&1 || break
        sleep 0.1
    done
    in_root userdel --remove "$user" 2>/dev/null || true
    in_root apt-get purge -y teclora >/dev/null 2>&1 || true
    [ -z "$root" ] || umount "$root/proc" 2>/dev/null || true
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

lintian --fail-on error "$deb"
if [ -n "$root" ]; then
    if [ ! -x "$root/usr/bin/apt-get" ]; then
        command -v debootstrap >/dev/null || apt-get install -y --no-install-recommends debootstrap
        debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
    fi
    # The program finds its own folder through /proc.
    mount -t proc proc "$root/proc"
    cp "$deb" "$root/tmp/"
    in_root apt-get update
    DEBIAN_FRONTEND=noninteractive in_root apt-get install -y --no-install-recommends "/tmp/$deb"
else
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "./$deb"
fi
in_root useradd --create-home --shell /bin/sh "$user"
home=$(in_root getent passwd "$user" | cut -d: -f6)
as_learner=("${enter_root[@]}" runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8)

[ -x "$root/usr/bin/teclora" ] || fail "no /usr/bin/teclora"
"${as_learner[@]}" teclora --version || fail "--version"
[ -f "$root/usr/share/man/man1/teclora.1.gz" ] || fail "no manual page"
data="$home/.local/share/Teclora"
setsid "${as_learner[@]}" QT_QPA_PLATFORM=offscreen teclora 2>"$root/tmp/teclora.stderr" &
program=$!
for _ in $(seq 150); do
    [ -d "$root$data/Usuarios" ] && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program" 2>/dev/null || fail "the program stopped: $(cat "$root/tmp/teclora.stderr")"
[ -d "$root$data/Usuarios" ] && [ -d "$root$data/Claves" ] || fail "no learners' folders in $data"
[ "$(in_root stat -c %U "$data/Usuarios" 2>/dev/null)" = "$user" ] || fail "$data/Usuarios does not belong to $user"
for written in Usuarios Claves actual.rtf; do
    [ ! -e "$root/usr/share/teclora/$written" ] || fail "the program wrote $written in /usr/share/teclora"
done

# A learner registers through the real windows, from the keyboard alone, on a display of their
# own: Enter on the start-up window, Shift+Tab three times to "Nuevo Usuario", Space, a name, Enter
# (the clave stays 1000). The registration line lands in that learner's own data folder.
kill -- "-$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
if [ -n "$root" ]; then
    DEBIAN_FRONTEND=noninteractive in_root apt-get install -y --no-install-recommends xvfb xdotool >/dev/null
elif ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends xvfb xdotool >/dev/null
fi
display=:73
on_display=("${as_learner[@]}" DISPLAY="$display")
# The program starts once the display's socket is there: a busy machine starts Xvfb slowly.
setsid "${as_learner[@]}" sh -c "Xvfb $display -screen 0 1280x800x24 -nolisten tcp &
    for _ in \$(seq 100); do [ -e /tmp/.X11-unix/X${display#:} ] && break; sleep 0.1; done
    DISPLAY=$display exec teclora" \
    2>>"$root/tmp/teclora.stderr" &
program=$!
for _ in $(seq 100); do
    [ -e "$root/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.1
done
press() {
    timeout 20 "${on_display[@]}" xdotool search --sync --name "^$1\$" windowfocus --sync key "${@:2}"
}
if press "Teclora: bienvenida" Return && press "Teclora: usuario" shift+Tab shift+Tab shift+Tab space \
    && sleep 0.5 && "${on_display[@]}" xdotool type Ana && "${on_display[@]}" xdotool key Return; then
    for _ in $(seq 100); do
        [ -s "$root$data/Usuarios/Ana" ] && break
        sleep 0.1
    done
    [ "$(head -c 3 "$root$data/Usuarios/Ana" 2>/dev/null)" = Ana ] || fail "registering Ana wrote no history in $data"
    [ -s "$root$data/Claves/Anaclave" ] || fail "registering Ana wrote no clave in $data"
    # The sounds play through the module, which the program reads when a drill starts: F5 starts
    # Ana's first drill ("aaa sss"), q is a wrong key, and the error sound reaches the module's
    # player.
    press "Teclora .*Ana.*" F5 && sleep 0.5 && "${on_display[@]}" xdotool key q && sleep 0.5 \
        || fail "Ana's drill could not be driven"
    teclora_pid=$(pgrep -s "$program" -x teclora) || true
    grep -q /usr/lib/teclora/modules/teclora-sound.so "/proc/$teclora_pid/maps" 2>/dev/null \
        || fail "the installed program did not load its sound module: $(cat "$root/tmp/teclora.stderr")"
    # Without a sound server here the player says so; with one it plays and says nothing.
    if ! in_root sh -c 'command -v pulseaudio || command -v pipewire' >/dev/null; then
        grep -qF "no sound device" "$root/tmp/teclora.stderr" || fail "the error sound did not reach the module's player"
    fi
else
    fail "the start-up and sign-in windows could not be driven: $(cat "$root/tmp/teclora.stderr")"
fi
grep -F "sound module" "$root/tmp/teclora.stderr" >&2 && fail "the installed program says it has no sound module"
in_root dpkg --verify teclora || fail "installed files were changed"

[ "$failures" -eq 0 ] && echo "$deb installs and runs as $user${root:+ in $root}; Ana's history is in $data"
exit "$failures"
