#!/usr/bin/env bash
# Stages: "packages" builds the zips, the installer and the .deb, checks them, unpacks
# the .deb into a scratch root and starts its launcher there (HOME in a scratch folder)
# on a private screen; "installer" runs the installer silently in a scratch 64-bit and
# a scratch 32-bit Wine prefix, plays the game it installed and uninstalls it again;
# "clang" compares the resources of the clang build (clang, lld, llvm-rc; its window
# tests are ctest's) with the g++ build's; "prefix" starts the .deb's launcher afresh,
# stopped half way, twice at once, in an unfinished prefix and after a change of Wine,
# and checks the prefix it makes and Wine's installed files; "twice" builds HEAD in two
# fresh folders and compares the bytes. Default: packages prefix installer clang.
set -euo pipefail
cd "$(dirname "$0")/.."
scratch="$PWD/build/package-test" passed=0 failed=0 wm=""
check() {  # WHAT EXPECTED ACTUAL
    [ "$2" = "$3" ] && passed=$((passed + 1)) && return
    failed=$((failed + 1)) && printf 'FAILED: %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
}
same() { cmp -s "$1" "$2" && echo same || echo different; }
# The version the build set: project()'s, as CPack has it.
version() { sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$1/CPackConfig.cmake"; }
wine_run() { wine "$@" || failed=$((failed + 1)); }  # a runner that reports its own checks
play_in() {  # DIR PLAY-THROUGH: plays DIR/Veltro.exe through, from DIR (not in a subshell, which would lose the count)
    local here=$PWD
    cd "$1" && wine_run "$here/$2" Veltro.exe
    cd "$here"
}

packages_stage() {
    cmake --preset windows >/dev/null && cmake --build --preset package
    local v && v=$(version build/windows)
    local deb=build/windows/packages/veltro_${v}_amd64.deb root="$scratch/root" home="$scratch/home" status=0 game window X Y
    for zip in win64:bin win32:x86/bin; do
        check "files in the ${zip%%:*} zip" "Veltro-$v/README.txt Veltro-$v/Veltro.exe" "$(unzip -Z1 build/windows/packages/Veltro-$v-${zip%%:*}.zip | sort | xargs)"
        check "the ${zip%%:*} zip's Veltro.exe" same "$(unzip -p build/windows/packages/Veltro-$v-${zip%%:*}.zip Veltro-$v/Veltro.exe | cmp -s - build/windows/${zip#*:}/Veltro.exe && echo same)"
    done
    check "files in the .deb" "games/veltro lib/veltro/Veltro.exe share/applications/veltro.desktop share/doc/veltro/changelog.gz share/doc/veltro/copyright share/icons/hicolor/128x128/apps/veltro.png share/icons/hicolor/16x16/apps/veltro.png share/icons/hicolor/32x32/apps/veltro.png share/icons/hicolor/64x64/apps/veltro.png share/man/man6/veltro.6.gz share/veltro/wine-prefix.sh" "$(dpkg-deb -c $deb | awk '!/^d/ {sub("./usr/", "", $6); print $6}' | sort | xargs)"
    check "lintian's errors and warnings" "" "$(lintian $deb 2>/dev/null | grep -E '^[EW]:' || true)"
    rm -rf "$root" "$home" && mkdir -p "$home" "$scratch/no-locales" && dpkg-deb -x $deb "$root"
    check "the packaged Veltro.exe" same "$(same build/windows/bin/Veltro.exe "$root/usr/lib/veltro/Veltro.exe")"

    source scripts/wine-session.sh
    export WINEPREFIX="$home/.local/share/veltro/wine"
    trap 'wineserver -k 2>/dev/null || true; kill "$wm" 2>/dev/null || true; veltro_wine_stop' EXIT
    veltro_start_xvfb
    # A desktop's window manager, as a player has one; its Alt+Space is its own.
    openbox >/dev/null 2>&1 & wm=$!
    timeout 20 sh -c 'until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window; do sleep 0.1; done'
    # As a player starts it: C.UTF-8, no other locale on the machine (an empty
    # LOCPATH hides any generated one), no XDG folders set.
    env -u XDG_DATA_HOME -u LANGUAGE LANG=C.UTF-8 LC_ALL=C.UTF-8 LOCPATH="$scratch/no-locales" HOME="$home" \
        timeout 300 "$root/usr/games/veltro" >"$scratch/launcher.log" 2>&1 & game=$!
    # Polled: a window that Wine destroys during the search makes xdotool fail.
    window=$(timeout 180 sh -c 'until xdotool search --name "^Veltro\$" 2>/dev/null; do sleep 0.2; done' | head -n 1)
    check "the launcher's window" shown "${window:+shown}"
    check "the launcher's first words" "Making the Wine prefix $WINEPREFIX (first start only, about 10 seconds)" "$(head -n 1 "$scratch/launcher.log")"
    # A click on the icon in the title bar, then H: the real X input of a player,
    # once the game is up.
    check "the game is up" 0 "$(wine build/windows/bin/veltro-play-through.exe ready >&2; echo $?)"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 9)) $((Y + 9)) click 1
    check "the click on the icon opens the game's system menu" 0 "$(wine build/windows/bin/veltro-play-through.exe menu >&2; echo $?)"
    xdotool key h
    check "its 帮助 opens the Help box" 0 "$(wine build/windows/bin/veltro-play-through.exe help >&2; echo $?)"
    check "its 关闭 is pressed" 0 "$(wine build/windows/bin/veltro-play-through.exe close >&2; echo $?)"
    status=0 && wait $game || status=$?
    check "the launcher's exit status once the game is closed" 0 $status
    wine_run build/windows/bin/veltro-ui-tests.exe --gtest_color=no \
        --gtest_filter='WineFonts.*:MainWindowTest.SystemMenuDrawsTheChineseOfItsItems'
    play_in "$root/usr/lib/veltro" build/windows/bin/veltro-play-through.exe
    kill "$wm" && wm=""
    veltro_wine_stop
}

