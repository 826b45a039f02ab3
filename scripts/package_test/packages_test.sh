# Stage "packages": the zips and the .deb built and checked; the .deb unpacked into a scratch
# root, its launcher started there as a player does (HOME in a scratch folder), under a desktop's
# window manager (its Alt+Space its own), the game shown answering real X input.
packages_stage() {
    cmake --preset windows >/dev/null && cmake --build --preset package
    local v && v=$(version build/windows)
    local deb=build/windows/packages/veltro_${v}_amd64.deb root="$scratch/root" home="$scratch/home" window at game unlike="" x="" y=""
    for zip in win64:bin win32:x86/bin; do
        check "files in the ${zip%%:*} zip" "Veltro-$v/README.txt Veltro-$v/Veltro.exe" "$(unzip -Z1 build/windows/packages/Veltro-$v-${zip%%:*}.zip | sort | xargs)"
        check "the ${zip%%:*} zip's Veltro.exe" same "$(unzip -p build/windows/packages/Veltro-$v-${zip%%:*}.zip Veltro-$v/Veltro.exe | cmp -s - build/windows/${zip#*:}/Veltro.exe && echo same)"
    done
    # The oldest Windows that the player's notes name was read from the games' headers and
    # imports; scripts/package_test/imports.txt holds those that it allows.
    check "what the games ask of Windows beyond scripts/package_test/imports.txt" "" "$(for exe in build/windows/{,x86/}bin/Veltro.exe; do
        x86_64-w64-mingw32-objdump -p $exe | awk '/^MajorSubsystemVersion/ {major = $2} /^MinorSubsystemVersion/ {print "subsystem", major "." $2}
            /DLL Name:/ {dll = tolower($3)} /^\t[0-9a-f]+\t +[0-9]+ +[^ ]+$/ {print dll, $3}'
        done | LC_ALL=C sort -u | LC_ALL=C comm -13 scripts/package_test/imports.txt -)"
    check "files in the .deb, against scripts/package_test/deb-files.txt" "" \
        "$(dpkg-deb -c $deb | awk '!/^d/ {print substr($6, 2)}' | LC_ALL=C sort | diff -U0 --label expected --label actual scripts/package_test/deb-files.txt -)"
    check "lintian's errors and warnings" "" "$(lintian $deb 2>/dev/null | grep -E '^[EW]:' || true)"
    rm -rf "$root" "$home" && mkdir -p "$home" "$scratch/no-locales" && dpkg-deb -x $deb "$root"
    check "the packaged Veltro.exe" same "$(same build/windows/bin/Veltro.exe "$root/usr/lib/veltro/Veltro.exe")"

    on_screen && export WINEPREFIX="$home/.local/share/veltro/wine"
    openbox >/dev/null 2>&1 & wm=$!
    timeout 20 sh -c 'until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window; do sleep 0.1; done'
    # As a player starts it: C.UTF-8, no other locale (an empty LOCPATH hides any), no XDG folders.
    env -u XDG_DATA_HOME -u LANGUAGE LANG=C.UTF-8 LC_ALL=C.UTF-8 LOCPATH="$scratch/no-locales" HOME="$home" \
        timeout 300 "$root/usr/games/veltro" >"$scratch/launcher.log" 2>&1 & game=$!
    window=$(until_true 180 veltro_game_windows | head -n 1) || true
    check "the launcher's window" shown "${window:+shown}"
    check "the launcher's first words" "Making the Wine prefix $WINEPREFIX (first start only, about 10 seconds)" "$(head -n 1 "$scratch/launcher.log")"
    play "the game is up" ready
    # A click on the icon in the title bar, then H. The icon is where the window shows the
    # .deb's 16-pixel one (the game's own) pixel for pixel; the click goes to its middle.
    import -window "$window" "$scratch/window.png"
    at=$(compare -metric AE -subimage-search "$scratch/window.png" "$root/usr/share/icons/hicolor/16x16/apps/veltro.png" null: 2>&1) || true
    [[ $at =~ ^([0-9]+)\ .*@\ ([0-9]+),([0-9]+)$ ]] && unlike=${BASH_REMATCH[1]} x=${BASH_REMATCH[2]} y=${BASH_REMATCH[3]}
    check "pixels unlike the .deb's 16-pixel icon where the title bar shows it" 0 "${unlike:-$at}"
    [ -n "$x" ] && xdotool mousemove --window "$window" $((x + 8)) $((y + 8)) click 1
    play "the click on the icon opens the game's system menu" menu
    xdotool key h
    play "its 帮助 opens the Help box" help
    play "its 关闭 is pressed" close
    exits_0 "the launcher's exit status once the game is closed" $game
    runs "the window tests of fonts and texts in the launcher's prefix" wine build/windows/bin/veltro-ui-tests.exe \
        --gtest_color=no --gtest_filter='WinePrefix.*:MainWindowTest.SystemMenuDrawsTheChineseOfItsItems'
    play_in "$root/usr/lib/veltro" $through  # the only play-through under a window manager
    off_screen
}
