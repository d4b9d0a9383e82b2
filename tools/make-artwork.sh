#!/bin/sh
# Draws every picture and sound the program ships into data/, and the desktop's icons into
# packaging/icons/. The results are committed; running this again on the same system reproduces
# them byte for byte, so a clean `git status` afterwards means the generator and the committed
# files agree.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-tools"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTECLORA_TOOLS=ON -DTECLORA_TESTS=OFF -DTECLORA_BENCHMARKS=OFF
cmake --build "$build" --target teclora-artwork -j 2
QT_QPA_PLATFORM=offscreen "$build/tools/artwork/teclora-artwork" "$root/data" "$root/packaging/icons"
