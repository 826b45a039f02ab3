#!/usr/bin/env bash
# The page's figures (a benchmark, not a test): the first load's bytes over the wire,
# the time from navigation to a dealt hand in headless Chromium, and the search over
# all 1820 hands in WebAssembly beside the same search built natively (Release).
# An argument sets how many first loads are measured (default 5).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset web >/dev/null
cmake --build --preset web --target web_site veltro_search_bench
cmake --preset bench >/dev/null
cmake --build --preset bench --target veltro_search_all_hands
build/bench/bench/veltro_search_all_hands
bench/web/page_bench.py "$@"
