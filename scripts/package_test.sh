#!/usr/bin/env bash
# The packages as a player gets them: scripts/package_test.sh [STAGE...] (by default packages
# prefix installer clang docs; twice when named). STAGE_stage, in scripts/package_test/STAGE_test.sh,
# says what it checks; the helpers they share are here. Each check adds a line to a results
# file, counted at the end (one made in a subshell too): "package-test: N passed, M failed".
set -euo pipefail
cd "$(dirname "$0")/.."
scratch="$PWD/build/package-test" wm=""
mkdir -p "$scratch" && results="$scratch/results" && : >"$results"
through=build/windows/bin/veltro-play-through.exe

check() {  # WHAT EXPECTED ACTUAL
    [ "$2" = "$3" ] && echo "passed: $1" >>"$results" && return
    echo "FAILED: $1" | tee -a "$results"
    local expected=${2:-(nothing)} actual=${3:-(nothing)}
    printf '  expected: %s\n  actual:   %s\n' "${expected//$'\n'/$'\n'            }" "${actual//$'\n'/$'\n'            }"
}
runs() { check "$1" 0 "$("${@:2}" >&2; echo $?)"; }  # WHAT COMMAND...: ends with 0 (it says why not)
play() { runs "$1" wine $through "$2"; }  # WHAT VERB: the play-through's VERB on the game a player started
play_in() { runs "$1/Veltro.exe played through" sh -c 'cd "$1" && wine "$2" Veltro.exe' - "$1" "$PWD/$2"; }  # DIR PLAY-THROUGH
exits_0() { local status=0 && wait "$2" || status=$? && check "$1" 0 $status; }  # WHAT PID
same() { cmp -s "$1" "$2" && echo same || echo different; }
version() { sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$1/CPackConfig.cmake"; }  # project()'s, as CPack has it
until_true() {  # SECONDS TEST...: polls TEST until it holds, for at most SECONDS
    local end=$((SECONDS + $1)) && shift
    until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.05; done
}
game_windows() { xdotool search --name "^$veltro_caption\$" 2>/dev/null; }  # fails while none is shown
shown() { [ "$(game_windows | wc -l)" -ge "$1" ]; }
fewer() { [ "$(game_windows | wc -l)" -lt "$1" ]; }
on_screen() { trap off_screen EXIT && veltro_start_xvfb; }  # a private X screen for Wine, all stopped on exit
off_screen() { wineserver -k 2>/dev/null || true; kill $wm 2>/dev/null || true; wm="" && veltro_wine_stop; }

source scripts/wine-session.sh
for stage in scripts/package_test/*_test.sh; do source "$stage"; done
for stage in ${*:-packages prefix installer clang docs}; do "${stage}_stage"; done
grep '^FAILED' "$results" || true
echo "package-test: $(grep -c '^passed' "$results") passed, $(grep -c '^FAILED' "$results") failed"
[ "$(grep -c '^FAILED' "$results")" = 0 ]  # and not when the file is gone
