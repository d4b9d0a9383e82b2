#!/usr/bin/env bash
# Configures and builds everything (program, tests, benchmarks, artwork generator) in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTECLORA_TESTS=ON -DTECLORA_BENCHMARKS=ON -DTECLORA_TOOLS=ON
cmake --build build -j "$(nproc)"
