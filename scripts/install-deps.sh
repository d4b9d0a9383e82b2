#!/usr/bin/env bash
# Installs the Debian 12 packages Teclora needs; installs nothing when they are all there already.
#   install-deps.sh run      what building and running the program needs, nothing more
#   install-deps.sh package  that, plus what building and checking the Debian package needs
#   install-deps.sh          all of it, plus what the tests, benchmarks and artwork generator need
#   install-deps.sh all PKG  all of it and the further packages named (scripts/fuzz.sh adds clang)
set -euo pipefail
run_packages=(
    cmake ninja-build g++
    qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libqt6multimedia6 qt6-wayland
    libqt6sql6-sqlite libqt6sql6-psql
    fonts-liberation fonts-opendyslexic qt6-translations-l10n xdg-utils
    xkb-data libxcb-xkb-dev
)
package_packages=(
    "${run_packages[@]}"
    dpkg-dev appstream desktop-file-utils lintian
)
all_packages=(
    "${package_packages[@]}"
    libgtest-dev libbenchmark-dev clang-format fonts-dejavu-core poppler-utils
    qt6-svg-dev weston libgl1-mesa-dri xvfb dbus at-spi2-core
    libxkbcommon-dev x11-xkb-utils openbox xdotool
    postgresql postgresql-contrib
)
case "${1:-all}" in
    run) packages=("${run_packages[@]}") ;;
    package) packages=("${package_packages[@]}") ;;
    *) packages=("${all_packages[@]}" "${@:2}") ;;
esac
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
