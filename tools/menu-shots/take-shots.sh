#!/usr/bin/env bash
# Pictures of a newcomer's path through the program under a private X server, for each
# window size given (default 1 5), each on a fresh program folder. They land in
# build/shots/menu-size<N>-*.png.
#   tools/menu-shots/take-shots.sh [sizes...]
# VESRIN_SHOTS_LANGUAGE=rus (or spa, jap, ...) switches to that language instead of German.
set -euo pipefail
cd "$(dirname "$0")/../.."
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(1 5)
mkdir -p build/shots
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$PWD/build/xdg-runtime}
for size in "${sizes[@]}"; do
  folder=$(mktemp -d)
  xvfb-run -a -s "-screen 0 1920x1080x24" build/tools/vesrin-menu-shots --size "$size" --folder "$folder" --out build/shots \
    --language "${VESRIN_SHOTS_LANGUAGE:-deu}"
  rm -rf "$folder"
done
ls -1 build/shots/menu-size*.png
