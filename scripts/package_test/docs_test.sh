# Stage "docs": what README.md and docs/*.md name leads somewhere. Every relative link
# reaches a file, and a heading where it names one (the anchor as GitHub spells it); every
# path in a folder of the README's layout table exists (<name> stands for any name), but
# under build/ and other ignored folders; that table lists every folder of the checkout;
# every preset a cmake or ctest command names is one of its kind, and the README's presets
# table lists every preset; every stage given to scripts/package_test.sh exists.
docs_stage() {
    check "names and links of README.md and docs/ that lead nowhere" "" "$(git ls-files | perl -MJSON::PP -e '
        use open qw(:std :encoding(UTF-8));
        my @docs = ("README.md", glob("docs/*.md"));
        my (%text, %anchors, %kind, %listed);
        for my $doc (@docs) {
            open(my $fh, "<", $doc) or die "$doc: $!\n";
            $text{$doc} = do { local $/; <$fh> };
            my %seen;
            for ($text{$doc} =~ /^#+ +(.*?) *$/mg) {
                my $slug = lc($_) =~ s/[^\p{Word}\- ]//gr =~ tr/ /-/r;
                $anchors{$doc}{$seen{$slug}++ ? "$slug-" . ($seen{$slug} - 1) : $slug} = 1;
            }
        }
        my $presets = decode_json(do { local $/; open(my $fh, "<:raw", "CMakePresets.json") or die $!; <$fh> });
        for my $k (qw(configure build test)) { $kind{$k}{$_->{name}} = 1 for grep { !$_->{hidden} } @{$presets->{"${k}Presets"}} }
        my $section = sub { $text{"README.md"} =~ /^#+ $_[0] *\n(.*?)(?=^#|\z)/ms ? $1 : "" };
        my %table = map { $_ => 1 } $section->("Presets") =~ /^\| *`([^`]+)`/mg;
        my %all = map { %$_ } values %kind;
        $table{$_} or print "README.md: the presets table lacks $_\n" for sort keys %all;
        $all{$_} or print "README.md: the presets table names no preset $_\n" for sort keys %table;
        $listed{s{/$}{}r} = 1 for $section->("Layout") =~ /^\| *`([^`]+)`/mg;
        my %top = map { m{^([^/]+)/} ? ($1 => 1) : () } <STDIN>;
        $listed{$_} or print "README.md: the layout table lacks $_/\n" for sort keys %top;
        my %roots = map { s{/.*}{}r => 1 } keys %listed;
        my $missing = sub { my $p = $_[0] =~ s/<[^>]*>/*/gr; !(grep { -e } glob $p) && system("git check-ignore -q \Q$p\E") != 0 };
        for my $doc (@docs) {
            my $dir = $doc =~ m{^(.*/)} ? $1 : "";
            for (grep { !/^[a-z]+:/ } $text{$doc} =~ /\]\(([^)\s]+)\)/g) {
                my ($file, $anchor) = /^([^#]*)(?:#(.*))?$/;
                my $target = $file eq "" ? $doc : "$dir$file" =~ s{[^/]+/\.\./}{}gr;
                print "$doc: link to $_\n" if !-e $target or defined $anchor && !$anchors{$target}{$anchor};
            }
            while ($text{$doc} =~ m{(?<![\w./~\$%\\-])([\w.-]+(?:/[\w.<>*-]*)+)}g) {
                my $path = $1 =~ s/\.$//r;
                print "$doc: $path\n" if $roots{$path =~ s{/.*}{}r} && $missing->($path);
            }
            my $code = join "\n", grep { defined } $text{$doc} =~ /```[^\n]*\n(.*?)```|`([^`\n]+)`/sg;
            while ($code =~ /\b(cmake --build|cmake|ctest) --preset[ =]([\w-]+)/g) {
                my $k = $1 eq "ctest" ? "test" : $1 eq "cmake" ? "configure" : "build";
                print "$doc: $1 --preset $2\n" unless $kind{$k}{$2};
            }
            for ($code =~ m{scripts/package_test\.sh((?: +[a-z]+)+)}g) {
                -e "scripts/package_test/${_}_test.sh" or print "$doc: scripts/package_test.sh $_\n" for split;
            }
        }' 2>&1 | LC_ALL=C sort -u)"
}
