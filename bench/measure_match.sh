#!/usr/bin/env bash
# Inside an X display: starts the game, enters demo, and measures the CPU time
# of FRAMES match frames. Prints "ms_per_frame peak_kib startup_ms frames",
# or "fail" when the game never reached the match.
# Usage: measure_match.sh RUN_DIR PROGRAM FRAMES TICKS_PER_SECOND
set -u
run_dir=$1 program=$2 frames=$3 ticks_per_second=$4
cd "$run_dir" || { echo fail; exit 1; }

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
launched=$(now_ms)
"$program" >stdout.txt 2>stderr.txt &
pid=$!
# The game turns SIGTERM into a window close, which only ends the match and
# goes back to the menu: the measurement is over, so it is killed outright.
finish() { kill -KILL "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; }
trap finish EXIT

frames_so_far() { grep -c 'Current Zoom \[' stdout.txt 2>/dev/null || true; }
series_ended() { grep -q '^Level Deleted' stdout.txt 2>/dev/null; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
# wait_until SECONDS CONDITION: polls every 20 ms.
wait_until() {
    local polls=$(( $1 * 50 ))
    for _ in $(seq 1 "$polls"); do
        eval "$2" && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.02
    done
    return 1
}

wait_until 120 'grep -q "MAIN MENU:" stdout.txt' || { echo fail; exit 1; }
startup_ms=$(( $(now_ms) - launched ))

# Demo is the fourth entry of the main menu. Menus read held keys, so a tap
# may move the cursor more than once: tap until the game says where it is.
# Keys sent before the window has focus are lost; then the menu is tried again.
tap() { xdotool keydown "$1"; sleep 0.05; xdotool keyup "$1"; }
start_demo() {
    local window
    window=$(xdotool search --limit 1 --name QuillmooR 2>/dev/null | head -n 1)
    # Keys go to the window under the pointer: the window is centred on the
    # screen, so the pointer goes over it rather than to a fixed corner.
    if [ -n "$window" ]; then
        xdotool mousemove --window "$window" 20 20
        xdotool windowfocus "$window" 2>/dev/null
    fi
    sleep 0.5
    for _ in $(seq 1 40); do
        grep 'Main menu cursor \[' stdout.txt | tail -n 1 | grep -qF 'cursor [3]' && break
        tap Down; sleep 0.25
    done
    grep 'Main menu cursor \[' stdout.txt | tail -n 1 | grep -qF 'cursor [3]' && tap Return
}
for _ in 1 2 3 4 5; do
    start_demo
    wait_until 30 '[ "$(frames_so_far)" -ge 1 ]' && break
done

# The first frames of a series load the stage and the fighters: skip them.
wait_until 120 '[ "$(frames_so_far)" -ge 30 ]' || { echo fail; exit 1; }
start_frames=$(frames_so_far); start_ticks=$(cpu_ticks)
wait_until 300 '[ "$(frames_so_far)" -ge $(( start_frames + frames )) ] || series_ended'
end_frames=$(frames_so_far); end_ticks=$(cpu_ticks)
peak=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
awk -v t=$(( end_ticks - start_ticks )) -v f=$(( end_frames - start_frames )) -v hz="$ticks_per_second" \
    -v peak="$peak" -v startup="$startup_ms" \
    'BEGIN { printf "%.3f %d %d %d\n", (f > 0 ? t * 1000.0 / hz / f : 0), peak, startup, f }'
