#include "shell/menu_poll.h"

#include <cstdio>

#include "shell/platform.h"
#include "shell/screen_mgr.h"

const poll_layout menu_poll::column = {"Main menu", 1, SDLK_DOWN, SDLK_UP, 6, 5, true};
const poll_layout menu_poll::row = {"Selection", 0, SDLK_RIGHT, SDLK_LEFT, 4, -1, false};

namespace {

// A control held when the menu appeared counts once it has been let go.
bool counts_now(bool held, bool& was_up) {
    const bool counts = held && was_up;
    if (!held) was_up = true;
    return counts;
}

}  // namespace

menu_poll::menu_poll(const poll_layout& layout)
    : cursor(0), confirmed(false), quit_requested(false), quit_keys_were_up(true), confirm_was_up(true), layout(layout) {
    reset();
}

void menu_poll::reset() {
    cursor = 0;
    confirmed = false;
    quit_requested = false;
    const Uint8* keys = platform::key_state();
    quit_keys_were_up = !quit_key_held(keys);
    confirm_was_up = !layout.held_confirm_waits || !confirm_held(keys);
}

bool menu_poll::quit_key_held(const Uint8* keys) { return keys[SDLK_q] || keys[SDLK_ESCAPE]; }

bool menu_poll::confirm_held(const Uint8* keys) {
    if (keys[SDLK_SPACE] || keys[SDLK_RETURN]) return true;
    if (screen.joystick_ok != 1) return false;
    for (int button = 0; button < CONFIRM_BUTTONS; button++) {
        if (platform::joystick_button(button)) return true;
    }
    return false;
}

void menu_poll::poll() {
    // One event a poll: it refreshes the key state, and a window close is
    // the only event a menu acts on.
    const int before = cursor;
    SDL_Event event;
    const bool close_requested = platform::poll_event(&event) && event.type == SDL_QUIT;
    const Uint8* keys = platform::key_state();
    if (counts_now(confirm_held(keys), confirm_was_up)) confirmed = true;
    if (screen.joystick_ok == 1) read_axis();
    if (close_requested) request_quit();
    if (counts_now(quit_key_held(keys), quit_keys_were_up)) request_quit();
    if (keys[layout.next_key]) cursor++;
    if (keys[layout.previous_key]) cursor--;
    wrap();
    if (cursor != before) printf("%s cursor [%d]\n", layout.name, cursor);
}

void menu_poll::read_axis() {
    const Sint16 axis = platform::joystick_axis(layout.axis);
    if (axis > AXIS_DEAD_ZONE) cursor++;
    if (axis < -AXIS_DEAD_ZONE) cursor--;
}

void menu_poll::request_quit() {
    quit_requested = true;
    confirmed = true;
    cursor = layout.quit_cursor;
}

void menu_poll::wrap() {
    if (cursor < 0) cursor = layout.entries - 1;
    if (cursor >= layout.entries) cursor = 0;
}
