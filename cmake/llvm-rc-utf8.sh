#!/bin/sh
# llvm-rc for the clang build, called by CMake as: ... /fo OUTPUT SCRIPT.
# It skips the script's #pragma code_page(65001), which Microsoft's rc obeys, so the
# code page is given here (an RC flag would reach the preprocessor too). lld links
# no .res file: the result becomes a COFF object, with no time stamp in it.
set -e
for arg; do
    [ "$previous" = /fo ] && output="$arg"
    previous="$arg"
done
llvm-rc /C 65001 "$@"
llvm-cvtres /machine:x64 /timestamp:0 /out:"$output.obj" "$output"
mv "$output.obj" "$output"
