#ifndef REPLAY_FRAME_CODEC_H
#define REPLAY_FRAME_CODEC_H

#include <vector>

#include "input/frame_input.h"

class byte_reader;
class byte_writer;

// The inputs of a series, frame after frame, in few bytes. Each side's clock
// is stored as its difference from the last frame's clock plus one frame of
// the series' rate, so a steady clock costs nothing; a frame that repeats
// the last one's controls costs a byte or less:
//   0x00-0x7F  that many plus one frames as before, the clock one step on
//   0x80-0xBF  one frame of unchanged controls whose clocks both differ from
//              the step by the same small amount (6 bits, zigzag)
//   0xC0-0xFF  one frame; the low bits say, per side, which of held
//              controls, stick and clock difference follow
class frame_codec {
public:
    enum result { DECODED, CUT_SHORT, DAMAGED };
    enum { LONGEST_RUN = 128 };

    static void encode(const std::vector<frame_input>& frames, int fps, byte_writer& out);
    // Reads exactly `count` frames; the caller has bounded `count`.
    static result decode(byte_reader& in, size_t count, int fps, std::vector<frame_input>* frames);

    // The clock step between frames at `fps` frames a second.
    static Uint32 clock_step(int fps) { return fps > 0 ? (Uint32)(1000 / fps) : 0; }
};

#endif
