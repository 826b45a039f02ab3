#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the builds and tests need and this
# machine lacks. As root it runs apt-get; otherwise it names what to install.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang-14 libclang-rt-14-dev lld lld-14 llvm-14 perl
    g++-mingw-w64-x86-64-posix
    wine wine64 xvfb xdotool x11-utils imagemagick
    fonts-wqy-microhei fonts-wine fonts-dejavu-core libfreetype-dev
    dpkg-dev lintian unzip openbox
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Veltro needs these Debian packages: ${missing[*]}" >&2
        echo "Install them with: sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
    # Over a minute on a fresh system: apt's own lines show how it goes.
    echo "Installing ${#missing[@]} Debian packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
