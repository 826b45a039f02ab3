#!/usr/bin/env bash
# Builds the native core, the Windows program with g++ (64 and 32 bits) and with
# clang, and the page, and runs every test: the core's under AddressSanitizer and
# UndefinedBehaviorSanitizer; the page's in headless Chromium; the window tests and the play-through under Wine for
# the three builds, and those that read the cards and the layout again at 200 %;
# the soak; the packages and the installer, and the names and links of the README
# and docs/; and a one-minute fuzz run of answer judging. Every stage is a ctest run
# that leaves a JUnit file and says how long it took; the closing line, "veltro: N
# passed, M failed", is counted from those files, and a run that failed with no
# failing test in its file counts one failure.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh || exit 1
for preset in native windows windows-clang web; do
    echo "== Building: $preset"
    { cmake --preset $preset >/dev/null && cmake --build --preset $preset; } || exit 1
done

results="$PWD/build/test-results"
rm -rf "$results" && mkdir -p "$results"
stages=() failed_runs=" "
# NAME TITLE COMMAND...: runs the stage's ctest command, its results in NAME.xml, and
# says how long it took.
stage() {
    local name=$1 start=$SECONDS
    echo "== $2"
    stages+=("$name")
    "${@:3}" --output-junit "$results/$name.xml" || failed_runs+="$name "
    echo "== $name: $((SECONDS - start)) s"
}
in_wine() {
    stage windows "Window tests and the play-through under Wine" ctest --preset windows
    stage soak "Soak: 1001 player actions in a row under Wine (about a minute)" ctest --preset windows-soak
    stage windows32 "Window tests and the play-through of the 32-bit build" ctest --preset windows-32
    stage clang "Window tests and the play-through of the clang build" ctest --preset windows-clang
}

# The fuzz run keeps one core busy while the Wine stages, which mostly wait on one
# another's messages, use the other; its lines are shown in its turn.
fuzz_log="$results/fuzz.log"
stages+=(fuzz)
scripts/fuzz.sh "${VELTRO_FUZZ_SECONDS:-60}" --output-junit "$results/fuzz.xml" >"$fuzz_log" 2>&1 &
fuzz_pid=$!

stage core "Core tests" ctest --preset native -j "$(nproc)"
stage web "The page in headless Chromium: played through, judged and listed as veltro-cli does, on a phone, offline" \
    ctest --preset web
source scripts/wine-session.sh
veltro_in_wine_session in_wine
stage dpi192 "Window tests at 200 % (192 DPI) under Wine, in a prefix of that scale" \
    env VELTRO_DPI=192 scripts/wine-session.sh ctest --preset windows-192
stage packages "Packages: the zips, the installer round trip, the .deb and its launcher; the clang build's resources; the README's names and links" \
    ctest --preset packages
echo "== Fuzz: libFuzzer on answer judging for ${VELTRO_FUZZ_SECONDS:-60} s, beside the stages above"
wait "$fuzz_pid" || failed_runs+="fuzz "
cat "$fuzz_log"

# FILE: "TESTS FAILURES DISABLED SKIPPED", the attributes of a JUnit file's <testsuite>
# element as an XML parser (xmllint) reads them; nothing if the file or one of them is missing.
junit_counts() {
    local attribute value counts=()
    for attribute in tests failures disabled skipped; do
        value=$(xmllint --xpath "string(/testsuite/@$attribute)" "$1" 2>/dev/null) || return 0
        [[ "$value" =~ ^[0-9]+$ ]] || return 0
        counts+=("$value")
    done
    echo "${counts[*]}"
}

passed=0 failed=0
for name in "${stages[@]}"; do
    read -r tests failures disabled skipped <<<"$(junit_counts "$results/$name.xml")"
    if [ -z "${tests:-}" ]; then
        echo "veltro: no test results from the $name stage" >&2
        failed=$((failed + 1))
        continue
    fi
    passed=$((passed + tests - failures - disabled - skipped))
    failed=$((failed + failures))
    if [[ "$failed_runs" == *" $name "* ]] && [ "$failures" -eq 0 ]; then
        echo "veltro: the $name stage failed outside its tests" >&2
        failed=$((failed + 1))
    fi
done
echo "== all stages: $SECONDS s"
echo "veltro: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
