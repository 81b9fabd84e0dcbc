#!/usr/bin/env bash
# Runs one game session inside the current X display (xvfb-run provides it):
# starts the program in the run folder, plays the key script and waits for
# the program to end or the timeout to pass.
# Usage: run_game.sh RUN_DIR PROGRAM TIMEOUT_SECONDS KEY_SCRIPT
set -u
run_dir=$1 program=$2 timeout_s=$3 key_script=$4
cd "$run_dir" || exit 2

"$program" >stdout.txt 2>stderr.txt &
game_pid=$!

# Keys go to the focused window; there is no window manager to give it focus.
focus_game() {
    local window=""
    for _ in $(seq 1 50); do
        kill -0 "$game_pid" 2>/dev/null || return
        window=$(xdotool search --limit 1 --name 'QuillmooR' 2>/dev/null | head -n 1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] && xdotool windowfocus "$window" 2>/dev/null
    xdotool mousemove 20 20 2>/dev/null
}

if [ -n "${DISPLAY:-}" ]; then
    for _ in $(seq 1 50); do
        grep -q 'Resolution: asked for' stdout.txt 2>/dev/null && break
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    focus_game
fi

while IFS= read -r line || [ -n "$line" ]; do
    set -- $line
    [ $# -eq 0 ] && continue
    kill -0 "$game_pid" 2>/dev/null || break
    case $1 in
        wait) sleep "$2" ;;
        key) xdotool keydown "$2"; sleep 0.15; xdotool keyup "$2" ;;
        hold) xdotool keydown "$2"; sleep "$3"; xdotool keyup "$2" ;;
        down) xdotool keydown "$2" ;;
        up) xdotool keyup "$2" ;;
        shot) import -window root "$2.png" 2>>runner.txt && echo "$2.png" >>shots.txt ;;
        wait_log)
            limit=$2; text=${line#*"$2" }
            deadline=$(( $(date +%s) + ${limit%.*} ))
            until grep -qF -- "$text" stdout.txt 2>/dev/null; do
                [ "$(date +%s)" -ge "$deadline" ] && { echo "wait_log timed out: $text" >>runner.txt; break; }
                kill -0 "$game_pid" 2>/dev/null || break
                sleep 0.1
            done ;;
        *) echo "unknown command: $line" >>runner.txt ;;
    esac
done <"$key_script"

deadline=$(( $(date +%s) + timeout_s ))
while kill -0 "$game_pid" 2>/dev/null; do
    if [ "$(date +%s)" -ge "$deadline" ]; then
        echo "timeout" >>runner.txt
        kill -9 "$game_pid" 2>/dev/null
        break
    fi
    sleep 0.1
done
wait "$game_pid"
echo $? >status.txt
