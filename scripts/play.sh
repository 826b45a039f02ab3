#!/usr/bin/env bash
# Builds Veltro.exe and starts the game under Wine on your display. Without a
# display it runs the game in the project's Wine session, on a private Xvfb screen,
# and saves a screenshot of it to build/veltro.png instead.
#
# scripts/play.sh web builds the page instead (build/web/site) and serves it on
# http://127.0.0.1:8024/ (or the port in VELTRO_WEB_PORT) until Ctrl+C.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = web ]; then
    scripts/install-deps.sh web
    cmake --preset web >/dev/null
    cmake --build --preset web
    exec web/serve.py --port "${VELTRO_WEB_PORT:-8024}" build/web/site
fi

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Veltro
game="$PWD/build/windows/bin/Veltro.exe"

if [ -n "${DISPLAY:-}" ]; then
    # A prefix of its own: the tests' prefix leaves windows unmanaged, which
    # suits a screen without a window manager but not a desktop.
    export VELTRO_WINEPREFIX="$PWD/build/wineprefix-play"
    source scripts/wine-session.sh
    veltro_make_prefix
    exec wine "$game"
fi

# On the private screen: wait for the window, let the first clock tick show, photograph it, close it.
photograph() {
    wine "$1" &
    local game_pid=$! window=""
    for _ in $(seq 100); do
        window=$(veltro_game_windows | head -n 1) && [ -n "$window" ] && break
        sleep 0.1
    done
    sleep 2
    import -window "$window" build/veltro.png
    wineserver -k 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
}
source scripts/wine-session.sh
veltro_in_wine_session photograph "$game"
echo "No display: the game ran on a private screen; its window is in build/veltro.png"
