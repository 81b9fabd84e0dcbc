#!/usr/bin/env bash
# Builds the fuzz programs (fuzz/, clang with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each one for a fixed
# time on a copy of its seed corpus. Fails when any target finds a crash, an
# out-of-bounds access, undefined behaviour, a leak, a hang or runaway memory;
# the input that did it is kept under build-fuzz/runs/<target>/ and the
# sanitizer's report is printed.
#   tools/ci/run_fuzzers.sh [SECONDS_PER_TARGET]     (default 45)
# Replay one saved input with the game's log on screen:
#   build-fuzz/<target> <input file>
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-45}"
targets=(config_reader animation_file fighter_file stage_file colour_swap settings combo_step replay_file)
jobs=$(( $(nproc) < 2 ? $(nproc) : 2 ))

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    local as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
install_missing clang-14 libclang-rt-14-dev

build="$root/build-fuzz"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
start=$SECONDS
cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 "${launcher[@]}" >/dev/null || exit 1
cmake --build "$build" -j"$jobs" >"$build/build.log" 2>&1 || { grep -E -A3 'error' "$build/build.log" | head -n 40; exit 1; }
echo "fuzz build: $((SECONDS - start)) s"

passed=0
failed=0
for target in "${targets[@]}"; do
    program="$build/${target}_fuzzer"
    run="$build/runs/$target"
    rm -rf "$run"
    mkdir -p "$run/corpus" "$run/found"
    # The game logs every file it opens: that goes nowhere. The fuzzer's
    # own lines and any sanitizer report go to the run's log.
    "$program" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
        -dict="$root/fuzz/data_files.dict" -entropic_scale_per_exec_time=1 \
        -artifact_prefix="$run/found/" -print_final_stats=1 \
        "$run/corpus" "$root/fuzz/corpus/$target" </dev/null >/dev/null 2>"$run/fuzzer.log"
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/fuzzer.log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$run/fuzzer.log")
    units=$(find "$run/corpus" "$root/fuzz/corpus/$target" -type f | wc -l)
    coverage=$(grep -o 'cov: [0-9]*' "$run/fuzzer.log" | tail -n 1)
    if [ $status -eq 0 ]; then
        passed=$((passed + 1))
        echo "fuzz $target: ok, ${runs:-0} inputs in ${seconds} s (${speed:-0}/s), $units in corpus, ${coverage:-cov: ?}"
    else
        failed=$((failed + 1))
        echo "fuzz $target: FAILED (exit $status); input kept in $run/found/:"
        ls -1 "$run/found"
        grep -E -A 40 '^==[0-9]+==(ERROR|WARNING)|runtime error|SUMMARY|ERROR: libFuzzer' "$run/fuzzer.log" | head -n 60
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ $failed -eq 0 ]
