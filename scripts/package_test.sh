#!/usr/bin/env bash
# Stages: "packages" builds the zips, the installer and the .deb, checks them, unpacks
# the .deb into a scratch root and starts its launcher there (HOME in a scratch folder)
# on a private screen; "installer" runs the installer silently in a scratch 64-bit and
# a scratch 32-bit Wine prefix, plays the game it installed and uninstalls it again;
# "clang" compares the resources of the clang build (clang, lld, llvm-rc; its window
# tests are ctest's) with the g++ build's; "twice" builds HEAD in two fresh folders
# and compares the bytes. Default: packages installer clang.
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
    check "the launcher's first words" "Making the Wine prefix $WINEPREFIX (first start only, 10 to 20 seconds)" "$(head -n 1 "$scratch/launcher.log")"
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
        --gtest_filter='WineFonts.*:MainWindowTest.ShowsItsTextsInChinese'
    play_in "$root/usr/lib/veltro" build/windows/bin/veltro-play-through.exe
    kill "$wm" && wm=""
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
for stage in ${*:-packages installer clang}; do "${stage}_stage"; done
echo "package-test: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
