#include "input/control.h"

control::control() : min(DEFAULT_MIN), max(DEFAULT_MAX) {}

control::control(const char* control_name) : min(DEFAULT_MIN), max(DEFAULT_MAX), name(control_name) {}

void control::add_key(int alternate, int key, Uint8 state, int twin) {
    keys.push_back(key_req{alternate, key, state, twin});
}
