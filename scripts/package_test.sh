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

# WHAT EXPECTED ACTUAL: a line in the results; on a failure, both values shown.
check() {
    if [ "$2" = "$3" ]; then
        echo "passed: $1" >>"$results"
        return
    fi
    echo "FAILED: $1" | tee -a "$results"
    local expected=${2:-(nothing)} actual=${3:-(nothing)}
    printf '  expected: %s\n  actual:   %s\n' "${expected//$'\n'/$'\n'            }" "${actual//$'\n'/$'\n'            }"
}

# WHAT COMMAND...: the command ends with 0; what it says goes to standard error.
runs() {
    local status=0
    "${@:2}" >&2 || status=$?
    check "$1" 0 "$status"
}

# WHAT VERB: the play-through's VERB on the game a player started.
play() {
    runs "$1" wine $through "$2"
}

# DIR PLAY-THROUGH: the play-through run in DIR on the Veltro.exe there.
play_in() {
    runs "$1/Veltro.exe played through" sh -c 'cd "$1" && wine "$2" Veltro.exe' - "$1" "$PWD/$2"
}

# WHAT PID: the process, started by this shell, ends with 0.
exits_0() {
    local status=0
    wait "$2" || status=$?
    check "$1" 0 "$status"
}

# FILE FILE: "same" when the two are equal byte for byte, otherwise "different".
same() {
    if cmp -s "$1" "$2"; then
        echo same
    else
        echo different
    fi
}

# BUILD-FOLDER: the version of project(), as CPack has it.
version() {
    sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$1/CPackConfig.cmake"
}

# SECONDS TEST...: polls TEST until it holds, for at most SECONDS; fails if it never does.
until_true() {
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        if [ $SECONDS -ge $end ]; then
            return 1
        fi
        sleep 0.05
    done
}

# N: at least N windows of the game are shown.
shown() {
    [ "$(veltro_game_windows | wc -l)" -ge "$1" ]
}

# N: fewer than N windows of the game are shown.
fewer() {
    [ "$(veltro_game_windows | wc -l)" -lt "$1" ]
}

# A private X screen for Wine, all of it stopped when the script ends.
on_screen() {
    trap off_screen EXIT
    veltro_start_xvfb
}

# Stops Wine, the window manager if one was started, and the screen.
off_screen() {
    wineserver -k 2>/dev/null || true
    if [ -n "$wm" ]; then
        kill "$wm" 2>/dev/null || true
        wm=""
    fi
    veltro_wine_stop
}

source scripts/wine-session.sh
for stage in scripts/package_test/*_test.sh; do source "$stage"; done
for stage in ${*:-packages prefix installer clang docs}; do "${stage}_stage"; done
grep '^FAILED' "$results" || true
echo "package-test: $(grep -c '^passed' "$results") passed, $(grep -c '^FAILED' "$results") failed"
[ "$(grep -c '^FAILED' "$results")" = 0 ]  # and not when the file is gone