# Wine's installed files, each with its size and change time, which any write changes,
# even one of the same bytes; and their checksums.
wine_files() { find /usr/lib/*/wine /usr/lib/wine /usr/share/wine -type f -printf '%p %s %C@\n' 2>/dev/null | sort; }
wine_sums() { find /usr/lib/*/wine /usr/lib/wine /usr/share/wine -type f -print0 2>/dev/null | sort -z | xargs -0 sha256sum; }
until_true() {  # SECONDS TEST...: polls TEST until it holds, for at most SECONDS
    local end=$((SECONDS + $1)) && shift
    until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.05; done
}
windows() { xdotool search --name '^Veltro$' 2>/dev/null | wc -l; }
shown() { [ "$(windows)" -ge "$1" ]; }
fewer() { [ "$(windows)" -lt "$1" ]; }
since() { local t=$(( (${EPOCHREALTIME/./} - ${started/./}) / 100000 )) && echo "$((t / 10)).$((t % 10))"; }
launch() {  # LOG: the packaged launcher started as a player does, in a process group of its own
    rm -f "$1"
    setsid env -u XDG_DATA_HOME LANG=C.UTF-8 HOME="$home" "$root/usr/games/veltro" >"$1" 2>&1 &
    game=$! started=$EPOCHREALTIME
}
stop_at() {  # WHAT FILE: stops the launcher with all it started once FILE exists
    check "$1: reached" yes "$(until_true 120 test -e "$2" && echo yes)"
    { kill -KILL -- -"$game" && wait "$game"; } 2>/dev/null || true
}
closed() {  # WHAT: the game, up in its window, closed by its 关闭; the launcher ends with 0
    local status=0
    check "$1: the window within 3 minutes" shown "$(until_true 180 shown 1 && echo shown)"
    echo "package-test: $1: the window after $(since) s"
    check "$1: the game is up" 0 "$(wine build/windows/bin/veltro-play-through.exe ready >&2; echo $?)"
    wine build/windows/bin/veltro-play-through.exe close >&2 || true
    wait "$game" || status=$?
    check "$1: the launcher's exit status" 0 $status
}
lean() {  # WHAT: a prefix with none of Wine's files copied in or linked to, and Wine's files untouched
    check "$1: the prefix's size under 64 MB (Wine's DLLs not copied)" yes "$(du -sm "$WINEPREFIX" | awk '{print ($1 < 64) ? "yes" : $1 " MB"}')"
    check "$1: links from the prefix into Wine's files" "" "$(find "$WINEPREFIX" -type l -exec realpath -m {} + | grep -E '^/usr/(lib|share)/(.*/)?wine/' || true)"
    check "$1: nothing beside the prefix but its lock" "wine wine.lock" "$(ls -A "$(dirname "$WINEPREFIX")" | xargs)"
    check "$1: Wine's installed files unwritten" "" "$(wine_files | diff - "$scratch/wine-files" || true)"
}

