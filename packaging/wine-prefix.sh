# Wine settings and the making of a Wine prefix, shared by the veltro launcher and
# scripts/wine-session.sh. Sourced, with WINEPREFIX set by the caller; plain sh.

export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: their installers would ask on a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes its ANSI code page (936, GBK) from the locale.
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8

# Debian keeps Wine's own fonts (fonts-wine) where a new prefix does not look: without
# Marlett the caption buttons and scroll arrows show letters, the close button an "r".
veltro_wine_fonts=/usr/share/wine/fonts

# Makes the prefix on first use, saying so (it takes a while), and gives it the fonts.
veltro_make_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Making the Wine prefix $WINEPREFIX (first start only, about a minute)" >&2
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
    fi
    if [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
        mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
        cp "$veltro_wine_fonts"/* "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
}
