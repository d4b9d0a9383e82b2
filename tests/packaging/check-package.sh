#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks what a packager would: every file in
# its place, nothing a learner writes, root owns everything, and the control fields name what
# the program needs at run time.
#   check-package.sh BUILD_FOLDER SOURCE_FOLDER
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    exit 1
}
deb=$(ls "$work"/teclora_*.deb)

field() {
    dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = teclora ] || fail "Package is $(field Package)"
[ "$(field Section)" = education ] || fail "Section is $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[[ $(field Description) == "touch typing tutor"* ]] || fail "Description is $(field Description)"
depends=$(field Depends)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libqt6sql6-sqlite libqt6sql6-psql \
    qt6-qpa-plugins fonts-liberation qt6-translations-l10n xdg-utils; do
    [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed: $depends"
done

# name, owner and mode of every entry, paths without the leading "./"
dpkg-deb -c "$deb" | awk '{ owner = $2; mode = $1; $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); sub(/^\.\//, "");
    print owner "\t" mode "\t" $0 }' >"$work/entries"
cut -f3 "$work/entries" | sed 's:/$::' | sort >"$work/paths"
has() {
    grep -qxF "$1" "$work/paths" || fail "missing $1"
}
has usr/bin/teclora
has usr/lib/teclora/modules/teclora-sound.so
has usr/share/applications/io.github.teclora.Teclora.desktop
has usr/share/metainfo/io.github.teclora.Teclora.metainfo.xml
for size in 48 64 128 256; do
    has "usr/share/icons/hicolor/${size}x${size}/apps/io.github.teclora.Teclora.png"
done
has usr/share/icons/hicolor/scalable/apps/io.github.teclora.Teclora.svg
has usr/share/man/man1/teclora.1.gz
has usr/share/man/es/man1/teclora.1.gz
has usr/share/doc/teclora/copyright
has usr/share/doc/teclora/changelog.Debian.gz
# Every file shipped in data/ and nothing else lands in /usr/share/teclora.
(cd "$source/data" && find . -type f | sed 's:^\./:usr/share/teclora/:' | sort) >"$work/shipped"
grep '^usr/share/teclora/' "$work/paths" | while read -r path; do
    [ -d "$source/data/${path#usr/share/teclora/}" ] || echo "$path"
done | sort >"$work/packaged"
diff "$work/shipped" "$work/packaged" >&2 || fail "the packaged data differs from data/"
if grep -E '(^|/)(Usuarios|Claves|actual\.rtf)(/|$)' "$work/paths" >&2; then
    fail "the package holds learners' files"
fi
awk -F'\t' '$1 != "root/root" { print }' "$work/entries" | grep . >&2 && fail "entries not owned by root"
awk -F'\t' '$3 == "usr/bin/teclora" && $2 == "-rwxr-xr-x" { found = 1 } END { exit !found }' "$work/entries" \
    || fail "usr/bin/teclora is not 0755"

# The desktop's own validators, where they are installed.
unpacked="$work/root"
dpkg-deb -x "$deb" "$unpacked"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$unpacked/usr/share/applications/io.github.teclora.Teclora.desktop" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$unpacked/usr/share/metainfo/io.github.teclora.Teclora.metainfo.xml" \
        || fail "metainfo"
fi
grep -qx 'Icon=io.github.teclora.Teclora' "$unpacked/usr/share/applications/io.github.teclora.Teclora.desktop" \
    || fail "the desktop entry names another icon"

[ "$failures" -eq 0 ] && echo "package $(basename "$deb") checked"
exit "$failures"
