#!/usr/bin/env bash
# Renders the main window and the dialogs in the project's Wine session and writes
# them, with a sheet of the thirteen card faces, to docs/screenshots/*.png.
set -euo pipefail
cd "$(dirname "$0")/../.."
root="$(pwd)"

cmake --preset windows >/dev/null
cmake --build --preset windows --target veltro-screens

pictures="$root/build/screenshots"
rm -rf "$pictures"
mkdir -p "$pictures" docs/screenshots
(cd "$pictures" && "$root/scripts/wine-session.sh" wine "$root/build/windows/bin/veltro-screens.exe")

for picture in "$pictures"/*.ppm; do
    # No time chunks: the same commit renders the same files.
    convert "$picture" -define png:exclude-chunks=date,time "docs/screenshots/$(basename "${picture%.ppm}").png"
done
montage ui/res/card??.bmp -tile 7x2 -geometry +6+6 -background '#d4d0c8' \
    -define png:exclude-chunks=date,time docs/screenshots/card-faces.png
ls -1 docs/screenshots
