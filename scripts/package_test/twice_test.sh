# Stage "twice", run only when named: builds HEAD in two fresh folders and compares the
# programs and packages byte for byte.
twice_stage() {
    for copy in "$scratch/one" "$scratch/two"; do
        echo "package-test: building $(git rev-parse --short HEAD) afresh in $copy (about a minute)"
        rm -rf "$copy" && git clone -q --no-checkout . "$copy/src" && git -C "$copy/src" checkout -q "$(git rev-parse HEAD)"
        cmake -S "$copy/src" -B "$copy/build" -G Ninja --toolchain "$copy/src/cmake/mingw-w64-x86_64.cmake" \
            -DCMAKE_BUILD_TYPE=Release -DVELTRO_WINDOW_TESTS=OFF -DVELTRO_PACKAGES=ON >/dev/null
        cmake --build "$copy/build" --target package >/dev/null
    done
    echo "package-test: comparing the two builds byte for byte"
    local v && v=$(version "$scratch/one/build")
    for file in bin/Veltro.exe x86/bin/Veltro.exe packages/Veltro-$v-win64.zip packages/Veltro-$v-win32.zip \
        packages/Veltro-$v-setup.exe packages/veltro_${v}_amd64.deb; do
        check "$file built twice" same "$(same "$scratch/one/build/$file" "$scratch/two/build/$file")"
    done
}
