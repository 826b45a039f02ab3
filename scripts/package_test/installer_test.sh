# Stage "installer": the installer run silently in a scratch 64-bit and a scratch 32-bit
# Wine prefix, the game it installed played, and uninstalled again.
installer_stage() {
    local v && v=$(version build/windows)
    local setup="$PWD/build/windows/packages/Veltro-$v-setup.exe" arch game installed menu link
    local key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Veltro'
    [ -f "$setup" ] || cmake --build --preset package
    on_screen
    for arch in win64:bin win32:x86/bin; do
        game=build/windows/${arch#*:} arch=${arch%:*}
        export WINEPREFIX="$scratch/installer-$arch" WINEARCH=$arch
        rm -rf "$WINEPREFIX" && veltro_make_prefix 2>/dev/null
        installed="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/Veltro"
        menu="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Veltro"
        wine "$setup" /S
        check "$arch: the installer puts the ${arch#win}-bit game in place" same "$(same $game/Veltro.exe "$installed/Veltro.exe")"
        check "$arch: the player's notes beside it" same "$(same build/windows/packaging/README.txt "$installed/README.txt")"
        check "$arch: a Start menu folder with the game and the notes" "README.lnk:README.txt Veltro.lnk:Veltro.exe" \
            "$(for link in "$menu"/*; do echo "${link##*/}:$(grep -aoE 'Veltro\\(README\.txt|Veltro\.exe)' "$link" | head -n 1 | cut -c 8-)"; done | xargs)"
        check "$arch: an entry in the installed programs, with the version" "$v" \
            "$(wine reg query "$key" /v DisplayVersion | sed -n 's/.*REG_SZ *\([^\r]*\).*/\1/p')"
        play_in "$installed" $game/veltro-play-through.exe
        wine "$installed/uninstall.exe" /S && wineserver -w
        check "$arch: the silent uninstall leaves no file, shortcut or entry" "" \
            "$(ls -A "$installed" "$menu" 2>/dev/null; wine reg query "$key" >/dev/null 2>&1 && echo entry)"
    done
    off_screen
}
