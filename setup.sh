#!/usr/bin/env bash
# Vesrin set-up: installs what is missing on a Debian machine, builds, and then
# starts the game (play), runs every test (test) or makes the Debian packages and
# installs the game from them (package).
#   ./setup.sh play     build and start the game
#   ./setup.sh test     build and run all tests
#   ./setup.sh package  build the packages into build/packages and install the game
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-play}

build_packages=(g++ cmake ninja-build pkgconf ccache qt6-base-dev qt6-multimedia-dev qt6-svg-dev
  qt6-httpserver-dev qt6-websockets-dev qt6-tools-dev qt6-l10n-tools libgtest-dev libgmock-dev
  libbenchmark-dev libfluidsynth-dev libespeak-ng-dev libgif-dev libsqlite3-dev libqt6sql6-sqlite libsodium-dev libqt6sql6-psql
  python3 fonts-dejavu-core fonts-liberation2 fonts-comic-neue fonts-noto-cjk timgm6mb-soundfont
  espeak-ng-data gstreamer1.0-plugins-base gstreamer1.0-plugins-good famfamfam-flag-png)
test_packages=(xvfb xauth pulseaudio imagemagick x11-apps desktop-file-utils appstream postgresql clang libclang-rt-14-dev)
package_packages=(dpkg-dev)

packages=("${build_packages[@]}")
[ "$mode" = test ] && packages+=("${test_packages[@]}")
[ "$mode" = package ] && packages+=("${package_packages[@]}")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The compiler cache is shared by every checkout of this machine: paths are taken
# relative to the checkout, so a fresh clone elsewhere still finds its objects.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true

werror=OFF; [ "$mode" = test ] && werror=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESRIN_WERROR=$werror >/dev/null
if [ "$mode" = package ]; then
  # Only what the packages take: no tests, no benchmarks.
  cmake --build build --parallel "$(nproc)" --target vesrin_package_content
else
  cmake --build build --parallel "$(nproc)"
fi

case "$mode" in
  play)
    exec build/bin/vesrin
    ;;
  package)
    (cd build && cpack -G DEB)
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "$PWD"/build/packages/vesrin_*.deb
    echo "Vesrin is installed: start it from the desktop's Games menu or with 'vesrin'."
    ;;
  test)
    # Window tests use the offscreen platform; the few that need a real window get an X
    # server of their own from xvfb-run.
    cd build
    exec xvfb-run -a -s "-screen 0 1920x1080x24" ctest --output-on-failure --parallel "$(nproc)" --timeout 600
    ;;
  *)
    echo "usage: $0 play|test|package" >&2; exit 2 ;;
esac
