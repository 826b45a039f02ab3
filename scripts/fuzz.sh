#!/usr/bin/env bash
# Fuzzes judging an answer (preset "fuzz", clang++ with libFuzzer, ASan, UBSan)
# for SECONDS seconds, default 60; a longer run is e.g. scripts/fuzz.sh 3600. Further
# arguments go to ctest (the test command passes --output-junit). The corpus grows
# in build/fuzz/corpus from the seeds in fuzz/corpus; a crashing input is kept in
# build/fuzz/crashes, and the run fails.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
    echo "usage: scripts/fuzz.sh [SECONDS [CTEST-ARGUMENTS...]]" >&2
    exit 2
fi
shift || true

cmake --preset fuzz -DVELTRO_FUZZ_SECONDS="$seconds" >/dev/null
cmake --build --preset fuzz --target veltro_fuzz_judge
status=0
ctest --preset fuzz "$@" || status=$?
executions=$(sed -n 's/^stat::number_of_executed_units: *//p' build/fuzz/Testing/Temporary/LastTest.log | tail -n 1)
echo "fuzz: ${executions:-?} executions in $seconds s, $(find build/fuzz/corpus -type f | wc -l) inputs in the corpus"
exit $status
