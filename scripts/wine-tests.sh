#!/usr/bin/env bash
# Cross-builds Veltro.exe and its window tests and runs the tests in-process under
# Wine, on a private Xvfb display and Wine prefix that are stopped again on exit.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset windows >/dev/null
cmake --build --preset windows

source scripts/wine-env.sh
trap veltro_wine_stop EXIT
trap "exit 130" INT TERM
veltro_wine_start

status=0
echo "== wine veltro-ui-tests.exe"
wine build/windows/bin/veltro-ui-tests.exe --gtest_color=no || status=1
echo "== wine veltro-play-through.exe (Veltro.exe played from a second process)"
(cd build/windows/bin && wine veltro-play-through.exe Veltro.exe) || status=1
exit $status
