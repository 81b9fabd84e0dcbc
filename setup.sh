#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine and builds both programs:
# installs the Debian packages that are missing (quietly, and only those),
# then configures and builds in build/.
#   ./setup.sh play    ... and starts the game
#   ./setup.sh test    ... and runs the whole test suite
#   ./setup.sh         ... and stops there
set -euo pipefail
cd "$(dirname "$0")"

packages=(
    build-essential cmake pkg-config ccache
    libsdl1.2-dev libsdl-image1.2-dev libsdl-ttf2.0-dev libsdl-mixer1.2-dev libsdl-gfx1.2-dev
    libgl-dev libgl1-mesa-dri libx11-dev
    libgtest-dev
    xvfb xauth xdotool imagemagick
    file desktop-file-utils appstream
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build build -j"$(nproc)"

case "${1:-}" in
    play) exec ./build/brawler ;;
    test) cd build && exec ctest --output-on-failure ;;
    "") ;;
    *) echo "usage: $0 [play|test]" >&2; exit 2 ;;
esac
