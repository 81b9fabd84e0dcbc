#ifndef SHELL_SYNC_TEST_H
#define SHELL_SYNC_TEST_H

#include <SDL/SDL.h>

#include <string>
#include <vector>

#include "config/state_buffer.h"
#include "input/frame_input.h"

class match;

// Proves that a match frame depends on nothing but the state and the
// frame's inputs: every frame is stepped as usual, then the state of
// `frames_back` frames ago is restored and the same inputs are stepped
// again to the present; every frame stepped again must
// end with the checksum it had the first time.
class sync_test {
public:
    enum { MOST_FRAMES_BACK = 8 };

    // 0 is off; other values outside 1 .. 8 are logged and turned off.
    explicit sync_test(int frames_back);

    bool on() const { return back > 0; }
    // A new round: the history starts empty (rounds are not rolled over).
    void forget();
    void step_and_check(match& played, const frame_input& inputs);
    // "Sync test [frames] [rollbacks] [mismatches]".
    void report() const;

    int frames() const { return frames_checked; }
    int rollbacks() const { return rollbacks_done; }
    int mismatches() const { return mismatches_found; }

private:
    struct kept_frame {
        state_buffer before;  // the state the frame started from
        state_buffer after;   // and the one it ended with
        frame_input inputs;
    };

    kept_frame& kept(int frame) { return history[frame % history.size()]; }
    void roll_back(match& played);
    void note_mismatch(const match& played, int frame);

    int back;
    std::vector<kept_frame> history;
    int round_frames;  // frames stepped since the round began
    int frames_checked;
    int rollbacks_done;
    int mismatches_found;
    // The first mismatch, told once the frames stepped again are done.
    std::string first_mismatch;
    state_buffer again;
};

#endif
