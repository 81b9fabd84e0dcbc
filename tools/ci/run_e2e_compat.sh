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

# The surface path draws without OpenGL on this library too: with the main
# menu up, no OpenGL driver is loaded in the game. Handing each frame to
# OpenGL instead made the game several times as costly and fell behind the
# sessions on a busy machine.
source tools/run_tree.sh
run_dir="$build/test-runs/compat_surface_drivers"
make_run_tree "$run_dir"
printf 'hwaccel=0\n' >"$run_dir/game/game.ini"
XDG_CONFIG_HOME="$run_dir/config" SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1280x1024x24 +extension GLX" \
    bash -c '
        cd "$1" || exit 2
        "$2" >stdout.txt 2>stderr.txt &
        game=$!
        for _ in $(seq 1 600); do
            grep -qF "MAIN MENU:" stdout.txt && break
            kill -0 "$game" 2>/dev/null || break
            sleep 0.1
        done
        sleep 1
        grep -E "_dri\.so|libgallium" "/proc/$game/maps" | awk "{ print \$6 }" | sort -u >opengl_drivers.txt
        kill -KILL "$game"
        wait "$game" 2>/dev/null
        grep -qF "MAIN MENU:" stdout.txt' _ "$run_dir" "$build/brawler" ||
    { echo "the surface path never reached the main menu: see $run_dir" >&2; exit 1; }
if [ -s "$run_dir/opengl_drivers.txt" ]; then
    echo "the surface path loaded an OpenGL driver:" >&2
    cat "$run_dir/opengl_drivers.txt" >&2
    exit 1
fi

(cd "$build" && ctest --output-on-failure -R '^test_e2e$')
# The sessions really ran on it: the game logs the version it runs on.
grep -qF "SDL version [$version]" "$build/test-runs/e2e_session_brawler_surface/stdout.txt" ||
    { echo "the game's log does not name SDL $version" >&2; exit 1; }
