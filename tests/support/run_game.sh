#!/usr/bin/env bash
# Runs one game session inside the current X display (xvfb-run provides it):
# starts the program in the run folder, plays the key script and waits for
# the program to end or the timeout to pass. The commands are described in
# game_runner.h.
# Usage: run_game.sh RUN_DIR PROGRAM TIMEOUT_SECONDS KEY_SCRIPT [ARGUMENTS]
set -u
run_dir=$1 program=$2 timeout_s=$3 key_script=$4 arguments=${5:-}
cd "$run_dir" || exit 2

[ -x ./prepare.sh ] && ./prepare.sh >>runner.txt 2>&1
# shellcheck disable=SC2086 # the arguments are split at spaces on purpose
"$program" $arguments >stdout.txt 2>stderr.txt &
game_pid=$!

alive() { kill -0 "$game_pid" 2>/dev/null; }
log_lines_with() { grep -cF -- "$1" stdout.txt 2>/dev/null || true; }
tap() { xdotool keydown "$1"; sleep "${2:-0.05}"; xdotool keyup "$1"; }

game_window=""

# Keys go to the focused window; there is no window manager to give it focus.
focus_game() {
    for _ in $(seq 1 50); do
        alive || return
        game_window=$(xdotool search --limit 1 --name 'QuillmooR' 2>/dev/null | head -n 1)
        [ -n "$game_window" ] && break
        sleep 0.1
    done
    [ -n "$game_window" ] || return
    xdotool windowfocus "$game_window" 2>/dev/null
    xdotool mousemove --window "$game_window" 20 20 2>/dev/null
}

# shot NAME: the whole X screen as NAME.png and, in NAME.window, where the
# game's window lies on it ("X Y WIDTH HEIGHT"): SDL libraries differ in where
# they open the window, so tests find the picture there.
shot() {
    import -window root "$1.png" 2>>runner.txt || return
    echo "$1.png" >>shots.txt
    [ -n "$game_window" ] || return
    (
        eval "$(xdotool getwindowgeometry --shell "$game_window" 2>>runner.txt)"
        echo "$X $Y $WIDTH $HEIGHT"
    ) >"$1.window"
}

# timed_out MESSAGE: the complaint goes to the runner's log, which tests
# expect empty and print when it is not. Beside it, which window had the keys
# and the game's last lines about screens, rounds and blows, and a picture of
# the screen as timed_out_N.png, so that a failure on a machine far away can
# be read from its output.
timeouts=0
timed_out() {
    timeouts=$(( timeouts + 1 ))
    {
        echo "$1"
        echo "  game window [$game_window], focused window [$(xdotool getwindowfocus 2>&1)]"
        grep -E 'MENU|SELECTION|cursor \[|Round \[|Reseting|Victory|Next: |Match |Level Unloaded' stdout.txt 2>/dev/null |
            tail -n 6 | sed 's/^/  game: /'
    } >>runner.txt
    shot "timed_out_$timeouts"
}

# wait_for LIMIT COUNT TEXT: until COUNT log lines hold TEXT.
wait_for() {
    local deadline=$(( $(date +%s) + ${1%.*} ))
    until [ "$(log_lines_with "$3")" -ge "$2" ]; do
        [ "$(date +%s)" -ge "$deadline" ] && { timed_out "waiting timed out: $2 x $3"; return 1; }
        alive || return 1
        sleep 0.1
    done
}

# Menus read held keys sixteen times a second, so a hold moves the cursor an
# uncertain number of steps: tap until the game's own cursor line, written
# since this command began, says where it stands. (A menu's cursor starts on
# its first entry each time the menu appears.)
tap_until() {
    local deadline=$(( $(date +%s) + ${1%.*} ))
    local start
    start=$(stat -c %s stdout.txt 2>/dev/null || echo 0)
    until tail -c +$(( start + 1 )) stdout.txt 2>/dev/null | grep -F 'cursor [' | tail -n 1 | grep -qF -- "$3"; do
        [ "$(date +%s)" -ge "$deadline" ] && { timed_out "tap_until timed out: $3"; return 1; }
        alive || return 1
        tap "$2"
        sleep 0.4
    done
}

# press_until LIMIT KEY COUNT TEXT: short taps of KEY until COUNT log lines
# hold TEXT. A short tap can't linger into the next screen's first poll.
press_until() {
    local deadline=$(( $(date +%s) + ${1%.*} ))
    until [ "$(log_lines_with "$4")" -ge "$3" ]; do
        [ "$(date +%s)" -ge "$deadline" ] && { timed_out "press_until timed out: $3 x $4"; return 1; }
        alive || return 1
        tap "$2" 0.07
        sleep 0.3
    done
}

sample_memory() { echo "$1 $(ps -o rss= -p "$game_pid" 2>/dev/null | tr -d ' ')" >>memory.txt; }

# soak SECONDS: keep demo matches running and sample the resident memory once
# a minute; whenever a series ends and the menu is back, start demo again.
soak() {
    local start now next_sample menus
    start=$(date +%s); next_sample=$start; menus=$(log_lines_with "MAIN MENU:")
    while alive; do
        now=$(date +%s)
        [ "$now" -ge $(( start + $1 )) ] && break
        if [ "$now" -ge "$next_sample" ]; then
            sample_memory $(( now - start ))
            next_sample=$(( next_sample + 60 ))
        fi
        if [ "$(log_lines_with "MAIN MENU:")" -gt "$menus" ]; then
            menus=$(log_lines_with "MAIN MENU:")
            sleep 1
            tap_until 30 Down "cursor [3]" && tap Return 0.15
        fi
        sleep 1
    done
    alive && sample_memory $(( $(date +%s) - start ))
}

if [ -n "${DISPLAY:-}" ]; then
    for _ in $(seq 1 50); do
        grep -q 'Resolution: asked for' stdout.txt 2>/dev/null && break
        alive || break
        sleep 0.1
    done
    focus_game
fi

while IFS= read -r line || [ -n "$line" ]; do
    set -- $line
    [ $# -eq 0 ] && continue
    alive || break
    case $1 in
        wait) sleep "$2" ;;
        key) tap "$2" 0.15 ;;
        hold) tap "$2" "$3" ;;
        down) xdotool keydown "$2" ;;
        up) xdotool keyup "$2" ;;
        shot) shot "$2" ;;
        wait_log) wait_for "$2" 1 "${line#*" $2 "}" ;;
        wait_logn) wait_for "$2" "$3" "${line#*" $2 $3 "}" ;;
        tap_until) tap_until "$2" "$3" "${line#*" $2 $3 "}" ;;
        press_until) press_until "$2" "$3" "$4" "${line#*" $2 $3 $4 "}" ;;
        soak) soak "$2" ;;
        *) echo "unknown command: $line" >>runner.txt ;;
    esac
done <"$key_script"

deadline=$(( $(date +%s) + timeout_s ))
while alive; do
    if [ "$(date +%s)" -ge "$deadline" ]; then
        echo "timeout" >>runner.txt
        kill -9 "$game_pid" 2>/dev/null
        break
    fi
    sleep 0.1
done
wait "$game_pid"
echo $? >status.txt
