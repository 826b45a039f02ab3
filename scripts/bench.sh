#!/usr/bin/env bash
# Builds the benchmarks in Release (preset "bench") and runs them, five repetitions
# of each in random order so that the search and its floor share the machine's
# moods; arguments go to Google Benchmark, e.g. scripts/bench.sh --benchmark_filter=all_1820.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset bench >/dev/null
cmake --build --preset bench --target veltro_bench
build/bench/bench/veltro_bench --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true "$@"
