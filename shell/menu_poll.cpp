#include "shell/menu_poll.h"

#include <cstdio>

#include "input/control_maps.h"
#include "platform/platform.h"
#include "platform/screen_mgr.h"

const poll_layout menu_poll::column = {"Main menu", 1, SDLK_DOWN, SDLK_UP, 6, 5, true};
const poll_layout menu_poll::row = {"Selection", 0, SDLK_RIGHT, SDLK_LEFT, 4, -1, false};
// The second player chooses with its own keys, whatever they were set to.
menu_poll::key_set menu_poll::second_player_keys() {
    const key_layout& keys = keys_of_player(2);
    return {(SDLKey)keys.right, (SDLKey)keys.left, {(SDLKey)keys.punch, (SDLKey)keys.kick}, true};
}

namespace {

// A control held when the menu appeared counts once it has been let go.
bool counts_now(bool held, bool& was_up) {
    const bool counts = held && was_up;
    if (!held) was_up = true;
    return counts;
}

int sign(int value) { return (value > 0) - (value < 0); }

}  // namespace

menu_poll::menu_poll(const poll_layout& layout)
    : cursor(0),
      confirmed(false),
      quit_requested(false),
      quit_keys_were_up(true),
      confirm_was_up(true),
      repeating(0),
      axis_was(0),
      repeat_at(0),
      layout(layout),
      keys_used{layout.next_key, layout.previous_key, {SDLK_RETURN, SDLK_SPACE}, true} {
    reset();
}

void menu_poll::start_pacing(FPSmanager& pacing, int rate) {
    SDL_initFramerate(&pacing);
    SDL_setFramerate(&pacing, rate);
}

void menu_poll::use_keys(const key_set& keys) {
    keys_used = keys;
    reset();
}

void menu_poll::reset() {
    cursor = 0;
    confirmed = false;
    quit_requested = false;
    platform::pump_events();
    const Uint8* keys = platform::key_state();
    quit_keys_were_up = !quit_key_held(keys);
    confirm_was_up = !layout.held_confirm_waits || !confirm_held(keys);
    axis_was = axis_direction();
    repeating = held_direction(keys);
    repeat_at = platform::ticks() + REPEAT_DELAY_MS;
}

bool menu_poll::quit_key_held(const Uint8* keys) { return keys[SDLK_q] || keys[SDLK_ESCAPE]; }

bool menu_poll::quit_key_pressed() { return platform::presses(SDLK_q) || platform::presses(SDLK_ESCAPE); }

bool menu_poll::confirm_held(const Uint8* keys) const {
    for (SDLKey key : keys_used.confirm) {
        if (keys[key]) return true;
    }
    if (!keys_used.joystick || screen.joystick_ok != 1) return false;
    for (int button = 0; button < CONFIRM_BUTTONS; button++) {
        if (platform::joystick_button(button)) return true;
    }
    return false;
}

bool menu_poll::confirm_pressed() const {
    for (SDLKey key : keys_used.confirm) {
        if (platform::presses(key)) return true;
    }
    return false;
}

void menu_poll::poll() {
    const int before = cursor;
    platform::pump_events();
    const Uint8* keys = platform::key_state();
    // A tap shorter than a frame is gone from the held state but not from
    // the presses.
    if (counts_now(confirm_held(keys) || confirm_pressed(), confirm_was_up)) confirmed = true;
    if (platform::close_requested()) request_quit();
    if (counts_now(quit_key_held(keys) || quit_key_pressed(), quit_keys_were_up)) request_quit();
    cursor += pressed_steps();
    repeat_held(held_direction(keys));
    wrap();
    if (cursor != before) printf("%s cursor [%d]\n", layout.name, cursor);
}

int menu_poll::axis_direction() const {
    if (!keys_used.joystick || screen.joystick_ok != 1) return 0;
    const Sint16 axis = platform::joystick_axis(layout.axis);
    return (axis > AXIS_DEAD_ZONE) - (axis < -AXIS_DEAD_ZONE);
}

// Every press since the last poll, and the joystick when it has just been
// pushed past its dead zone.
int menu_poll::pressed_steps() {
    int steps = platform::presses(keys_used.next) - platform::presses(keys_used.previous);
    const int axis = axis_direction();
    if (axis != 0 && axis != axis_was) steps += axis;
    axis_was = axis;
    if (steps != 0) {
        repeating = sign(steps);
        repeat_at = platform::ticks() + REPEAT_DELAY_MS;
    }
    return steps;
}

// Both directions of a pair held cancel out.
int menu_poll::held_direction(const Uint8* keys) const {
    return sign(keys[keys_used.next] - keys[keys_used.previous] + axis_direction());
}

void menu_poll::repeat_held(int held) {
    const Uint32 now = platform::ticks();
    if (held != repeating) {
        repeating = held;
        repeat_at = now + REPEAT_DELAY_MS;
        return;
    }
    if (held == 0 || (Sint32)(now - repeat_at) < 0) return;
    cursor += held;
    repeat_at += REPEAT_INTERVAL_MS;
}

void menu_poll::request_quit() {
    quit_requested = true;
    confirmed = true;
    if (layout.quit_cursor >= 0) cursor = layout.quit_cursor;
}

// Several presses in one frame may run past either end.
void menu_poll::wrap() { cursor = ((cursor % layout.entries) + layout.entries) % layout.entries; }
