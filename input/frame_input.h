#ifndef INPUT_FRAME_INPUT_H
#define INPUT_FRAME_INPUT_H

#include <SDL/SDL.h>

// Everything from outside that one match frame reads, for each side: which
// of its controls are held, where the joystick stands, and the clock its key
// tracker reads. Live play fills it from the platform; a replay (and later
// the network) supplies recorded values, so the same inputs give the same
// match. Plain bytes with no padding, so that it is stored as it is.
enum held_control {
    HELD_UP = 1 << 0,
    HELD_DOWN = 1 << 1,
    HELD_LEFT = 1 << 2,
    HELD_RIGHT = 1 << 3,
    HELD_PUNCH = 1 << 4,
    HELD_KICK = 1 << 5,
    HELD_BUTTON_4 = 1 << 6,
    HELD_BUTTON_5 = 1 << 7
};

struct side_input {
    Uint32 clock_ms;  // what the side's key tracker reads as now
    Uint8 held;       // held_control bits
    Sint8 stick_x;    // joystick step, -3 (hard left) .. 3 (hard right); 0 without one
    Sint8 stick_y;    // -3 (hard up) .. 3 (hard down)
    Uint8 unused;     // keeps the size a multiple of four: always 0
};

// [0] drives the right fighter (the first player), [1] the left one, as the
// match's controllers do.
struct frame_input {
    enum { SIDES = 2 };
    side_input sides[SIDES];
};

#endif
