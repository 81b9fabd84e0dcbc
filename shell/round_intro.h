#ifndef SHELL_ROUND_INTRO_H
#define SHELL_ROUND_INTRO_H

#include "shell/text_picture.h"

class match_assets;
class state_buffer;

// The start of every round: "Round N", then "Fight!", in the face of the
// round's results, centred on the screen. While it runs the fighters stand
// ready and no control acts. Counted in frames of the match, so a round
// starts alike at any frame rate and in a test.
class round_intro {
public:
    // How long each line shows, in tenths of a second: 1.5 s in all.
    enum { ROUND_LINE_TENTHS = 10, FIGHT_LINE_TENTHS = 5, TEXT_ZOOM = 2 };

    explicit round_intro(const match_assets& assets);

    // Starts the introduction of round `round` of a match at `fps`.
    void begin(int round, int fps);
    bool running() const { return frames_left > 0; }
    // Counts one frame of it, keeping the line that frame shows.
    void step();
    // The line of the frame last counted.
    void draw() const;
    // Only the frames left are state: the lines are pictures of the round.
    void save(state_buffer& out) const;
    void restore(state_buffer& in);
    // The line showing now; empty once the round has begun.
    const char* text() const;

private:
    round_intro(const round_intro&);
    round_intro& operator=(const round_intro&);

    bool fight_line_due() const { return frames_left <= fight_frames; }

    const match_assets& assets;
    text_picture round_line;
    text_picture fight_line;
    int frames_left;
    int fight_frames;
    const text_picture* shown_line;  // null before the first frame counted
};

#endif
