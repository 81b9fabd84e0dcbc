#include "input/input_code.h"

#include "platform/platform.h"

namespace input_code {

int button(int index) { return JOYSTICK_FIRST + index; }

int axis(int index, int direction) { return AXIS_FIRST + 2 * index + (direction > 0 ? 1 : 0); }

bool is_code(int code) { return code > 0 && code < END; }

bool is_joystick(int code) { return code >= JOYSTICK_FIRST && code < END; }

bool held(const Uint8* keys, int code) {
    if (code >= 0 && code < SDLK_LAST) return keys[code] != 0;
    if (code >= JOYSTICK_FIRST && code < AXIS_FIRST) return platform::joystick_button(code - JOYSTICK_FIRST) != 0;
    if (code < AXIS_FIRST || code >= END) return false;
    const int position = platform::joystick_axis((code - AXIS_FIRST) / 2);
    return (code - AXIS_FIRST) % 2 ? position > AXIS_HELD : position < -AXIS_HELD;
}

std::string name(int code) {
    if (code > 0 && code < SDLK_LAST) return SDL_GetKeyName((SDLKey)code);
    if (code >= JOYSTICK_FIRST && code < AXIS_FIRST) return "joystick button " + std::to_string(code - JOYSTICK_FIRST);
    if (code < AXIS_FIRST || code >= END) return "none";
    return "joystick axis " + std::to_string((code - AXIS_FIRST) / 2) + ((code - AXIS_FIRST) % 2 ? " +" : " -");
}

}  // namespace input_code
