#!/usr/bin/env bash
# Builds the native core, the Windows program with g++ and with clang, and runs every
# test: the core's under AddressSanitizer and UndefinedBehaviorSanitizer; the window
# tests and the play-through under Wine for both builds; the soak; the packages; then
# a one-minute fuzz run of answer judging. Ends with one line, "veltro: N passed,
# M failed", counted from the runners' own results.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh || exit 1
for preset in native windows windows-clang; do
    echo "== Building: $preset"
    { cmake --preset $preset >/dev/null && cmake --build --preset $preset; } || exit 1
done

logs=build/test-logs
mkdir -p "$logs"
rm -f "$logs"/*.log

echo "== Core tests"
ctest --preset native 2>&1 | tee "$logs/native.log"
source scripts/wine-session.sh
echo "== Window tests and the play-through under Wine"
veltro_in_wine_session bash -c '
    ctest --preset windows -LE soak 2>&1 | tee build/test-logs/windows.log
    echo "== Soak: 1001 player actions in a row under Wine (about a minute)"
    ctest --preset windows -L soak 2>&1 | tee build/test-logs/soak.log
    echo "== Window tests and the play-through of the clang build"
    ctest --preset windows-clang -LE soak 2>&1 | tee build/test-logs/clang.log'
echo "== Packages: the zip, the .deb and its launcher; the clang build's resources"
scripts/package_test.sh 2>&1 | tee "$logs/package.log"
echo "== Fuzz: libFuzzer on answer judging for ${VELTRO_FUZZ_SECONDS:-60} s"
scripts/fuzz.sh "${VELTRO_FUZZ_SECONDS:-60}" 2>&1 | tee "$logs/fuzz.log"

# ctest closes with "N% tests passed, F tests failed out of T", the package checks
# with "package-test: P passed, F failed"; the fuzz run is one test.
passed=0
failed=0
tally() {  # NAME PASSED FAILED; no figures: the stage gave no result
    if [ -z "$3" ]; then
        echo "veltro: no test result from $1" >&2
        failed=$((failed + 1))
    else
        passed=$((passed + $2))
        failed=$((failed + $3))
    fi
}
for log in native windows soak clang; do
    read -r f t < <(tr -d '\r' <"$logs/$log.log" | sed -n 's/.*tests passed, \([0-9]*\) tests\? failed out of \([0-9]*\).*/\1 \2/p' | tail -n 1)
    tally "$log" "$((${t:-0} - ${f:-0}))" "${f:-}"
    f="" t=""
done
read -r p f < <(sed -n 's/^package-test: \([0-9]*\) passed, \([0-9]*\) failed$/\1 \2/p' "$logs/package.log" | tail -n 1)
tally package "${p:-0}" "${f:-}"
if grep -q '^fuzz: .* no findings' "$logs/fuzz.log"; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
echo "veltro: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
