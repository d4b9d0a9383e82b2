#!/usr/bin/env bash
# Builds the Debian package teclora_<version>_<arch>.deb in the top folder, from the program
# alone, with Debian's hardening flags. Install it with: apt-get install ./teclora_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh package
# A folder of its own: the flags differ from build/, and a stale cache would keep the old ones.
rm -rf build-package
eval "$(dpkg-buildflags --export=sh)"
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTECLORA_TESTS=OFF -DTECLORA_BENCHMARKS=OFF -DTECLORA_TOOLS=OFF
cmake --build build-package --target teclora -j "$(nproc)"
(cd build-package && cpack)
rm -f teclora_*.deb
cp build-package/teclora_*.deb .
deb=$(ls teclora_*.deb)
lintian --fail-on error "$deb"
echo "Built $deb. Install it with: apt-get install ./$deb"