# The prefix the packaged launcher makes: lean, never writing outside it (as root too),
# mended after a stopped start and after Wine changed, made once by two starts at once.
prefix_stage() {
    # The launcher as the .deb of the sources at hand ships it.
    cmake --preset windows >/dev/null && cmake --build --preset package >/dev/null
    local v && v=$(version build/windows)
    local deb=build/windows/packages/veltro_${v}_amd64.deb root="$scratch/prefix-root" home="$scratch/prefix-home" game started status
    rm -rf "$root" "$home" && mkdir -p "$home" && dpkg-deb -x "$deb" "$root"
    wine_files >"$scratch/wine-files" && wine_sums >"$scratch/wine-sums"
    source scripts/wine-session.sh
    export WINEPREFIX="$home/.local/share/veltro/wine"
    trap 'wineserver -k 2>/dev/null || true; veltro_wine_stop' EXIT
    veltro_start_xvfb

    launch "$scratch/prefix-1.log" && stop_at "first start stopped while Wine writes the prefix" "$WINEPREFIX.new/drive_c/windows/system32/kernel32.dll"
    launch "$scratch/prefix-2.log" && stop_at "first start stopped in the settings" "$WINEPREFIX.new/drive_c/windows/Fonts/marlett.ttf"
    # The second once the first holds the lock, which it says.
    launch "$scratch/prefix-3.log" && local first=$game from=$started
    until_true 60 test -s "$scratch/prefix-3.log" || true
    launch "$scratch/prefix-4.log"
    check "the first start's words" "Making the Wine prefix $WINEPREFIX (first start only, about 10 seconds)" "$(cat "$scratch/prefix-3.log")"
    check "the second start's words, at once" "Waiting for another start to finish the Wine prefix $WINEPREFIX" "$(until_true 10 test -s "$scratch/prefix-4.log"; cat "$scratch/prefix-4.log")"
    check "two starts at once: two windows" shown "$(until_true 180 shown 2 && echo shown)"
    echo "package-test: first start: the windows after $(started=$from && since) s"
    wine build/windows/bin/veltro-play-through.exe close >&2 && until_true 30 fewer 2 || true
    wine build/windows/bin/veltro-play-through.exe close >&2 || true
    status=0 && wait "$first" || status=$?
    check "the first start's exit status" 0 $status
    status=0 && wait "$game" || status=$?
    check "the waiting start's exit status" 0 $status
    lean "first start"

    launch "$scratch/prefix-5.log" && closed "second start"
    check "the second start's words" "" "$(cat "$scratch/prefix-5.log")"
    lean "second start"

    # As an earlier launcher left a prefix it was stopped in: some of Wine's files unwritten
    # (which Wine's own update cannot mend), no settings.
    rm -f "$WINEPREFIX/.veltro-lean" "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" \
        "$WINEPREFIX"/drive_c/windows/system32/{user32,gdi32,comctl32}.dll
    launch "$scratch/prefix-6.log" && closed "start in an unfinished prefix"
    check "its words" "Making the Wine prefix $WINEPREFIX (first start only, about 10 seconds)" "$(cat "$scratch/prefix-6.log")"
    lean "start in an unfinished prefix"

    # As after an upgrade of Wine: the prefix updated and leaned at another wine.inf than the installed one.
    printf '1600000000\r\n' | tee "$WINEPREFIX/.update-timestamp" "$WINEPREFIX/.veltro-lean" >/dev/null
    launch "$scratch/prefix-7.log" && closed "start after an upgrade of Wine"
    check "its words" "Updating the Wine prefix $WINEPREFIX for the installed Wine (about 15 seconds)" "$(cat "$scratch/prefix-7.log")"
    check "the prefix's update stamp, Wine's wine.inf's time" "$(stat -c %Y /usr/share/wine/wine.inf)" "$(tr -d '\r\n' <"$WINEPREFIX/.update-timestamp")"
    play_in "$root/usr/lib/veltro" build/windows/bin/veltro-play-through.exe
    wineserver -w
    lean "start after an upgrade of Wine"
    check "Wine's installed files' checksums" "" "$(wine_sums | diff - "$scratch/wine-sums" || true)"
    veltro_wine_stop
}

