#include "input/controller.h"

#include <cstdio>

#include "ai/cpu_source.h"
#include "input/control_maps.h"
#include "input/input_code.h"
#include "input/frame_input.h"
#include "shell/platform.h"
#include "shell/screen_mgr.h"

namespace {

// A key of a layout (or the joystick input bound in its place), or its
// twin when it has one, is down.
bool key_held(const Uint8* keys, int key, int twin) { return input_code::held(keys, key) || input_code::held(keys, twin); }

// Keyboard direction: the positive key wins when both are held.
bool read_key_axis(const Uint8* keys, int negative_key, int positive_key, double* value) {
    bool touched = false;
    if (key_held(keys, negative_key, key_req::NO_ALTERNATE)) {
        *value = -1.0;
        touched = true;
    }
    if (key_held(keys, positive_key, key_req::NO_ALTERNATE)) {
        *value = 1.0;
        touched = true;
    }
    return touched;
}

// Joystick axis in three steps; each threshold passed overrides the one
// before, so a harder push gives a larger step.
bool read_joystick_axis(Sint16 position, double* value) {
    static const struct {
        int threshold;
        double step;
    } steps[] = {{3200, 0.5}, {10000, 1.0}, {17000, 1.5}};
    bool touched = false;
    for (const auto& axis_step : steps) {
        if (position > axis_step.threshold) {
            *value = axis_step.step;
            touched = true;
        }
        if (position < -axis_step.threshold) {
            *value = -axis_step.step;
            touched = true;
        }
    }
    return touched;
}

}  // namespace

controller::controller()
    : sources(),
      cursor(0),
      source_count(0),
      action(0),
      horizontal(0.0),
      vertical(0.0),
      pos_x(0),
      facing(0),
      behaviour(-1),
      target(0),
      held(0),
      cpu_weights(),
      difficulty(cpu::NORMAL),
      reaction_wait(0),
      reach_warned(0) {}

int controller::add_source(int type) {
    if (source_count >= MAX_SOURCES) {
        printf("WARNING: controller [%p] already has [%d] sources, source type [%d] refused\n", (void*)this,
               source_count, type);
        return 0;
    }
    sources[source_count] = type;
    source_count++;
    return 1;
}

void controller::update() {
    action = NO_ACTION;
    tracker.mirror_keys = facing;
    tracker.update();
    if (cursor < 0 || cursor >= source_count) cursor = 0;
    if (source_count > 0) run_source(sources[cursor]);
    cursor++;
    if (cursor >= source_count) cursor = 0;
}

void controller::run_source(int type) {
    switch (type) {
        case SOURCE_KEYS_ARROWS:
            keys_arrows();
            break;
        case SOURCE_KEYS_LETTERS:
            keys_letters();
            break;
        case SOURCE_CPU:
            cpu::run(*this);
            break;
        case SOURCE_IDLE:
            vertical = 0.0;
            break;
        case SOURCE_HELD:
            held_controls();
            break;
        default:
            break;
    }
}

void controller::keys_arrows() {
    bool touched_x = false;
    bool touched_y = false;
    if (screen.joystick_ok == 1) read_joystick(&touched_x, &touched_y);
    // The keyboard overrides the joystick.
    const Uint8* keys = platform::key_state();
    const key_layout& layout = keys_of_player(1);
    touched_x = read_key_axis(keys, layout.left, layout.right, &horizontal) || touched_x;
    touched_y = read_key_axis(keys, layout.up, layout.down, &vertical) || touched_y;
    if (!touched_x) horizontal = 0.0;
    if (!touched_y) vertical = 0.0;
    // The kick wins over the punch.
    if (key_held(keys, layout.punch, layout.punch_twin)) action = ACTION_PUNCH;
    if (key_held(keys, layout.kick, layout.kick_twin)) action = ACTION_KICK;
}

void controller::read_joystick(bool* touched_x, bool* touched_y) {
    static const int button_actions[] = {ACTION_PUNCH, ACTION_KICK, ACTION_BUTTON_4, ACTION_BUTTON_5};
    for (int button = 0; button < 4; button++) {
        if (platform::joystick_button(button)) action = button_actions[button];
    }
    *touched_x = read_joystick_axis(platform::joystick_axis(0), &horizontal);
    *touched_y = read_joystick_axis(platform::joystick_axis(1), &vertical);
}

void controller::keys_letters() {
    const Uint8* keys = platform::key_state();
    const key_layout& layout = keys_of_player(2);
    const bool touched_x = read_key_axis(keys, layout.left, layout.right, &horizontal);
    const bool touched_y = read_key_axis(keys, layout.up, layout.down, &vertical);
    // The punch wins over the kick.
    if (key_held(keys, layout.kick, layout.kick_twin)) action = ACTION_KICK;
    if (key_held(keys, layout.punch, layout.punch_twin)) action = ACTION_PUNCH;
    if (!touched_x) horizontal = 0.0;
    if (!touched_y) vertical = 0.0;
}

// As the keys would: the positive direction wins, the kick over the punch.
void controller::held_controls() {
    horizontal = (held & HELD_RIGHT) ? 1.0 : (held & HELD_LEFT) ? -1.0 : 0.0;
    vertical = (held & HELD_DOWN) ? 1.0 : (held & HELD_UP) ? -1.0 : 0.0;
    if (held & HELD_PUNCH) action = ACTION_PUNCH;
    if (held & HELD_KICK) action = ACTION_KICK;
}
