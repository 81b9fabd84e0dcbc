#!/usr/bin/env bash
# Frame cost of a real match: demo mode (computer against computer) on the
# road stage, in Xvfb, for each program, renderer and screen size. Reports the
# CPU time per match frame (process CPU time over the frames between the
# first and the last counted "Current Zoom [" line, so start-up and loading
# are left out), its spread over the runs, the peak resident memory and the
# time from launch to the first main-menu frame.
# Usage: bench/run_bench.sh [RUNS=3] [FRAMES=600]
# Environment: BUILD_DIR (default build), PROGRAMS ("brawler brawler_scaled"),
# RENDERERS ("surface opengl"), SIZES ("640x480 1280x720").
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/run_tree.sh
runs=${1:-3} frames=${2:-600}
build=${BUILD_DIR:-build}
case $build in /*) ;; *) build=$(pwd)/$build ;; esac
programs=${PROGRAMS:-brawler brawler_scaled}
renderers=${RENDERERS:-surface opengl}
sizes=${SIZES:-640x480 1280x720}
ticks_per_second=$(getconf CLK_TCK)

for program in $programs; do
    [ -x "$build/$program" ] || { echo "no $build/$program: build it first (see README)" >&2; exit 1; }
done

# One measurement: prints "ms_per_frame peak_kib startup_ms frames" or "fail".
measure() {
    local program=$1 hwaccel=$2 width=$3 height=$4 run_dir=$5
    make_run_tree "$run_dir"
    printf 'hwaccel=%s\nwidth=%s\nheight=%s\nbpp=32\nfps=60\n' "$hwaccel" "$width" "$height" >"$run_dir/game/game.ini"
    # The run's own settings folder: a player's saved size or renderer must
    # not change what is measured.
    XDG_CONFIG_HOME="$run_dir/config" SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1920x1080x24 +extension GLX" \
        bash bench/measure_match.sh "$run_dir" "$build/$program" "$frames" "$ticks_per_second"
}

printf '%-15s %-8s %-9s %9s %13s %9s %11s %7s\n' program renderer size "ms/frame" spread "peak MiB" "start-up s" frames
for program in $programs; do
    for renderer in $renderers; do
        hwaccel=0; [ "$renderer" = opengl ] && hwaccel=1
        for size in $sizes; do
            width=${size%x*} height=${size#*x}
            results=()
            for run in $(seq 1 "$runs"); do
                results+=("$(measure "$program" "$hwaccel" "$width" "$height" \
                    "$build/test-runs/bench_${program}_${renderer}_${size}_$run")")
            done
            printf '%s\n' "${results[@]}" | awk -v p="$program" -v r="$renderer" -v s="$size" '
                $1 == "fail" { failed++; next }
                { n++; ms[n] = $1; sum += $1; start += $3; count += $4; if ($2 > peak) peak = $2 }
                END {
                    if (n == 0) { printf "%-15s %-8s %-9s %9s\n", p, r, s, "failed"; exit }
                    lo = ms[1]; hi = ms[1]
                    for (i = 1; i <= n; i++) { if (ms[i] < lo) lo = ms[i]; if (ms[i] > hi) hi = ms[i] }
                    printf "%-15s %-8s %-9s %9.2f %13s %9.1f %11.2f %7d%s\n", p, r, s, sum / n,
                        sprintf("%.2f-%.2f", lo, hi), peak / 1024, start / n / 1000, count / n,
                        failed ? sprintf("  (%d runs failed)", failed) : ""
                }'
        done
    done
done
