#!/usr/bin/env bash
# Builds the game and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs the test suite there.
# Any out-of-bounds access, use after free, leak in the game's own code or
# undefined behaviour fails its test program.
#
# The long sessions of the real programs (test_e2e, the whole recorded and
# replayed series of test_e2e_replays, the installed game's demo in
# test_install, and the menu sessions of test_shell)
# are left out by default: under the sanitizers the game runs several times
# slower than their key scripts wait for, so they
# time out (a whole e2e session takes over 15 minutes) without telling
# anything. The short start-up runs stay in, and so does one scripted
# session of each program (menu, demo match, back, quit; test_shell's
# demo_session), whose script waits only for the log. "all" runs every test.
#   tools/ci/run_sanitized.sh [all]
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$root/build-asan"
jobs=$(( $(nproc) < 2 ? $(nproc) : 2 ))

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
start=$SECONDS
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
    -DBRAWLER_SANITIZE=ON "${launcher[@]}" >/dev/null || exit 1
cmake --build "$build" -j"$jobs" >"$build/build.log" 2>&1 || { grep -E -A3 'error' "$build/build.log" | head -n 40; exit 1; }
echo "sanitized build: $((SECONDS - start)) s"

# Stop at the first report, with the whole stack; leaks inside X11 and the
# like are listed in the suppression file.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/tools/ci/lsan_suppressions.txt:print_suppressions=0"
# Mesa unloads its software driver when the OpenGL context goes; the blocks
# the driver still holds then look leaked, with no module left to name them
# by in a suppression. Loaded from the start, the driver stays mapped and
# its blocks stay reachable.
mesa_driver="/usr/lib/$(gcc -dumpmachine)/dri/swrast_dri.so"
if [ -f "$mesa_driver" ]; then
    export LD_PRELOAD="$mesa_driver"
    ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0"
fi

skip=(-E '^test_(e2e|e2e_replays|install)$')
export GTEST_FILTER='-*menu_session.*'
if [ "${1:-}" = all ]; then
    skip=()
    unset GTEST_FILTER
fi
cd "$build" && ctest --output-on-failure "${skip[@]}"
