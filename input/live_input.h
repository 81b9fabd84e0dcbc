#ifndef INPUT_LIVE_INPUT_H
#define INPUT_LIVE_INPUT_H

#include "input/control_maps.h"
#include "input/frame_input.h"

// The inputs of a live frame, read from the platform through the players'
// key layouts: the held controls, the first player's joystick and the clock.
// Controllers and key trackers read only what this gives them, so a
// recorded frame plays exactly as the live one did.
class live_input {
public:
    enum { STICK_STEPS = 3 };

    static frame_input read();
    // Player 1 (the right fighter, side 0) also reads the first joystick.
    static side_input read_side(int player);

    // The held bit a key of the layout stands for (its twin too); 0 for a
    // key the layout does not use.
    static Uint8 key_bit(const key_layout& layout, int key);
    // Whether the side holds that key of the layout.
    static bool holds(const side_input& side, const key_layout& layout, int key);
    // A joystick axis position as a step of -3 .. 3: each threshold passed
    // overrides the one before, so a harder push gives a larger step.
    static Sint8 stick_step(Sint16 position);

private:
    static void read_joystick(side_input* side);
};

#endif
