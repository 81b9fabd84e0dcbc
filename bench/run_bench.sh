#!/usr/bin/env bash
# Frame cost of a real match: demo mode (computer against computer) on the
# road stage, in Xvfb, for each program, renderer and screen size. Reports the
# CPU time per match frame (process CPU time over the frames between the
# first and the last counted "Current Zoom [" line, so start-up and loading
# are left out), its spread over the runs, and the peak resident memory.
# Usage: bench/run_bench.sh [RUNS=3] [FRAMES=600]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3} frames=${2:-600}
build=${BUILD_DIR:-build}
ticks_per_second=$(getconf CLK_TCK)

# One measurement: prints "ms_per_frame peak_kib".
measure() {
    local program=$1 hwaccel=$2 width=$3 height=$4 run_dir=$5
    rm -rf "$run_dir" && mkdir -p "$run_dir/game"
    ln -s "$(pwd)/rsrc" "$run_dir/rsrc"
    ln -s "$(pwd)/game/fighter" "$run_dir/game/fighter"
    ln -s "$(pwd)/tahoma.ttf" "$run_dir/tahoma.ttf"
    printf 'hwaccel=%s\nwidth=%s\nheight=%s\n' "$hwaccel" "$width" "$height" >"$run_dir/game/game.ini"
    SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1920x1080x24 +extension GLX" \
        bash bench/measure_match.sh "$run_dir" "$(pwd)/$build/$program" "$frames" "$ticks_per_second"
}

printf '%-15s %-8s %-9s %12s %10s %12s\n' program renderer size "ms/frame" spread "peak MiB"
for program in brawler brawler_scaled; do
    for hwaccel in 0 1; do
        renderer=surface; [ "$hwaccel" = 1 ] && renderer=opengl
        for size in 640x480 1280x720; do
            width=${size%x*} height=${size#*x}
            results=()
            for run in $(seq 1 "$runs"); do
                results+=("$(measure "$program" "$hwaccel" "$width" "$height" "$(pwd)/$build/test-runs/bench_${program}_${hwaccel}_${size}_$run")")
            done
            printf '%s\n' "${results[@]}" | awk -v p="$program" -v r="$renderer" -v s="$size" '
                { ms[NR] = $1; sum += $1; if ($2 > peak) peak = $2 }
                END {
                    mean = sum / NR; lo = ms[1]; hi = ms[1]
                    for (i = 1; i <= NR; i++) { if (ms[i] < lo) lo = ms[i]; if (ms[i] > hi) hi = ms[i] }
                    printf "%-15s %-8s %-9s %12.2f %10s %12.1f\n", p, r, s, mean, sprintf("%.2f-%.2f", lo, hi), peak / 1024
                }'
        done
    done
done
