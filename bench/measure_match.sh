#!/usr/bin/env bash
# Inside an X display: starts the game, enters demo, and measures the CPU time
# of FRAMES match frames. Prints "ms_per_frame peak_kib".
set -u
run_dir=$1 program=$2 frames=$3 ticks_per_second=$4
cd "$run_dir"
"$program" >stdout.txt 2>stderr.txt &
pid=$!
frames_so_far() { grep -c 'Current Zoom \[' stdout.txt 2>/dev/null || true; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
wait_until() { for _ in $(seq 1 600); do eval "$1" && return 0; kill -0 "$pid" 2>/dev/null || return 1; sleep 0.1; done; return 1; }

wait_until 'grep -q "MAIN MENU:" stdout.txt' || { echo "0 0"; exit 1; }
window=$(xdotool search --limit 1 --name QuillmooR | head -n 1)
xdotool windowfocus "$window" 2>/dev/null; xdotool mousemove 20 20
sleep 1
for _ in $(seq 1 40); do
    grep 'cursor \[' stdout.txt | tail -n 1 | grep -qF 'cursor [3]' && break
    xdotool keydown Down; sleep 0.05; xdotool keyup Down; sleep 0.25
done
xdotool keydown Return; sleep 0.15; xdotool keyup Return

wait_until '[ "$(frames_so_far)" -ge 30 ]' || { echo "0 0"; exit 1; }
start_frames=$(frames_so_far); start_ticks=$(cpu_ticks)
wait_until '[ "$(frames_so_far)" -ge $(( start_frames + frames )) ]'
end_frames=$(frames_so_far); end_ticks=$(cpu_ticks)
peak=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
awk -v t=$(( end_ticks - start_ticks )) -v f=$(( end_frames - start_frames )) -v hz="$ticks_per_second" -v peak="$peak" \
    'BEGIN { printf "%.3f %d\n", (f > 0 ? t * 1000.0 / hz / f : 0), peak }'
