#!/usr/bin/env bash
# Two real windows at a network table on 127.0.0.1 under one private X server: the host
# and its joiner play into the first hand and chat; the screen lands in build/shots/.
#   tools/lan-shots/take-shots.sh [port]
set -euo pipefail
cd "$(dirname "$0")/../.."
port=${1:-25666}
mkdir -p build/shots
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$PWD/build/xdg-runtime}
xvfb-run -a -s "-screen 0 1600x1100x24" bash -c "
  build/tools/vesrin-lan-shots --role host --port $port --out build/shots/lan-host.png --x 0 --y 0 &
  sleep 1
  build/tools/vesrin-lan-shots --role join --port $port --out build/shots/lan-join.png --x 800 --y 560
  wait"
ls -1 build/shots/lan-*.png
