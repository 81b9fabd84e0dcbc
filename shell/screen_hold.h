#ifndef SHELL_SCREEN_HOLD_H
#define SHELL_SCREEN_HOLD_H

// How long a screen between fights stays up: a number of frames, or until
// the player presses a key. Presses in its first moments still belong to
// the fight that just ended (a player hammering the punch key at the
// knock-out must still see who won). Escape or the window's close end it at
// once and are remembered, so the caller can leave what it was doing.
//
// Counts frames only; the caller draws and paces them.
class screen_hold {
public:
    screen_hold(int frames, int grace_frames);

    // How many frames `tenths` tenths of a second last at `fps` frames a
    // second: the screens between fights give their times in tenths.
    static int frames_of(int tenths, int fps);

    // Reads this frame's input and counts the frame; false once the screen
    // is over (before the frame is drawn).
    bool step();
    // Escape or the window's close ended it.
    bool left() const { return leaving; }
    int frames_shown() const { return shown; }

private:
    int limit;
    int grace;
    int shown;
    bool over;
    bool leaving;
};

#endif
