#!/usr/bin/env bash
# Builds the native core and the Windows program and runs every test: the core's
# under AddressSanitizer and UndefinedBehaviorSanitizer, the window's under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

scripts/wine-tests.sh
