#!/usr/bin/env bash
# The project's Wine session: a private Xvfb screen and a persistent wineserver on
# the project's own prefix, in the plain C.UTF-8 locale: the programs' manifest, not
# the locale, gives them the GBK code page.
#
#   scripts/wine-session.sh COMMAND [ARGS...]
#
# runs the command inside a session and stops the session afterwards; inside a
# session already running it just runs the command. ctest uses it as the Windows
# build's emulator ("scripts/wine-session.sh wine PROGRAM"); the test, play,
# screenshot and benchmark commands run their stages through it.
#
# VELTRO_DPI (default 96) is the display scale the session runs at, Windows' LogPixels:
# 120 is 125 %, 144 is 150 %, 192 is 200 %. A scale other than 96 has a prefix of its
# own, build/wineprefix-DPI, so that sessions at two scales can follow each other
# without rewriting one prefix; VELTRO_WINEPREFIX names another prefix instead, one
# for Veltro alone: a prefix these scripts did not make is deleted and made anew.

veltro_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# The game window's caption, as the program's text table gives it, for finding the window.
veltro_caption="$(sed -n 's/^#define TEXT_CAPTION "\(.*\)"$/\1/p' "$veltro_root/common/texts.h")"

export VELTRO_DPI="${VELTRO_DPI:-96}"
if [ "$VELTRO_DPI" = 96 ]; then
    export WINEPREFIX="${VELTRO_WINEPREFIX:-$veltro_root/build/wineprefix}"
else
    export WINEPREFIX="${VELTRO_WINEPREFIX:-$veltro_root/build/wineprefix-$VELTRO_DPI}"
fi
# The same settings and prefix making as the installed game's launcher.
source "$veltro_root/packaging/wine-prefix.sh"
# No menu entries on the developer's desktop for the shortcuts the installer test makes.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"

veltro_xvfb_pid=""
veltro_wineserver_pid=""

# The windows of the game on the session's screen, found by their caption; fails while
# none is shown.
veltro_game_windows() {
    xdotool search --name "^$veltro_caption\$" 2>/dev/null
}

# Starts Xvfb on a display it picks itself and exports DISPLAY once it is ready.
veltro_start_xvfb() {
    local fifo display=""
    fifo="$(mktemp -u)"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    veltro_xvfb_pid=$!
    read -r display <"$fifo" || true
    rm -f "$fifo"
    if [ -z "$display" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$display"
}

# Settings of the session's own, in the prefix veltro_make_prefix made; without a window
# manager, Managed=N spares every hidden or destroyed top-level window a two-second wait.
veltro_prepare_prefix() {
    if ! grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    fi
    veltro_set_dpi
}

# Gives the prefix the session's scale, where Windows keeps it, unless it has it already.
veltro_set_dpi() {
    local wanted
    wanted="$(printf '"LogPixels"=dword:%08x' "$VELTRO_DPI")"
    if ! awk -v wanted="$wanted" '/^\[/ { desktop = ($0 ~ /^\[Control Panel\\\\Desktop\]/) }
                                  desktop && $0 == wanted { found = 1 } END { exit !found }' \
            "$WINEPREFIX/user.reg" 2>/dev/null; then
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$VELTRO_DPI" /f >/dev/null 2>&1
    fi
}

veltro_wine_start() {
    export LANG=C.UTF-8
    unset LC_ALL LC_CTYPE LC_MESSAGES LANGUAGE
    veltro_start_xvfb || return 1
    # Made and leaned before the session's server starts on the folder; one made before
    # Wine's 32-bit side was installed runs no 32-bit program: made anew.
    [ -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ] || rm -f "$WINEPREFIX/.veltro-made"
    veltro_make_prefix
    wineserver -f -p &
    veltro_wineserver_pid=$!
    veltro_prepare_prefix
    # Wine's background services inherit the output of the wine call that starts
    # them; started here on /dev/null they cannot hold a caller's pipe open.
    wine wineboot </dev/null >/dev/null 2>&1
    export VELTRO_WINE_SESSION="$DISPLAY" VELTRO_WINE_SESSION_DPI="$VELTRO_DPI"
}

veltro_wine_stop() {
    if [ -n "$veltro_wineserver_pid" ]; then
        wineserver -k 2>/dev/null || true
        kill "$veltro_wineserver_pid" 2>/dev/null || true
        wait "$veltro_wineserver_pid" 2>/dev/null || true
        veltro_wineserver_pid=""
    fi
    if [ -n "$veltro_xvfb_pid" ]; then
        kill "$veltro_xvfb_pid" 2>/dev/null || true
        wait "$veltro_xvfb_pid" 2>/dev/null || true
        veltro_xvfb_pid=""
    fi
    unset VELTRO_WINE_SESSION VELTRO_WINE_SESSION_DPI
}

# Runs the command in the session, starting one for it unless one already runs at the
# same scale: one asked for at another scale gets a session (screen, prefix) of its own.
veltro_in_wine_session() {
    if [ -n "${VELTRO_WINE_SESSION:-}" ] && [ "${VELTRO_WINE_SESSION_DPI:-}" = "$VELTRO_DPI" ]; then
        "$@"
        return
    fi
    trap veltro_wine_stop EXIT
    trap "exit 130" INT TERM
    veltro_wine_start || return 1
    local status=0
    "$@" || status=$?
    veltro_wine_stop
    trap - EXIT INT TERM
    return $status
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -uo pipefail
    if [ $# -eq 0 ]; then
        echo "usage: scripts/wine-session.sh COMMAND [ARGS...]" >&2
        exit 2
    fi
    veltro_in_wine_session "$@"
    exit
fi
