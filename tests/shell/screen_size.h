#ifndef TESTS_SHELL_SCREEN_SIZE_H
#define TESTS_SHELL_SCREEN_SIZE_H

#include <string>

#include "shell/settings.h"

// The screen size `chosen` asks for, as "widthxheight": width and height are
// one choice, so a case compares them at once and a failure shows both.
inline std::string screen_size(const settings& chosen) {
    return std::to_string(chosen.width) + "x" + std::to_string(chosen.height);
}

#endif
