#!/usr/bin/env bash
# The screenshots of the AppStream data, from the screenshot tools at the smallest
# window size: build/packaging/screenshots/{menu,hand,game-end}.png.
#   packaging/screenshots.sh [BUILD-FOLDER]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$source_dir/build}" && pwd)
out=$build/packaging/screenshots
shots=$(mktemp -d)
folder=$(mktemp -d)
trap 'rm -rf "$shots" "$folder"' EXIT
mkdir -p "$out"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$build/xdg-runtime}
xvfb-run -a -s "-screen 0 1920x1080x24" "$build/tools/vesrin-menu-shots" --size 1 --folder "$folder" --out "$shots" >/dev/null
xvfb-run -a -s "-screen 0 1920x1080x24" "$build/tools/vesrin-table-shots" --size 1 --out "$shots" >/dev/null
cp "$shots/menu-size1-2-menu.png" "$out/menu.png"
cp "$shots/table-size1-hand.png" "$out/hand.png"
cp "$shots/menu-size1-5-game-end.png" "$out/game-end.png"
ls -1 "$out"/*.png
