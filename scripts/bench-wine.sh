#!/usr/bin/env bash
# Cross-builds veltro-wine-bench.exe (preset "windows") and runs it in the project's
# Wine session: the solution list of 12 12 12 12 in a real list box and the start-up
# of Veltro.exe to its cards. Arguments go to the program, e.g.
# scripts/bench-wine.sh --min_time=5 --launches=20.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset windows >/dev/null
cmake --build --preset windows --target veltro-wine-bench
cd build/windows/bin
exec ../../../scripts/wine-session.sh wine veltro-wine-bench.exe "$@"
