# Stage "twice", run only when named: HEAD built in two fresh clones (in folders of
# different names), the programs and packages compared byte for byte.
twice_stage() {
    local v copy
    for copy in "$scratch/one" "$scratch/two"; do
        echo "package-test: building $(git rev-parse --short HEAD) afresh in $copy (about a minute)"
        rm -rf "$copy" && git clone -q --no-checkout . "$copy" && git -C "$copy" checkout -q "$(git rev-parse HEAD)"
        (cd "$copy" && cmake --preset windows -DVELTRO_WINDOW_TESTS=OFF >/dev/null && cmake --build --preset package >/dev/null)
    done
    v=$(version "$scratch/one/build/windows")
    for file in {,x86/}bin/Veltro.exe packages/{Veltro-$v-win64.zip,Veltro-$v-win32.zip,Veltro-$v-setup.exe,veltro_${v}_amd64.deb}; do
        check "$file built twice" same "$(same "$scratch/one/build/windows/$file" "$scratch/two/build/windows/$file")"
    done
}
