#!/usr/bin/env bash
# Builds the program alone, stages it with the data it ships into run/ as a portable copy and
# starts it there. What learners wrote in run/ (Usuarios, Claves, Estadisticas,
# actual.rtf) is never touched.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh run
# Only the program: the tests, benchmarks and artwork generator are left out of this configure.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTECLORA_TESTS=OFF -DTECLORA_BENCHMARKS=OFF -DTECLORA_TOOLS=OFF
cmake --build build --target teclora -j "$(nproc)"
mkdir -p run/Usuarios run/Claves
# The shipped tree is replaced whole, so lessons removed from data/ do not linger.
rm -rf run/Ejercicios run/Examenes run/idiomas run/banderas run/gifs run/imagenes
cp -a data/. run/
cp build/app/teclora build/app/teclora-sound.so run/
exec run/teclora "$@"
