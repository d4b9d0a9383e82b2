#!/usr/bin/env bash
# Builds Teclora, stages it with the data it ships into run/ and starts it there. What learners
# wrote in run/ (Usuarios, Claves, Estadisticas, actual.rtf) is never touched.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
mkdir -p run/Usuarios run/Claves
# The shipped tree is replaced whole, so lessons removed from data/ do not linger.
rm -rf run/Ejercicios run/idiomas run/banderas run/gifs run/imagenes
cp -a data/. run/
cp build/app/teclora run/teclora
exec run/teclora
