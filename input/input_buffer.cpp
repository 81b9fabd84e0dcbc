#include "input/input_buffer.h"

input_buffer::input_buffer() : input(NOTHING), age(0) {}

void input_buffer::keep(int kept) {
    input = kept;
    age = 0;
}

void input_buffer::age_one_frame() {
    if (input == NOTHING) return;
    age++;
    if (age > WINDOW_FRAMES) clear();
}

void input_buffer::clear() {
    input = NOTHING;
    age = 0;
}
