# Stage "clang": the clang build's resources (clang, lld, llvm-rc; its window tests are
# ctest's) are the g++ build's, byte for byte.
clang_stage() {
    cmake --preset windows-clang >/dev/null && cmake --build --preset windows-clang
    for build in windows windows-clang; do x86_64-w64-mingw32-windres -J coff -O res -i build/$build/bin/Veltro.exe -o "$scratch/$build.res"; done
    check "the clang build's resources" same "$(same "$scratch/windows.res" "$scratch/windows-clang.res")"
}
