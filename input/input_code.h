#ifndef INPUT_INPUT_CODE_H
#define INPUT_INPUT_CODE_H

#include <SDL/SDL.h>

#include <string>

// What a control can be bound to: an SDL key code, or, from JOYSTICK_FIRST
// on, a button or one direction of an axis of the first joystick. One
// number for both lets layouts, control maps and the key tracker hold
// joystick inputs where they hold keys.
namespace input_code {

enum {
    JOYSTICK_FIRST = SDLK_LAST,
    BUTTONS = 16,
    AXIS_FIRST = JOYSTICK_FIRST + BUTTONS,
    AXES = 8,
    END = AXIS_FIRST + 2 * AXES,
    // An axis counts as held this far from its middle.
    AXIS_HELD = 10000
};

int button(int index);
// direction -1 or +1.
int axis(int index, int direction);
bool is_code(int code);
bool is_joystick(int code);
// Held now: the key in `keys` (SDL's key state), or the joystick input.
bool held(const Uint8* keys, int code);
// "up", "space", "joystick button 2", "joystick axis 1 -".
std::string name(int code);

}  // namespace input_code

#endif
