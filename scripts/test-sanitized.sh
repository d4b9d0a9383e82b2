#!/usr/bin/env bash
# Builds the program and every test with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs the whole suite there; the first fault stops the test that hit it.
# The benchmarks and the artwork generator are left out: they test nothing and take long to build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# Also in force while the build lists the tests of each test program; leaks are faults too.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
    -DTECLORA_SANITIZE=ON -DTECLORA_BENCHMARKS=OFF -DTECLORA_TOOLS=OFF
cmake --build build-asan -j "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j 2
