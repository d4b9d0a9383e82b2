#!/usr/bin/env bash
# Installs the Debian 12 packages Teclora needs to build, test and run; installs nothing when
# they are all there already.
set -euo pipefail
packages=(
    cmake ninja-build g++
    qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libqt6multimedia6 libqt6sql6-sqlite
    libgtest-dev libbenchmark-dev clang-format
    fonts-liberation fonts-dejavu-core
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
