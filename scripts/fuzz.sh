#!/usr/bin/env bash
# Fuzzes every reader of outside bytes for N minutes each (default 5), one target after the other,
# at the lowest priority: scripts/fuzz.sh 60 gives each an hour. Builds the targets with clang,
# libFuzzer, AddressSanitizer and UBSan in build-fuzz/. New inputs that reach new code collect in
# build-fuzz/corpus/<target>; a crash, a hang or a failed check is kept as
# build-fuzz/findings/<target>-*, to be added to fuzz/corpus/<target> once mended.
set -uo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-5}
targets=(rtf_read rtf_round_trip field_reader language_lines exercise_text cp1252 stats_file)
bash scripts/install-deps.sh all clang libclang-rt-14-dev || exit 1
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTECLORA_FUZZ=ON -DTECLORA_TESTS=OFF -DTECLORA_BENCHMARKS=OFF -DTECLORA_TOOLS=OFF || exit 1
nice -n 19 cmake --build build-fuzz -j 2 --target "${targets[@]/#/teclora_fuzz_}" || exit 1
mkdir -p build-fuzz/findings build-fuzz/logs
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
failed=()
for target in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$target"
    echo "== $target: $minutes min"
    nice -n 19 "build-fuzz/fuzz/teclora_fuzz_$target" -max_total_time=$((minutes * 60)) -max_len=1048576 \
        -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$target-" \
        "build-fuzz/corpus/$target" "fuzz/corpus/$target" >"build-fuzz/logs/$target.log" 2>&1 || failed+=("$target")
    grep -E '^#[0-9]+ *DONE|stat::number_of_executed_units|cov:' "build-fuzz/logs/$target.log" | tail -2
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "findings in: ${failed[*]} (see build-fuzz/logs and build-fuzz/findings)"
    exit 1
fi
