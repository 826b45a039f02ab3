#!/usr/bin/env bash
# Fuzzes judging an answer (preset "fuzz", clang++-14 with libFuzzer, ASan, UBSan)
# for SECONDS seconds, default 60; a longer run is e.g. scripts/fuzz.sh 3600.
# The corpus grows in build/fuzz/corpus from the seeds in fuzz/corpus; a crashing
# input is kept in build/fuzz/crashes and the script then exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
    echo "usage: scripts/fuzz.sh [SECONDS]" >&2
    exit 2
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target veltro_fuzz_judge

mkdir -p build/fuzz/corpus build/fuzz/crashes
log=build/fuzz/last-run.log
status=0
build/fuzz/fuzz/veltro_fuzz_judge build/fuzz/corpus fuzz/corpus \
    -dict=fuzz/judge.dict -max_len=64 -timeout=10 -max_total_time="$seconds" \
    -print_final_stats=1 -artifact_prefix=build/fuzz/crashes/ >"$log" 2>&1 || status=$?

executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
if [ -z "$executions" ]; then
    executions=$(sed -n 's/^#\([0-9][0-9]*\).*/\1/p' "$log" | tail -n 1)
fi
corpus=$(find build/fuzz/corpus -type f | wc -l)

if [ "$status" -ne 0 ]; then
    echo "fuzz: FAILED after ${executions:-?} executions (exit status $status); the report:" >&2
    grep -E '^(broken:|hand |text <|reference )|ERROR|SUMMARY|Assertion|Test unit written' "$log" >&2 || tail -n 40 "$log" >&2
    echo "fuzz: full log in $log" >&2
    exit 1
fi
echo "fuzz: ${executions:-?} executions in ${seconds} s, no findings (corpus $corpus inputs)"
