#!/usr/bin/env bash
# Renders the main window and the dialogs under Wine on a private Xvfb display and
# writes them, with a sheet of the thirteen card faces, to docs/screenshots/*.png.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

cmake --preset windows >/dev/null
cmake --build --preset windows --target veltro-screens

pictures="$root/build/screenshots"
rm -rf "$pictures"
mkdir -p "$pictures" docs/screenshots

source scripts/wine-env.sh
trap veltro_wine_stop EXIT
trap "exit 130" INT TERM
veltro_wine_start

(cd "$pictures" && wine "$root/build/windows/bin/veltro-screens.exe")

for bmp in "$pictures"/*.bmp; do
    convert "$bmp" "docs/screenshots/$(basename "${bmp%.bmp}").png"
done
montage ui/res/card??.bmp -tile 7x2 -geometry +6+6 -background '#d4d0c8' docs/screenshots/card-faces.png
ls -1 docs/screenshots
