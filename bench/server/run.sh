#!/usr/bin/env bash
# run.sh - the class server's load bench in one command: builds teclora_server_bench when needed
# and runs it against a PostgreSQL server of its own (Debian: postgresql, which
# scripts/install-deps.sh installs), started in a temporary folder and stopped at the end. About 6
# minutes on a 2-core machine; the table of figures comes last on standard output.
# usage: bash bench/server/run.sh [--quick] [--speedup=K] [Google Benchmark options]
#   -h            this help
#   --quick       30 and 200 learners, 10 drills each (about a minute and a half)
#   --speedup=K   plays the lab's 10 minutes K times faster (default 10)
#   BUILD=DIR     the build folder to use (default build/ at the top of the checkout)
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd); ROOT=$(cd "$HERE/../.." && pwd)
BUILD=${BUILD:-$ROOT/build}
if [[ ${1:-} == -h || ${1:-} == --help ]]; then
  sed -n '2,10p' "$0"; exit 0
fi
if [[ ! -f $BUILD/build.ninja ]]; then
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTECLORA_TESTS=ON -DTECLORA_BENCHMARKS=ON
fi
cmake --build "$BUILD" --target teclora_server_bench
exec "$BUILD/bench/teclora_server_bench" "$@"
