#!/usr/bin/env bash
# Compiler launcher of the clang build. clang writes narrow string literals in UTF-8
# only, and the program's texts must be GBK, as g++'s -fexec-charset=GBK and MSVC's
# /execution-charset:.936 make them: so preprocess (writing the dependency file),
# turn the plain narrow literals of the preprocessed text into GBK (u8, u, U and L
# literals stay as they are) and compile that. GBK bytes are not UTF-8, which is all
# clang's literal-encoding warning says of them.
set -euo pipefail
preprocess=()
compile=()
while [ $# -gt 0 ]; do
    case "$1" in
        -o) object="$2"; preprocess+=(-o "$2.ii"); compile+=(-o "$2"); shift 2 ;;
        -c) preprocess+=(-E); compile+=(-c); shift ;;
        -MD) preprocess+=("$1"); shift ;;
        -MT | -MF) preprocess+=("$1" "$2"); shift 2 ;;
        *) preprocess+=("$1"); compile+=("$1"); shift ;;
    esac
done
unset 'compile[-1]'  # the source, compiled as its converted preprocessed text
"${preprocess[@]}"
perl -MEncode -0777 -pe '
    s{(\w*)("(?:[^"\\\n]|\\.)*"|\x27(?:[^\x27\\\n]|\\.)*\x27)}{
        my ($prefix, $literal) = ($1, $2);
        $prefix =~ /^(?:u8|[uUL])$/ || $literal !~ /[^\x00-\x7f]/ ? "$prefix$literal"
            : $prefix . encode("GBK", decode("UTF-8", $literal, Encode::FB_CROAK), Encode::FB_CROAK)
    }ge' "$object.ii" >"$object.gbk.ii"
# Include paths and the like were used up by the preprocessing. Newer clangs call the
# preprocessor's own "# 1 file" line markers a GNU extension; older ones know no such
# warning, hence the leave to name one they do not know.
"${compile[@]}" -Wno-invalid-source-encoding -Wno-unused-command-line-argument \
    -Wno-unknown-warning-option -Wno-gnu-line-marker \
    -x c++-cpp-output "$object.gbk.ii"
