#!/usr/bin/env bash
# Runs the end-to-end sessions again on the SDL 1.2 that distributions ship
# today: the compatibility layer over SDL2. Its package and SDL2's are
# unpacked into the build folder (the system keeps its own SDL) and put in
# front of the classic library with LD_LIBRARY_PATH.
#   tools/ci/run_e2e_compat.sh        (BUILD_DIR=build by default)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${BUILD_DIR:-build}")
private="$build/sdl12-compat"
packages=(libsdl1.2-compat libsdl2-2.0-0)

rm -rf "$private"
mkdir -p "$private/debs"
# apt-get download warns when its sandbox user can't write here; it still downloads.
if ! (cd "$private/debs" && apt-get download "${packages[@]}" >/dev/null 2>&1); then
    apt-get update -qq
    (cd "$private/debs" && apt-get download "${packages[@]}" >/dev/null 2>&1)
fi
for deb in "$private"/debs/*.deb; do dpkg -x "$deb" "$private/root"; done

sdl12=$(find "$private/root" -name 'libSDL-1.2.so.0' | head -n 1)
sdl2=$(find "$private/root" -name 'libSDL2-2.0.so.0' | head -n 1)
export LD_LIBRARY_PATH="$(dirname "$sdl12"):$(dirname "$sdl2")"
if ! ldd "$build/brawler" | grep -F "$sdl12" >/dev/null; then
    echo "the game does not load the unpacked library $sdl12" >&2
    exit 1
fi
version=$(basename "$(readlink -f "$sdl12")")
version=${version#libSDL-1.2.so.}
echo "End-to-end sessions on SDL $version (compatibility layer over SDL2)"

(cd "$build" && ctest --output-on-failure -R '^test_e2e$')
# The sessions really ran on it: the game logs the version it runs on.
grep -qF "SDL version [$version]" "$build/test-runs/e2e_session_brawler_surface/stdout.txt"
