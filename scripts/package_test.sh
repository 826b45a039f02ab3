#!/usr/bin/env bash
# The packages as a player gets them, checked stage by stage:
#
#   scripts/package_test.sh [STAGE...]    default: packages prefix installer clang
#
# Each stage is the function STAGE_stage in scripts/package_test/STAGE_test.sh, which
# says what it checks; "twice" (HEAD built twice afresh, compared byte for byte) runs
# only when named. The helpers the stages share are here. Each check writes a line to
# a results file, so a check made in a subshell or a pipe counts too; the last line,
# "package-test: N passed, M failed", is counted from it, and the exit status is 0
# only when none failed (ctest's verdict).
set -euo pipefail
cd "$(dirname "$0")/.."
scratch="$PWD/build/package-test" wm=""
mkdir -p "$scratch" && results="$scratch/results" && : >"$results"

passes() { echo "passed: $1" >>"$results"; }
fails() { echo "FAILED: $1" >>"$results"; }
check() {  # WHAT EXPECTED ACTUAL
    [ "$2" = "$3" ] && passes "$1" && return
    fails "$1" && printf 'FAILED: %s\n  expected: %s\n  actual:   %s\n' "$1" "${2//$'\n'/$'\n'            }" "${3//$'\n'/$'\n'            }"
}
check_lines() {  # WHAT FILE: the lines on stdin are FILE's, one item a line; else how they differ
    local diff && diff=$(diff -U0 --label "expected ($2)" --label actual "$2" -) && passes "$1" && return
    fails "$1" && printf 'FAILED: %s\n%s\n' "$1" "$diff"
}
same() { cmp -s "$1" "$2" && echo same || echo different; }
# The version the build set: project()'s, as CPack has it.
version() { sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$1/CPackConfig.cmake"; }
# Runners that report their own checks: a failure counts one here.
wine_run() { wine "$@" || fails "wine $*"; }
play_in() {  # DIR PLAY-THROUGH: plays DIR/Veltro.exe through, from DIR
    local here=$PWD
    (cd "$1" && wine "$here/$2" Veltro.exe) || fails "$2 playing $1/Veltro.exe through"
}
play() {  # WHAT VERB: the play-through's VERB on the game a player started
    check "$1" 0 "$(wine build/windows/bin/veltro-play-through.exe "$2" >&2; echo $?)"
}
until_true() {  # SECONDS TEST...: polls TEST until it holds, for at most SECONDS
    local end=$((SECONDS + $1)) && shift
    until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.05; done
}
game_windows() { xdotool search --name '^Veltro$' 2>/dev/null; }  # fails while none is shown
shown() { [ "$(game_windows | wc -l)" -ge "$1" ]; }
fewer() { [ "$(game_windows | wc -l)" -lt "$1" ]; }
on_screen() {  # a private X screen for Wine, it and all of Wine stopped on exit
    source scripts/wine-session.sh
    trap 'wineserver -k 2>/dev/null || true; kill $wm 2>/dev/null || true; veltro_wine_stop' EXIT
    veltro_start_xvfb
}

for stage in scripts/package_test/*_test.sh; do source "$stage"; done
for stage in ${*:-packages prefix installer clang}; do "${stage}_stage"; done
grep '^FAILED' "$results" || true
echo "package-test: $(grep -c '^passed' "$results") passed, $(grep -c '^FAILED' "$results") failed"
! grep -q '^FAILED' "$results"
