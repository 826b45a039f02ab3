# Stage "packages": builds the zips, the installer and the .deb and checks them, unpacks
# the .deb into a scratch root and starts its launcher there (HOME in a scratch folder)
# on a private screen under a desktop's window manager, as a player does.
packages_stage() {
    cmake --preset windows >/dev/null && cmake --build --preset package
    local v && v=$(version build/windows)
    local deb=build/windows/packages/veltro_${v}_amd64.deb root="$scratch/root" home="$scratch/home" status=0 game window at
    for zip in win64:bin win32:x86/bin; do
        check "files in the ${zip%%:*} zip" "Veltro-$v/README.txt Veltro-$v/Veltro.exe" "$(unzip -Z1 build/windows/packages/Veltro-$v-${zip%%:*}.zip | sort | xargs)"
        check "the ${zip%%:*} zip's Veltro.exe" same "$(unzip -p build/windows/packages/Veltro-$v-${zip%%:*}.zip Veltro-$v/Veltro.exe | cmp -s - build/windows/${zip#*:}/Veltro.exe && echo same)"
    done
    check_lines "files in the .deb" scripts/package_test/deb-files.txt < <(dpkg-deb -c $deb | awk '!/^d/ {print substr($6, 2)}' | LC_ALL=C sort)
    check "lintian's errors and warnings" "" "$(lintian $deb 2>/dev/null | grep -E '^[EW]:' || true)"
    rm -rf "$root" "$home" && mkdir -p "$home" "$scratch/no-locales" && dpkg-deb -x $deb "$root"
    check "the packaged Veltro.exe" same "$(same build/windows/bin/Veltro.exe "$root/usr/lib/veltro/Veltro.exe")"

    on_screen && export WINEPREFIX="$home/.local/share/veltro/wine"
    # A desktop's window manager, as a player has one; its Alt+Space is its own.
    openbox >/dev/null 2>&1 & wm=$!
    timeout 20 sh -c 'until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window; do sleep 0.1; done'
    # As a player starts it: C.UTF-8, no other locale on the machine (an empty
    # LOCPATH hides any generated one), no XDG folders set.
    env -u XDG_DATA_HOME -u LANGUAGE LANG=C.UTF-8 LC_ALL=C.UTF-8 LOCPATH="$scratch/no-locales" HOME="$home" \
        timeout 300 "$root/usr/games/veltro" >"$scratch/launcher.log" 2>&1 & game=$!
    window=$(until_true 180 game_windows | head -n 1) || true
    check "the launcher's window" shown "${window:+shown}"
    check "the launcher's first words" "Making the Wine prefix $WINEPREFIX (first start only, about 10 seconds)" "$(head -n 1 "$scratch/launcher.log")"
    play "the game is up" ready
    # A click on the icon in the title bar, then H: the real X input of a player. The
    # icon is where the window shows the .deb's 16-pixel one (the game's) pixel for pixel.
    import -window "$window" "$scratch/window.png"
    at=$(compare -metric AE -subimage-search "$scratch/window.png" "$root/usr/share/icons/hicolor/16x16/apps/veltro.png" null: 2>&1) || true
    check "pixels unlike the .deb's 16-pixel icon where the title bar shows it" 0 "${at%% *}"
    [[ $at =~ @\ ([0-9]+),([0-9]+)$ ]] && xdotool mousemove --window "$window" $((BASH_REMATCH[1] + 8)) $((BASH_REMATCH[2] + 8)) click 1
    play "the click on the icon opens the game's system menu" menu
    xdotool key h
    play "its 帮助 opens the Help box" help
    play "its 关闭 is pressed" close
    wait $game || status=$?
    check "the launcher's exit status once the game is closed" 0 $status
    wine_run build/windows/bin/veltro-ui-tests.exe --gtest_color=no \
        --gtest_filter='WineFonts.*:MainWindowTest.ShowsItsTextsInChinese'
    play_in "$root/usr/lib/veltro" build/windows/bin/veltro-play-through.exe
    kill "$wm" && wm=""
    veltro_wine_stop
}
