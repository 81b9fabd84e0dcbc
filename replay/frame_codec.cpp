#include "replay/frame_codec.h"

#include <cstring>

#include "replay/byte_reader.h"
#include "replay/byte_writer.h"

namespace {

const Uint8 CHANGED_FRAME = 0xC0;
const Uint8 CLOCK_ONLY_FRAME = 0x80;
const Uint8 SMALL_DIFFERENCE_MASK = 0x3F;
const int FIELDS_PER_SIDE = 3;
const int SIDE_FIELDS_MASK = 7;
enum field { HELD_FIELD = 1, STICK_FIELD = 2, CLOCK_FIELD = 4 };

Uint32 zigzag(Sint32 value) { return ((Uint32)value << 1) ^ (Uint32)(value >> 31); }

Sint32 unzigzag(Uint32 value) { return (Sint32)(value >> 1) ^ -(Sint32)(value & 1); }

// What the decoder predicts for the next frame: the same controls, the clock
// one step on. A frame is stored as its difference from that.
frame_input predicted(const frame_input& last, Uint32 step) {
    frame_input next = last;
    for (side_input& side : next.sides) side.clock_ms += step;
    return next;
}

Sint32 clock_difference(const side_input& actual, const side_input& expected) {
    return (Sint32)(actual.clock_ms - expected.clock_ms);
}

int changed_fields(const side_input& actual, const side_input& expected) {
    int fields = 0;
    if (actual.held != expected.held) fields |= HELD_FIELD;
    if (actual.stick_x != expected.stick_x || actual.stick_y != expected.stick_y) fields |= STICK_FIELD;
    if (actual.clock_ms != expected.clock_ms) fields |= CLOCK_FIELD;
    return fields;
}

void flush_run(int* run, byte_writer& out) {
    if (*run > 0) out.u8((Uint8)(*run - 1));
    *run = 0;
}

// Controls as before and the same small clock difference on both sides: the
// usual frame of live play, whose clock wobbles around the step.
bool fits_clock_only(const frame_input& actual, const frame_input& expected, int fields0, int fields1) {
    if ((fields0 | fields1) & ~CLOCK_FIELD) return false;
    const Sint32 difference = clock_difference(actual.sides[0], expected.sides[0]);
    if (difference != clock_difference(actual.sides[1], expected.sides[1])) return false;
    return zigzag(difference) <= SMALL_DIFFERENCE_MASK;
}

void write_side(const side_input& actual, const side_input& expected, int fields, byte_writer& out) {
    if (fields & HELD_FIELD) out.u8(actual.held);
    if (fields & STICK_FIELD) {
        out.u8((Uint8)actual.stick_x);
        out.u8((Uint8)actual.stick_y);
    }
    if (fields & CLOCK_FIELD) out.varint(zigzag(clock_difference(actual, expected)));
}

bool read_side(byte_reader& in, int fields, side_input* side) {
    if (fields & HELD_FIELD) side->held = in.u8();
    if (fields & STICK_FIELD) {
        side->stick_x = (Sint8)in.u8();
        side->stick_y = (Sint8)in.u8();
    }
    if (fields & CLOCK_FIELD) {
        Uint32 difference = 0;
        if (!in.varint(&difference)) return false;
        side->clock_ms += (Uint32)unzigzag(difference);
    }
    return true;
}

}  // namespace

void frame_codec::encode(const std::vector<frame_input>& frames, int fps, byte_writer& out) {
    const Uint32 step = clock_step(fps);
    frame_input last;
    memset(&last, 0, sizeof(last));
    int run = 0;
    for (const frame_input& actual : frames) {
        const frame_input expected = predicted(last, step);
        const int fields0 = changed_fields(actual.sides[0], expected.sides[0]);
        const int fields1 = changed_fields(actual.sides[1], expected.sides[1]);
        if (fields0 == 0 && fields1 == 0) {
            last = expected;
            if (++run == LONGEST_RUN) flush_run(&run, out);
            continue;
        }
        flush_run(&run, out);
        if (fits_clock_only(actual, expected, fields0, fields1)) {
            out.u8((Uint8)(CLOCK_ONLY_FRAME | zigzag(clock_difference(actual.sides[0], expected.sides[0]))));
        } else {
            out.u8((Uint8)(CHANGED_FRAME | fields0 | (fields1 << FIELDS_PER_SIDE)));
            write_side(actual.sides[0], expected.sides[0], fields0, out);
            write_side(actual.sides[1], expected.sides[1], fields1, out);
        }
        last = actual;
    }
    flush_run(&run, out);
}

frame_codec::result frame_codec::decode(byte_reader& in, size_t count, int fps, std::vector<frame_input>* frames) {
    const Uint32 step = clock_step(fps);
    frame_input last;
    memset(&last, 0, sizeof(last));
    frames->clear();
    while (frames->size() < count) {
        const Uint8 tag = in.u8();
        if (in.short_read()) return CUT_SHORT;
        if (tag < CLOCK_ONLY_FRAME) {
            const size_t run = (size_t)tag + 1;
            if (run > count - frames->size()) return DAMAGED;
            for (size_t i = 0; i < run; i++) {
                last = predicted(last, step);
                frames->push_back(last);
            }
            continue;
        }
        frame_input actual = predicted(last, step);
        if (tag < CHANGED_FRAME) {
            const Sint32 difference = unzigzag(tag & SMALL_DIFFERENCE_MASK);
            for (side_input& side : actual.sides) side.clock_ms += (Uint32)difference;
        } else {
            const int fields = tag & SMALL_DIFFERENCE_MASK;
            const bool read = read_side(in, fields & SIDE_FIELDS_MASK, &actual.sides[0]) &&
                              read_side(in, fields >> FIELDS_PER_SIDE, &actual.sides[1]);
            if (in.short_read()) return CUT_SHORT;
            if (!read) return DAMAGED;
        }
        frames->push_back(actual);
        last = actual;
    }
    return DECODED;
}