installer_stage() {
    local v && v=$(version build/windows)
    local setup="$PWD/build/windows/packages/Veltro-$v-setup.exe" arch game bits installed menu
    local key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Veltro'
    [ -f "$setup" ] || cmake --build --preset package
    source scripts/wine-session.sh
    trap 'wineserver -k 2>/dev/null || true; veltro_wine_stop' EXIT
    veltro_start_xvfb
    for arch in win64 win32; do
        export WINEPREFIX="$scratch/installer-$arch" WINEARCH=$arch
        game=build/windows/bin bits=64 && [ $arch = win64 ] || game=build/windows/x86/bin bits=32
        rm -rf "$WINEPREFIX" && veltro_make_prefix 2>/dev/null
        installed="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/Veltro"
        menu="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Veltro.lnk"
        wine "$setup" /S
        check "$arch: the installer puts the $bits-bit game in place" same "$(same $game/Veltro.exe "$installed/Veltro.exe")"
        check "$arch: a Start menu shortcut" yes "$([ -f "$menu" ] && echo yes)"
        check "$arch: an entry in the installed programs, with the version" "$v" \
            "$(wine reg query "$key" /v DisplayVersion | sed -n 's/.*REG_SZ *\([^\r]*\).*/\1/p')"
        play_in "$installed" $game/veltro-play-through.exe
        wine "$installed/uninstall.exe" /S && wineserver -w
        check "$arch: the silent uninstall leaves no file, shortcut or entry" "" \
            "$(ls -A "$installed" 2>/dev/null; [ -e "$menu" ] && echo shortcut; wine reg query "$key" >/dev/null 2>&1 && echo entry)"
    done
    veltro_wine_stop
}

clang_stage() {
    cmake --preset windows-clang >/dev/null && cmake --build --preset windows-clang
    for build in windows windows-clang; do
        x86_64-w64-mingw32-windres -J coff -O res -i build/$build/bin/Veltro.exe -o "$scratch/$build.res"
    done
    check "the clang build's resources" same "$(same "$scratch/windows.res" "$scratch/windows-clang.res")"
}

twice_stage() {
    for copy in "$scratch/one" "$scratch/two"; do
        echo "package-test: building $(git rev-parse --short HEAD) afresh in $copy (about a minute)"
        rm -rf "$copy" && git clone -q --no-checkout . "$copy/src" && git -C "$copy/src" checkout -q "$(git rev-parse HEAD)"
        cmake -S "$copy/src" -B "$copy/build" -G Ninja --toolchain "$copy/src/cmake/mingw-w64-x86_64.cmake" \
            -DCMAKE_BUILD_TYPE=Release -DVELTRO_WINDOW_TESTS=OFF -DVELTRO_PACKAGES=ON >/dev/null
        cmake --build "$copy/build" --target package >/dev/null
    done
    echo "package-test: comparing the two builds byte for byte"
    local v && v=$(version "$scratch/one/build")
    for file in bin/Veltro.exe x86/bin/Veltro.exe packages/Veltro-$v-win64.zip packages/Veltro-$v-win32.zip \
        packages/Veltro-$v-setup.exe packages/veltro_${v}_amd64.deb; do
        check "$file built twice" same "$(same "$scratch/one/build/$file" "$scratch/two/build/$file")"
    done
}

mkdir -p "$scratch"
for stage in ${*:-packages prefix installer clang}; do "${stage}_stage"; done
echo "package-test: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
