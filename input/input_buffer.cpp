#include "input/input_buffer.h"

#include "config/state_fields.h"

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

// Saved inside a fighter: its fields are labelled as the buffer's.
template <class Archive, class Self>
void input_buffer::fields(Archive&& archive, Self& buffer) {
    STATE_FIELDS(archive, buffer.input, buffer.age);
}

void input_buffer::save(state_buffer& out) const { fields(state_writer(out), *this); }

void input_buffer::restore(state_buffer& in) { fields(state_reader(in), *this); }
