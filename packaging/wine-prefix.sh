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
# Wine updates a prefix whenever this file's time differs from the prefix's .update-timestamp.
veltro_wine_inf=/usr/share/wine/wine.inf

# Makes the prefix on first use, or mends it, saying so (it takes a while); gives it the
# fonts and Wine's own window frames; then leans it. With "play" the caller starts the
# game at once, holding the lock shared while it plays, and leans after it
# (veltro_lean_prefix): leaning first would keep the player waiting. Making, mending and
# leaning hold the lock alone; the others wait. The lock is fd 9, closed to every Wine
# process: a wineserver that inherited it would hold it as long as it runs.
veltro_make_prefix() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    exec 9>"$WINEPREFIX.lock"
    if ! flock -n -s 9; then
        echo "Waiting for another start to finish the Wine prefix $WINEPREFIX" >&2
        flock -s 9
    fi
    # Taking the lock alone lets go of the shared one first; tried a second at a time, so
    # that a start which made the prefix meanwhile, and now plays, is not waited for.
    until veltro_prefix_made; do
        if flock -x -w 1 9 && ! veltro_prefix_made; then
            if [ -f "$WINEPREFIX/.veltro-made" ]; then veltro_update_prefix; else veltro_new_prefix; fi ||
                { exec 9>&-; return 1; }
        fi
        flock -s 9
    done
    veltro_settings
    [ "${1:-}" = play ] || veltro_lean_prefix
}

# Made to its end at the update Wine recorded last, and one Wine would not update now.
veltro_prefix_made() {
    cmp -s "$WINEPREFIX/.update-timestamp" "$WINEPREFIX/.veltro-made" || return 1
    # Wine writes the stamp with a Windows line end.
    veltro_stamp=$(tr -d '\r' <"$WINEPREFIX/.veltro-made")
    [ "$veltro_stamp" = disable ] || [ ! -f "$veltro_wine_inf" ] ||
        [ "$veltro_stamp" = "$(stat -c %Y "$veltro_wine_inf")" ]
}

# Says what the start does, on standard error; and, from the launcher (which names the
# game's icon) where the desktop has a notification service, as a short notice in
# Chinese and English. Without notify-send or a session bus, nothing more.
veltro_say() {
    echo "$1" >&2
    if [ -n "${veltro_app_id:-}" ] && command -v notify-send >/dev/null 2>&1 &&
            { [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -S "${XDG_RUNTIME_DIR:-/nonexistent}/bus" ]; }; then
        notify-send --app-name=Veltro --icon="$veltro_app_id" --hint=int:transient:1 Veltro "$2" \
            >/dev/null 2>&1 9>&- &
    fi
}

# Wine's programs that make the prefix run without a display, Wine making it without
# one, so that none of Wine's own windows (its "being updated" box) shows.
veltro_unseen() {
    env -u DISPLAY -u WAYLAND_DISPLAY "$@" >/dev/null 2>&1 9>&-
}

# Ends the prefix's wineserver and waits until it is gone: the game must start on a
# server of its own, with the display, and nothing may write into a prefix being
# removed. The server writes the registry out as it ends.
veltro_end_wine() {
    wineserver -k 9>&- 2>/dev/null || true
    wineserver -w 9>&- 2>/dev/null || true
}

# Made in place; the mark of a made prefix comes last, so a start stopped half way
# leaves none, and the next one begins again (what the stopped one left running there
# ended first). A prefix without the mark (an earlier launcher's, perhaps stopped with
# Wine's files half written, which Wine's own update cannot mend) is replaced: the game
# keeps nothing in it.
veltro_new_prefix() {
    veltro_say "Making the Wine prefix $WINEPREFIX (first start only, about 10 seconds)" \
        "首次启动：正在为游戏准备 Wine 环境，约需 10 秒。
First start: preparing Wine for the game, about 10 seconds."
    if [ -d "$WINEPREFIX" ]; then veltro_end_wine; fi
    rm -rf "$WINEPREFIX" && mkdir -p "$WINEPREFIX"
    veltro_unseen wineboot -i
    veltro_settings
    veltro_end_wine
    cp "$WINEPREFIX/.update-timestamp" "$WINEPREFIX/.veltro-made" 2>/dev/null
}

# A made prefix that Wine has changed, or would update now: Wine's own update writes
# its files anew, to be leaned again. Stopped, it leaves no mark: made anew next.
veltro_update_prefix() {
    veltro_say "Updating the Wine prefix $WINEPREFIX for the installed Wine (about 15 seconds)" \
        "Wine 已更新：正在更新游戏的 Wine 环境，约需 15 秒。
Wine was upgraded: updating the game's Wine prefix, about 15 seconds."
    rm -f "$WINEPREFIX/.veltro-made" "$WINEPREFIX/.veltro-lean"
    veltro_unseen wineboot -u
    veltro_settings
    veltro_end_wine
    cp "$WINEPREFIX/.update-timestamp" "$WINEPREFIX/.veltro-made" 2>/dev/null
}

