# Stage "prefix": the prefix the packaged launcher makes: lean, never writing outside it
# (as root too), mended after a stopped start and after Wine changed, made once by two
# starts at once. The .deb's launcher is started afresh, stopped half way, twice at once,
# in an unfinished prefix, stopped in the lean after its game, and after a change of Wine,
# without a window manager.

# Wine's installed files, each with its size and change time, which any write changes,
# even one of the same bytes; and their checksums.
wine_files() { find /usr/lib/*/wine /usr/lib/wine /usr/share/wine -type f -printf '%p %s %C@\n' 2>/dev/null | sort; }
wine_sums() { find /usr/lib/*/wine /usr/lib/wine /usr/share/wine -type f -print0 2>/dev/null | sort -z | xargs -0 sha256sum; }
since() { local t=$(( (${EPOCHREALTIME/./} - ${started/./}) / 100000 )) && echo "$((t / 10)).$((t % 10))"; }
launch() {  # LOG: the packaged launcher started as a player does, in a process group of its own (no session bus: no notice)
    rm -f "$1"
    setsid env -u XDG_DATA_HOME -u DBUS_SESSION_BUS_ADDRESS -u XDG_RUNTIME_DIR LANG=C.UTF-8 HOME="$home" "$root/usr/games/veltro" >"$1" 2>&1 &
    game=$! started=$EPOCHREALTIME log=$1
}
stop_at() {  # WHAT TEST...: stops the launcher with all it started once TEST holds
    check "$1: reached" yes "$(until_true 120 "${@:2}" && echo yes)"
    { kill -KILL -- -"$game" && wait "$game"; } 2>/dev/null || true
}
up() {  # WHAT WORDS: the game up in its window; the launcher said WORDS
    check "$1: the window within 3 minutes" shown "$(until_true 180 shown 1 && echo shown)"
    echo "package-test: $1: the window after $(since) s"
    play "$1: the game is up" ready
    check "$1: its words" "$2" "$(cat "$log")"
}
closed() {  # WHAT WORDS: as up, then closed by its 关闭; the launcher ends with 0
    up "$@"
    wine $through close >&2 || true
    exits_0 "$1: the launcher's exit status" "$game"
}
placeholder() { head -c 96 "$1" 2>/dev/null | grep -qa 'Wine placeholder DLL'; }
lean() {  # WHAT: a prefix with none of Wine's files copied in or linked to, and Wine's files untouched
    check "$1: the prefix's size under 64 MB (Wine's DLLs not copied)" yes "$(du -sm "$WINEPREFIX" | awk '{print ($1 < 64) ? "yes" : $1 " MB"}')"
    check "$1: links from the prefix into Wine's files" "" "$(find "$WINEPREFIX" -type l -exec realpath -m {} + | grep -E '^/usr/(lib|share)/(.*/)?wine/' || true)"
    check "$1: nothing beside the prefix but its lock" "wine wine.lock" "$(ls -A "$(dirname "$WINEPREFIX")" | xargs)"
    check "$1: Wine's installed files unwritten" "" "$(wine_files | diff - "$scratch/wine-files" || true)"
}

prefix_stage() {
    # The launcher as the .deb of the sources at hand ships it.
    cmake --preset windows >/dev/null && cmake --build --preset package >/dev/null
    local v && v=$(version build/windows)
    local deb=build/windows/packages/veltro_${v}_amd64.deb root="$scratch/prefix-root" home="$scratch/prefix-home" game started log first from
    rm -rf "$root" "$home" && mkdir -p "$home" && dpkg-deb -x "$deb" "$root"
    wine_files >"$scratch/wine-files" && wine_sums >"$scratch/wine-sums"
    on_screen && export WINEPREFIX="$home/.local/share/veltro/wine"
    local making="Making the Wine prefix $WINEPREFIX (first start only, about 10 seconds)"

    launch "$scratch/prefix-1.log" && stop_at "first start stopped while Wine writes the prefix" test -e "$WINEPREFIX/drive_c/windows/system32/kernel32.dll"
    launch "$scratch/prefix-2.log" && stop_at "first start stopped in the settings" test -e "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
    # The second once the first holds the lock, which it says.
    launch "$scratch/prefix-3.log" && first=$game from=$started
    until_true 60 test -s "$scratch/prefix-3.log" || true
    launch "$scratch/prefix-4.log"
    check "the first start's words" "$making" "$(cat "$scratch/prefix-3.log")"
    check "the second start's words, at once" "Waiting for another start to finish the Wine prefix $WINEPREFIX" "$(until_true 10 test -s "$log"; cat "$log")"
    check "two starts at once: two windows" shown "$(until_true 180 shown 2 && echo shown)"
    echo "package-test: first start: the windows after $(started=$from && since) s"
    wine $through close >&2 && until_true 30 fewer 2 || true
    wine $through close >&2 || true
    exits_0 "the first start's exit status" "$first"
    exits_0 "the waiting start's exit status" "$game"
    lean "first start"

    launch "$scratch/prefix-5.log" && closed "second start" ""
    lean "second start"

    # As an earlier launcher left a prefix it was stopped in: some of Wine's files unwritten
    # (which Wine's own update cannot mend), no settings. Its game closed, the launcher leans
    # the prefix it made anew, in order: stopped early on.
    rm -f "$WINEPREFIX"/.veltro-{made,lean} "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" \
        "$WINEPREFIX"/drive_c/windows/system32/{user32,gdi32,comctl32}.dll
    launch "$scratch/prefix-6.log" && up "start in an unfinished prefix" "$making"
    wine $through close >&2 || true
    stop_at "start in an unfinished prefix stopped in the lean" placeholder "$WINEPREFIX/drive_c/windows/system32/advapi32.dll"
    check "the lean stopped half way" "copies left" "$(placeholder "$WINEPREFIX/drive_c/windows/system32/winmm.dll" || echo copies left)"
    launch "$scratch/prefix-7.log" && closed "start after a stopped lean" ""
    lean "start after a stopped lean"

    # As after an upgrade of Wine: the prefix updated and leaned at another wine.inf than the installed one.
    printf '1600000000\r\n' | tee "$WINEPREFIX"/{.update-timestamp,.veltro-made,.veltro-lean} >/dev/null
    launch "$scratch/prefix-8.log" && closed "start after an upgrade of Wine" "Updating the Wine prefix $WINEPREFIX for the installed Wine (about 15 seconds)"
    check "the prefix's update stamp, Wine's wine.inf's time" "$(stat -c %Y /usr/share/wine/wine.inf)" "$(tr -d '\r\n' <"$WINEPREFIX/.update-timestamp")"
    play_in "$root/usr/lib/veltro" $through
    wineserver -w
    lean "start after an upgrade of Wine"
    check "Wine's installed files' checksums" "" "$(wine_sums | diff - "$scratch/wine-sums" || true)"
    off_screen
}
