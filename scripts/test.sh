#!/usr/bin/env bash
# Builds the native core and the Windows program and runs every test: the core's
# under AddressSanitizer and UndefinedBehaviorSanitizer, the window tests and the
# play-through under Wine, the soak, then a one-minute fuzz run of answer judging.
# Ends with one line, "veltro: N passed, M failed", counted from the runners' own results.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh || exit 1
cmake --preset native >/dev/null && cmake --build --preset native || exit 1
cmake --preset windows >/dev/null && cmake --build --preset windows || exit 1

logs=build/test-logs
mkdir -p "$logs"
rm -f "$logs"/*.log

# Runs one stage, keeping its output for the count below.
stage() {
    local name=$1
    shift
    "$@" 2>&1 | tee "$logs/$name.log"
}

source scripts/wine-session.sh
stage native ctest --preset native
echo "== Window tests and the play-through under Wine"
veltro_in_wine_session bash -c '
    ctest --preset windows -LE soak 2>&1 | tee build/test-logs/windows.log
    echo "== Soak: 1001 player actions in a row under Wine (about a minute)"
    ctest --preset windows -L soak 2>&1 | tee build/test-logs/soak.log'
echo "== Fuzz: libFuzzer on answer judging for ${VELTRO_FUZZ_SECONDS:-60} s"
stage fuzz scripts/fuzz.sh "${VELTRO_FUZZ_SECONDS:-60}"

# ctest closes with "N% tests passed, F tests failed out of T"; the fuzz run is one test.
passed=0
failed=0
for log in "$logs"/native.log "$logs"/windows.log "$logs"/soak.log; do
    read -r f t < <(tr -d '\r' <"$log" | sed -n 's/.*tests passed, \([0-9]*\) tests\? failed out of \([0-9]*\).*/\1 \2/p' | tail -n 1)
    if [ -z "${t:-}" ]; then
        echo "veltro: no test result in $log" >&2
        failed=$((failed + 1))
        continue
    fi
    passed=$((passed + t - f))
    failed=$((failed + f))
done
if grep -q '^fuzz: .* no findings' "$logs/fuzz.log"; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
echo "veltro: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
