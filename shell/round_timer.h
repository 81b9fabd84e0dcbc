#ifndef SHELL_ROUND_TIMER_H
#define SHELL_ROUND_TIMER_H

class TXT_MGR;

// The time a round may last, counted down in frames of play (a paused match
// does not count), and its seconds at the top centre between the life bars.
class round_timer {
public:
    round_timer();

    // A round of `seconds` at `fps` frames a second; 0 seconds: no limit.
    void start(int seconds, int fps);
    // One frame of play has passed.
    void tick();
    bool limited() const { return frames_left >= 0; }
    // Time has run out: the round ends as a knock-out would.
    bool expired() const { return frames_left == 0; }
    // Whole seconds left, rounded up: 0 shows only once time is out.
    int seconds_left() const;

    void draw(TXT_MGR* face) const;

private:
    int frames_left;  // -1: no limit
    int fps;
};

#endif
