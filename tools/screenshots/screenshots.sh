#!/usr/bin/env bash
# Renders the main window and the dialogs in the project's Wine session at 100 %
# (96 DPI), and the main window again at 200 % (192 DPI, main-window-200.png), and
# writes them, with a sheet of the thirteen card faces and one of the desktop's icons,
# to docs/screenshots/*.png; then the page on a desktop and on a phone (page-*.png,
# page_screenshots.py).
set -euo pipefail
cd "$(dirname "$0")/../.."
root="$(pwd)"

cmake --preset windows >/dev/null
cmake --build --preset windows --target veltro-screens

pictures="$root/build/screenshots"
rm -rf "$pictures"
mkdir -p "$pictures/200" docs/screenshots
(cd "$pictures" && VELTRO_DPI=96 "$root/scripts/wine-session.sh" wine "$root/build/windows/bin/veltro-screens.exe")
(cd "$pictures/200" && VELTRO_DPI=192 "$root/scripts/wine-session.sh" wine "$root/build/windows/bin/veltro-screens.exe")
mv "$pictures/200/main-window.ppm" "$pictures/main-window-200.ppm"

for picture in "$pictures"/*.ppm; do
    # No time chunks: the same commit renders the same files.
    convert "$picture" -define png:exclude-chunks=date,time "docs/screenshots/$(basename "${picture%.ppm}").png"
done
montage ui/res/card??.bmp -tile 7x2 -geometry +6+6 -background '#d4d0c8' \
    -define png:exclude-chunks=date,time docs/screenshots/card-faces.png
# The desktop's icons at their sizes up to 256 pixels, then those up to 64 enlarged by whole pixels.
(cd packaging/icons && montage veltro-{16,22,24,32,48,64,128,256}.png \
    \( veltro-16.png -filter point -scale 800% \) \( veltro-22.png -filter point -scale 600% \) \
    \( veltro-24.png -filter point -scale 500% \) \( veltro-32.png -filter point -scale 400% \) \
    \( veltro-48.png -filter point -scale 300% \) \( veltro-64.png -filter point -scale 200% \) \
    -tile 8x2 -geometry +6+6 -gravity center -background '#d4d0c8' -depth 8 \
    -define png:exclude-chunks=date,time ../../docs/screenshots/icons.png)
cmake --preset web >/dev/null
cmake --build --preset web
tools/screenshots/page_screenshots.py
ls -1 docs/screenshots
