#include "platform/platform.h"

#include <cstring>

#include "platform/screen_mgr.h"

namespace {

const int SCRIPT_QUEUE_SIZE = 256;
const int SCRIPT_AXES = 8;
const int SCRIPT_BUTTONS = 16;

struct script_state {
    bool on;
    Uint32 now;
    Uint8 keys[SDLK_LAST];
    SDL_Event queue[SCRIPT_QUEUE_SIZE];
    int queue_head;
    int queue_length;
    Sint16 axes[SCRIPT_AXES];
    Uint8 buttons[SCRIPT_BUTTONS];
};

script_state script;

// The clock of headless play, which counts frames instead of time.
struct frame_clock_state {
    bool on;
    Uint32 now;
};

frame_clock_state frame_clock;

// The clock that moves only when a frame ends or a delay is asked: the
// script's, the headless frame clock, or none (SDL's real clock).
Uint32* stepped_clock() {
    if (script.on) return &script.now;
    if (frame_clock.on) return &frame_clock.now;
    return nullptr;
}

// Alt+Return belongs to the full-screen switch; the held-key readers (menus,
// fighters) never see that Return. SDL's filter sees each key as it arrives,
// in the same step that updates the held-key state, however far behind a
// screen reads its events; there the switch is noted, and Return stays
// hidden until its release arrives. The mode change moves the keyboard
// focus, and on the way SDL may report Return released, then held again
// with no event at all: a release during the change doesn't count.
Uint8 keys_without_return[SDLK_LAST];
bool return_taken_by_switch = false;
bool switch_asked = false;
bool switching = false;

int take_fullscreen_switch(const SDL_Event* event) {
    if (event->type != SDL_KEYDOWN && event->type != SDL_KEYUP) return 1;
    if (event->key.keysym.sym != SDLK_RETURN) return 1;
    if (event->type == SDL_KEYUP) {
        if (!switching) return_taken_by_switch = false;
        return 1;
    }
    return_taken_by_switch = (event->key.keysym.mod & KMOD_ALT) != 0;
    if (!return_taken_by_switch) return 1;
    switch_asked = true;
    return 0;
}

// What the last pumps found: a close stays requested for good, presses
// count until the next pump.
struct pumped_state {
    bool close;
    Uint8 presses[SDLK_LAST];
};

pumped_state pumped;

void queue_key_event(Uint8 type, int key) {
    SDL_Event event;
    memset(&event, 0, sizeof(event));
    event.type = type;
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = (SDLKey)key;
    platform::push_event(event);
}

SDL_Joystick* first_joystick() { return screen.joysticks[0]; }

}  // namespace

Uint32 platform::ticks() {
    const Uint32* clock = stepped_clock();
    return clock ? *clock : SDL_GetTicks();
}

Uint8* platform::key_state() {
    if (script.on) return script.keys;
    Uint8* keys = SDL_GetKeyState(nullptr);
    if (!return_taken_by_switch) return keys;
    memcpy(keys_without_return, keys, sizeof(keys_without_return));
    keys_without_return[SDLK_RETURN] = 0;
    return keys_without_return;
}

void platform::watch_fullscreen_switch() { SDL_SetEventFilter(take_fullscreen_switch); }

// Every screen reads its events here, so the switch works in menus and
// matches alike; the mode changes outside SDL's filter, between frames.
int platform::poll_event(SDL_Event* event) {
    if (!script.on) {
        const int got = SDL_PollEvent(event);
        if (switch_asked) {
            switch_asked = false;
            switching = true;
            screen.toggle_fullscreen();
            switching = false;
        }
        return got;
    }
    if (script.queue_length == 0) return 0;
    *event = script.queue[script.queue_head];
    script.queue_head = (script.queue_head + 1) % SCRIPT_QUEUE_SIZE;
    script.queue_length--;
    return 1;
}

void platform::pump_events() {
    memset(pumped.presses, 0, sizeof(pumped.presses));
    SDL_Event event;
    while (poll_event(&event)) {
        if (event.type == SDL_QUIT) pumped.close = true;
        if (event.type != SDL_KEYDOWN) continue;
        const int key = event.key.keysym.sym;
        if (key >= 0 && key < SDLK_LAST && pumped.presses[key] < 255) pumped.presses[key]++;
    }
}

bool platform::close_requested() { return pumped.close; }

int platform::presses(int key) { return key >= 0 && key < SDLK_LAST ? pumped.presses[key] : 0; }

bool platform::any_press() {
    for (int key = 0; key < SDLK_LAST; key++) {
        if (pumped.presses[key]) return true;
    }
    return false;
}

Sint16 platform::joystick_axis(int axis) {
    if (script.on) return (axis >= 0 && axis < SCRIPT_AXES) ? script.axes[axis] : 0;
    SDL_Joystick* joystick = first_joystick();
    return joystick ? SDL_JoystickGetAxis(joystick, axis) : 0;
}

Uint8 platform::joystick_button(int button) {
    if (script.on) return (button >= 0 && button < SCRIPT_BUTTONS) ? script.buttons[button] : 0;
    SDL_Joystick* joystick = first_joystick();
    return joystick ? SDL_JoystickGetButton(joystick, button) : 0;
}

void platform::frame_delay(FPSmanager* manager) {
    Uint32* clock = stepped_clock();
    if (!clock) {
        SDL_framerateDelay(manager);
        return;
    }
    const int rate = manager && manager->rate > 0 ? manager->rate : 60;
    *clock += (Uint32)(1000 / rate);
}

void platform::delay(Uint32 ms) {
    Uint32* clock = stepped_clock();
    if (clock) {
        *clock += ms;
    } else {
        SDL_Delay(ms);
    }
}

void platform::use_frame_clock() {
    frame_clock.on = true;
    frame_clock.now = 0;
}

void platform::use_script(bool on) {
    memset(&script, 0, sizeof(script));
    memset(&pumped, 0, sizeof(pumped));
    script.on = on;
}

bool platform::scripted() { return script.on; }

void platform::set_ticks(Uint32 now) { script.now = now; }

void platform::advance(Uint32 ms) { script.now += ms; }

void platform::set_key(int key, bool held) {
    if (key < 0 || key >= SDLK_LAST) return;
    if (held != (script.keys[key] != 0)) queue_key_event(held ? SDL_KEYDOWN : SDL_KEYUP, key);
    script.keys[key] = held ? 1 : 0;
}

void platform::release_all_keys() { memset(script.keys, 0, sizeof(script.keys)); }

void platform::push_event(const SDL_Event& event) {
    if (!script.on) {
        SDL_Event copy = event;
        SDL_PushEvent(&copy);
        return;
    }
    if (script.queue_length == SCRIPT_QUEUE_SIZE) return;
    script.queue[(script.queue_head + script.queue_length) % SCRIPT_QUEUE_SIZE] = event;
    script.queue_length++;
}

void platform::push_quit() {
    SDL_Event event;
    memset(&event, 0, sizeof(event));
    event.type = SDL_QUIT;
    push_event(event);
}

void platform::clear_events() {
    script.queue_head = 0;
    script.queue_length = 0;
}

void platform::set_joystick_axis(int axis, Sint16 value) {
    if (axis >= 0 && axis < SCRIPT_AXES) script.axes[axis] = value;
}

void platform::set_joystick_button(int button, bool held) {
    if (button >= 0 && button < SCRIPT_BUTTONS) script.buttons[button] = held ? 1 : 0;
}
