# Wine settings and the making of a Wine prefix, shared by the veltro launcher and
# scripts/wine-session.sh. Sourced, with WINEPREFIX set by the caller; plain sh.
# No locale is set: the program's manifest gives it its code page (936) in any.

export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: their installers would ask on a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Debian keeps Wine's own fonts (fonts-wine) where a new prefix does not look: without
# Marlett the caption buttons and scroll arrows show letters, the close button an "r".
veltro_wine_fonts=/usr/share/wine/fonts

# Makes the prefix on first use, saying so (it takes a while), and gives it the fonts
# and Wine's own window frames.
veltro_make_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Making the Wine prefix $WINEPREFIX (first start only, 10 to 20 seconds)" >&2
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
    fi
    if [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
        mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
        cp "$veltro_wine_fonts"/* "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
    # A desktop's window manager would draw the frame, and its icon and Alt+Space
    # would open the manager's menu, not the game's system menu with Help and About.
    if ! grep -q '^"Decorated"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    fi
    # In the program's code page Wine draws dialogs and menus in SimSun, as Chinese
    # Windows does. SimSun is Microsoft's: the CJK font the package depends on stands
    # in for it, or the system menu's Chinese items come out as boxes.
    if ! grep -q '^"SimSun"=' "$WINEPREFIX/user.reg" 2>/dev/null; then
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v SimSun /t REG_MULTI_SZ \
            /d 'WenQuanYi Micro Hei\0WenQuanYi Zen Hei\0Noto Sans CJK SC' /f >/dev/null 2>&1
    fi
}
