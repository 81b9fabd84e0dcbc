#include "input/live_input.h"

#include "input/input_code.h"
#include "platform/platform.h"
#include "platform/screen_mgr.h"

namespace {

const int STICK_THRESHOLDS[live_input::STICK_STEPS] = {3200, 10000, 17000};
const Uint8 JOYSTICK_BUTTON_BITS[] = {HELD_PUNCH, HELD_KICK, HELD_BUTTON_4, HELD_BUTTON_5};
const int JOYSTICK_BUTTONS = sizeof(JOYSTICK_BUTTON_BITS) / sizeof(JOYSTICK_BUTTON_BITS[0]);

}  // namespace

frame_input live_input::read() {
    frame_input now;
    now.sides[0] = read_side(1);
    now.sides[1] = read_side(2);
    return now;
}

side_input live_input::read_side(int player) {
    const key_layout& layout = keys_of_player(player);
    const Uint8* keys = platform::key_state();
    side_input side = {platform::ticks(), 0, 0, 0, 0};
    const int layout_keys[] = {layout.up,    layout.down,       layout.left, layout.right,
                               layout.punch, layout.punch_twin, layout.kick, layout.kick_twin};
    for (int key : layout_keys) {
        if (keys && input_code::held(keys, key)) side.held |= key_bit(layout, key);
    }
    if (player == 1 && screen.joystick_ok == 1) read_joystick(&side);
    return side;
}

void live_input::read_joystick(side_input* side) {
    for (int button = 0; button < JOYSTICK_BUTTONS; button++) {
        if (platform::joystick_button(button)) side->held |= JOYSTICK_BUTTON_BITS[button];
    }
    side->stick_x = stick_step(platform::joystick_axis(0));
    side->stick_y = stick_step(platform::joystick_axis(1));
}

Sint8 live_input::stick_step(Sint16 position) {
    Sint8 step = 0;
    for (int index = 0; index < STICK_STEPS; index++) {
        if (position > STICK_THRESHOLDS[index]) step = (Sint8)(index + 1);
        if (position < -STICK_THRESHOLDS[index]) step = (Sint8)-(index + 1);
    }
    return step;
}

Uint8 live_input::key_bit(const key_layout& layout, int key) {
    if (key == key_req::NO_ALTERNATE) return 0;
    if (key == layout.up) return HELD_UP;
    if (key == layout.down) return HELD_DOWN;
    if (key == layout.left) return HELD_LEFT;
    if (key == layout.right) return HELD_RIGHT;
    if (key == layout.punch || key == layout.punch_twin) return HELD_PUNCH;
    if (key == layout.kick || key == layout.kick_twin) return HELD_KICK;
    return 0;
}

bool live_input::holds(const side_input& side, const key_layout& layout, int key) {
    return (side.held & key_bit(layout, key)) != 0;
}
