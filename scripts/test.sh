#!/usr/bin/env bash
# Builds the native core and the Windows program and runs every test: the core's
# under AddressSanitizer and UndefinedBehaviorSanitizer, the window's under Wine,
# the packages and the clang build (scripts/package_test.sh),
# then a one-minute fuzz run of answer judging. Ends with one summary line.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

logs=build/test-logs
mkdir -p "$logs"

cmake --preset native
cmake --build --preset native
ctest --preset native 2>&1 | tee "$logs/native.log"

scripts/wine-tests.sh 2>&1 | tee "$logs/wine.log"

scripts/package_test.sh 2>&1 | tee "$logs/package.log"

scripts/fuzz.sh "${VELTRO_FUZZ_SECONDS:-60}" 2>&1 | tee "$logs/fuzz.log"

# Every stage above stops the script when it fails, so reaching here means all passed.
native=$(tr -d '\r' <"$logs/native.log" | sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p')
wine=$(tr -d '\r' <"$logs/wine.log" | sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\./\1/p')
play=$(tr -d '\r' <"$logs/wine.log" | sed -n 's/^play-through: \([0-9]*\) passed, 0 failed/\1/p')
package=$(tr -d '\r' <"$logs/package.log" | sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\./\1/p; s/^[a-z-]*: \([0-9]*\) passed, 0 failed/\1/p' | awk '{n += $1} END {print n + 0}')
echo "native ${native:-0}, wine ${wine:-0}, play-through ${play:-0}, packages and clang build $package, fuzz 1"
echo "veltro: $(( ${native:-0} + ${wine:-0} + ${play:-0} + package + 1 )) passed, 0 failed"
