#!/usr/bin/env bash
# Pictures of the table in a real window under a private X server, for each window size
# given (default 1 3 5): passing, a hand in progress, the end of a hand and the end of a
# game. They land in build/shots/.
#   tools/table-shots/take-shots.sh [sizes...]
set -euo pipefail
cd "$(dirname "$0")/../.."
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(1 3 5)
mkdir -p build/shots
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$PWD/build/xdg-runtime}
for size in "${sizes[@]}"; do
  xvfb-run -a -s "-screen 0 1920x1080x24" build/tools/vesrin-table-shots --size "$size" --out build/shots
done
ls -1 build/shots/table-size*.png
