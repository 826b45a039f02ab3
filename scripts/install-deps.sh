#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the builds and tests need and this
# machine lacks. As root it runs apt-get; otherwise it names what to install. The
# 32-bit game's tests and the installer run on Wine's 32-bit side, wine32 of the
# i386 architecture, which dpkg must first be told of (multiarch).
#
#   scripts/install-deps.sh        everything
#   scripts/install-deps.sh web    only what the page's build and server need
set -euo pipefail

# The page: the core compiled by emscripten (its texts turned into GBK by a perl
# script), served by python3; tested in chromium through chromedriver.
web=(cmake ninja-build perl emscripten python3)
packages=(
    "${web[@]}" g++ pkg-config
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-dev lld llvm
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix nsis
    wine wine64 wine32:i386 xvfb xdotool x11-utils imagemagick
    fonts-wqy-microhei fonts-wine
    dpkg-dev lintian unzip openbox libxml2-utils file appstream desktop-file-utils
    chromium chromium-driver python3-selenium
)
[ "${1:-}" = web ] && packages=("${web[@]}")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# Empty when a missing package is of the i386 architecture, which dpkg does not know yet.
i386=yes
if [[ " ${missing[*]} " == *:i386\ * ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    i386=""
fi

if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Veltro needs these Debian packages: ${missing[*]}" >&2
        [ -n "$i386" ] || echo "First add the i386 architecture: sudo dpkg --add-architecture i386 && sudo apt-get update" >&2
        echo "Install them with: sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
    if [ -z "$i386" ]; then
        echo "Adding the i386 architecture to dpkg, for wine32 (dpkg --add-architecture i386)"
        dpkg --add-architecture i386
    fi
    # Over a minute on a fresh system: apt's own lines show how it goes.
    echo "Installing ${#missing[@]} Debian packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
