# Stage "packages": the zips and the .deb built and checked; the .deb unpacked into a scratch
# root: its desktop files valid, veltro-cli answering, each icon drawn at its size; its launcher
# started there as a player does (HOME in a scratch folder), under a desktop's window manager
# (its Alt+Space its own): no window of Wine's own while it makes the prefix, a notice through
# notify-send, then the game shown answering real X input.

# The windows that the window manager lists (what a player sees as windows): each time
# the list changes, a line for each window listed, its id and title, then "listed"; the
# first "listed" at once. As long as the X server runs.
listed_windows() {
    local line id
    stdbuf -oL xprop -root -spy _NET_CLIENT_LIST 2>/dev/null | while read -r line; do
        for id in $(grep -o '0x[0-9a-f]*' <<<"$line"); do echo "$((id)) $(xprop -id "$id" WM_NAME 2>/dev/null)"; done
        echo listed
    done
}

# The checks of the files that the .deb installed into ROOT.
installed_files() {
    local root=$1 v=$2 id icon size n p first unlike
    id=$(basename "$root"/usr/share/metainfo/*.metainfo.xml .metainfo.xml)
    check "desktop-file-validate on the installed desktop entry $id.desktop" "" "$(desktop-file-validate "$root/usr/share/applications/$id.desktop" 2>&1)"
    # The software centre's entry, and its desktop entry in the tree. The developer is named
    # both ways, and each release's validator notes the other's way as an info.
    check "appstreamcli validate-tree --pedantic on the installed files" "" \
        "$(appstreamcli validate-tree --pedantic --no-net "$root" 2>&1 | grep -v -e '^✔ Validation was successful' -e '^$' \
            -e "^$id.metainfo.xml$" -e "I: $id:[0-9]*: unknown-tag developer$" -e "I: $id:[0-9]*: developer-name-tag-deprecated$")"
    first=$("$root/usr/games/veltro-cli" solve 1 2 3 4 | head -n 1)
    check "the installed veltro-cli's check of its first solution of 1 2 3 4 ($first)" right \
        "$("$root/usr/games/veltro-cli" check 1 2 3 4 "$first" | cut -f 3)"
    check "the installed veltro-cli's version" "veltro-cli $v" "$("$root/usr/games/veltro-cli" --version)"
    check "bash completes veltro-cli s with the installed completion" solve "$(bash -c 'source "$1" &&
        COMP_WORDS=(veltro-cli s) COMP_CWORD=1 && $(complete -p veltro-cli | grep -o -- "-F [^ ]*" | cut -c 4-) veltro-cli s veltro-cli &&
        echo "${COMPREPLY[*]}"' - "$root/usr/share/bash-completion/completions/veltro-cli")"
    for icon in "$root"/usr/share/icons/hicolor/*x*/apps/"$id".png; do
        size=$(basename "$(dirname "$(dirname "$icon")")") && n=${size%x*}
        check "the $size icon's size" "$size" "$(identify -format %wx%h "$icon")"
        # An enlargement by whole pixels is one by each prime factor of its scale.
        for p in 2 3 5 7 11 13; do
            [ $((n % p)) = 0 ] || continue
            unlike=$(convert "$icon" -sample $((n / p))x$((n / p)) -sample "$size" miff:- | compare -metric AE - "$icon" null: 2>&1) || true
            check "the $size icon drawn at its size, not enlarged from $((n / p)) pixels" drawn \
                "$([[ $unlike =~ ^[1-9][0-9]*$ ]] && echo drawn || echo "enlarged, pixels unlike: $unlike")"
        done
    done
}

packages_stage() {
    cmake --preset windows >/dev/null && cmake --build --preset package
    local v && v=$(version build/windows)
    local deb=build/windows/packages/veltro_${v}_amd64.deb root="$scratch/root" home="$scratch/home" window at game unlike="" x="" y=""
    local notices="$scratch/notices" stub="$scratch/notify-stub"
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
    check "lintian -I --pedantic, its tags but those overridden" "" "$(lintian -I --pedantic $deb 2>/dev/null)"
    rm -rf "$root" "$home" && mkdir -p "$home" "$scratch/no-locales" && dpkg-deb -x $deb "$root"
    check "the packaged Veltro.exe" same "$(same build/windows/bin/Veltro.exe "$root/usr/lib/veltro/Veltro.exe")"
    installed_files "$root" "$v"

    on_screen && export WINEPREFIX="$home/.local/share/veltro/wine"
    openbox >/dev/null 2>&1 & wm=$!
    # The window manager up, its list of windows published (empty).
    timeout 20 sh -c 'until xprop -root _NET_CLIENT_LIST | grep -q WINDOW; do sleep 0.1; done'
    # Every window listed from before the start until the game is up; notify-send a stub that
    # keeps its arguments, on a session bus the launcher takes to be there.
    listed_windows >"$scratch/windows.log" & until_true 10 grep -q '^listed$' "$scratch/windows.log" || true
    rm -rf "$stub" "$notices" && mkdir -p "$stub" && printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s"\n' "$notices" >"$stub/notify-send"
    chmod +x "$stub/notify-send"
    # As a player starts it: C.UTF-8, no other locale (an empty LOCPATH hides any), no XDG folders.
    env -u XDG_DATA_HOME -u LANGUAGE LANG=C.UTF-8 LC_ALL=C.UTF-8 LOCPATH="$scratch/no-locales" HOME="$home" \
        PATH="$stub:$PATH" DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent \
        timeout 300 "$root/usr/games/veltro" >"$scratch/launcher.log" 2>&1 & game=$!
    window=$(until_true 180 veltro_game_windows | head -n 1) || true
    check "the launcher's window" shown "${window:+shown}"
    check "the launcher's first words" "Making the Wine prefix $WINEPREFIX (first start only, about 10 seconds)" "$(head -n 1 "$scratch/launcher.log")"
    play "the game is up" ready
    until_true 10 grep -q "^${window:-none} " "$scratch/windows.log" || true  # read up to the game's window
    check "the windows listed during the first start: the game's alone" "${window:-none} WM_NAME(STRING) = \"$veltro_caption\"" \
        "$(sed -n "/^listed$/d; p; /^${window:-none} /q" "$scratch/windows.log" | sort -u)"
    check "the first start's notice (notify-send's arguments)" "--app-name=Veltro
--icon=$(basename "$root"/usr/share/metainfo/*.metainfo.xml .metainfo.xml)
--hint=int:transient:1
Veltro
首次启动：正在为游戏准备 Wine 环境，约需 10 秒。
First start: preparing Wine for the game, about 10 seconds." "$(cat "$notices" 2>/dev/null)"
    # A click on the icon in the title bar, then H. The icon is where the window shows the
    # program's own 16-pixel one pixel for pixel; the click goes to its middle.
    import -window "$window" "$scratch/window.png" && convert 'ui/res/veltro.ico[1]' "$scratch/icon-16.png"
    at=$(compare -metric AE -subimage-search "$scratch/window.png" "$scratch/icon-16.png" null: 2>&1) || true
    [[ $at =~ ^([0-9]+)\ .*@\ ([0-9]+),([0-9]+)$ ]] && unlike=${BASH_REMATCH[1]} x=${BASH_REMATCH[2]} y=${BASH_REMATCH[3]}
    check "pixels unlike the program's 16-pixel icon where the title bar shows it" 0 "${unlike:-$at}"
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
