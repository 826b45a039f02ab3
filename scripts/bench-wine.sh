#!/usr/bin/env bash
# Cross-builds veltro-wine-bench.exe (preset "windows") and runs it under Wine on a
# private Xvfb display and Wine prefix: the solution list of 12 12 12 12 in a real
# list box and the start-up of Veltro.exe to its cards. Arguments go to the
# program, e.g. scripts/bench-wine.sh --min_time=5 --launches=20.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset windows >/dev/null
cmake --build --preset windows --target veltro-wine-bench

source scripts/wine-env.sh
trap veltro_wine_stop EXIT
trap "exit 130" INT TERM
veltro_wine_start

cd build/windows/bin
wine veltro-wine-bench.exe "$@"
