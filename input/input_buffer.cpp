#include "input/input_buffer.h"

#include "config/state_buffer.h"

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

void input_buffer::save(state_buffer& out) const {
    out.put(input, "kept input");
    out.put(age, "kept age");
}

void input_buffer::restore(state_buffer& in) {
    in.get(input);
    in.get(age);
}