# Leaned once after each making or update, while no Wine process runs in the prefix (a
# process starting while its DLLs are replaced under it can fail) and none can start:
# by the last game to close (the lock alone), its server ended. A lean stopped half way
# is taken up again after the next game. Lets the lock go.
veltro_lean_prefix() {
    if ! cmp -s "$WINEPREFIX/.veltro-made" "$WINEPREFIX/.veltro-lean" && flock -n -x 9 &&
            wineserver -w 9>&-; then
        veltro_lean_files && cp "$WINEPREFIX/.veltro-made" "$WINEPREFIX/.veltro-lean"
    fi
    exec 9>&-
}

# Wine writes into the prefix a copy of each of its DLLs and programs, 700 MB (1.3 GB
# with wine32), yet loads its own. Each copy that is byte for byte one of Wine's becomes
# the placeholder Wine itself knows: the copy's headers marked "Wine placeholder DLL",
# for which Wine loads the file from its own folder. No link to Wine's files: what Wine
# later writes into the prefix (wineboot -u, a program) lands in the prefix's own files.
# Each file is replaced whole (renamed over), so a stopped lean leaves copies or
# placeholders, never half of one. Symbolic links are neither followed nor replaced.
veltro_lean_files() {
    # A 32-bit prefix has no "Program Files (x86)"; not a failure, under pipefail either.
    { find "$WINEPREFIX/drive_c/windows" "$WINEPREFIX/drive_c/Program Files" \
        "$WINEPREFIX/drive_c/Program Files (x86)" -type f 2>/dev/null || true; } | LC_ALL=C sort | perl -e '
        my %wine;
        for my $dir (glob("/usr/lib/*/wine/*-windows /usr/lib/wine/*-windows")) {
            opendir(my $dh, $dir) or next;
            for (readdir $dh) { push @{$wine{lc $_}}, "$dir/$_" if -f "$dir/$_" }
        }
        sub slurp { open(my $fh, "<:raw", $_[0]) or return ""; local $/; my $d = <$fh>; defined $d ? $d : "" }
        while (my $file = <STDIN>) {
            chomp $file;
            # What a lean stopped between writing and renaming left.
            if ($file =~ /\.veltro$/) { unlink $file; next }
            # Themes and type libraries are read as data, not loaded: a placeholder of them is empty.
            next if -l $file or not -f $file or $file =~ /\.(msstyles|tlb)$/i;
            my $size = -s _;
            my ($name) = $file =~ m{([^/]+)$};
            my @twins = grep { -s $_ == $size } @{$wine{lc $name} || []} or next;
            my $d = slurp($file);
            next unless substr($d, 0x40, 16) eq "Wine builtin DLL" and grep { slurp($_) eq $d } @twins;
            my $pe = unpack("V", substr($d, 0x3c, 4));
            next unless $pe >= 0x60 and substr($d, $pe, 4) eq "PE\0\0";
            my $opt = $pe + 24;
            my $dirs = $opt + (unpack("v", substr($d, $opt, 2)) == 0x20b ? 112 : 96);
            my $count = unpack("V", substr($d, $dirs - 4, 4));
            my $head = substr($d, 0, unpack("V", substr($d, $opt + 60, 4)));
            # No sections and no data directories: nothing of the copy but what names it.
            substr($head, $dirs, 8 * $count) = "\0" x (8 * $count);
            substr($head, $pe + 6, 2) = pack("v", 0);
            substr($head, 0x40, 21) = "Wine placeholder DLL\0";
            open(my $out, ">:raw", "$file.veltro") or die "$file.veltro: $!\n";
            print $out $head;
            close($out) or die "$file.veltro: $!\n";
            rename("$file.veltro", $file) or die "$file: $!\n";
        }'
}

veltro_settings() {
    if [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
        mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
        cp "$veltro_wine_fonts"/* "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
    # A desktop's window manager would draw the frame, and its icon and Alt+Space
    # would open the manager's menu, not the game's system menu with Help and About.
    if ! grep -q '^"Decorated"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
        veltro_unseen wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f
    fi
    # In the program's code page Wine draws dialogs and menus in SimSun, as Chinese
    # Windows does. SimSun is Microsoft's: the CJK font the package depends on stands
    # in for it, or the system menu's Chinese items come out as boxes.
    if ! grep -q '^"SimSun"=' "$WINEPREFIX/user.reg" 2>/dev/null; then
        veltro_unseen wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v SimSun /t REG_MULTI_SZ \
            /d 'WenQuanYi Micro Hei\0WenQuanYi Zen Hei\0Noto Sans CJK SC' /f
    fi
}
