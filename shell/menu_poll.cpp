#include "shell/menu_poll.h"

#include <cstdio>

#include "shell/platform.h"
#include "shell/screen_mgr.h"

const poll_layout menu_poll::column = {"Main menu", 1, SDLK_DOWN, SDLK_UP, 6, 5};
const poll_layout menu_poll::row = {"Selection", 0, SDLK_RIGHT, SDLK_LEFT, 4, -1};

menu_poll::menu_poll(const poll_layout& layout)
    : cursor(0), confirmed(false), quit_requested(false), quit_keys_were_up(true), layout(layout) {
    reset();
}

void menu_poll::reset() {
    cursor = 0;
    confirmed = false;
    quit_requested = false;
    quit_keys_were_up = !quit_key_held(platform::key_state());
}

bool menu_poll::quit_key_held(const Uint8* keys) { return keys[SDLK_q] || keys[SDLK_ESCAPE]; }

void menu_poll::poll() {
    // One event a poll: it refreshes the key state, and a window close is
    // the only event a menu acts on.
    const int before = cursor;
    SDL_Event event;
    const bool close_requested = platform::poll_event(&event) && event.type == SDL_QUIT;
    if (screen.joystick_ok == 1) read_joystick();
    if (close_requested) request_quit();
    read_keys();
    wrap();
    if (cursor != before) printf("%s cursor [%d]\n", layout.name, cursor);
}

void menu_poll::read_joystick() {
    for (int button = 0; button < CONFIRM_BUTTONS; button++) {
        if (platform::joystick_button(button)) confirmed = true;
    }
    const Sint16 axis = platform::joystick_axis(layout.axis);
    if (axis > AXIS_DEAD_ZONE) cursor++;
    if (axis < -AXIS_DEAD_ZONE) cursor--;
}

void menu_poll::read_keys() {
    const Uint8* keys = platform::key_state();
    const bool quitting = quit_key_held(keys);
    if (quitting && quit_keys_were_up) request_quit();
    if (!quitting) quit_keys_were_up = true;
    if (keys[SDLK_SPACE] || keys[SDLK_RETURN]) confirmed = true;
    if (keys[layout.next_key]) cursor++;
    if (keys[layout.previous_key]) cursor--;
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
