#ifndef SHELL_TRAINING_DUMMY_H
#define SHELL_TRAINING_DUMMY_H

#include <SDL/SDL.h>

class controller;
class state_buffer;
class fighter_lifeform;

// What the training's dummy (the left fighter) does: stand, crouch, jump,
// guard against everything, or fight as the computer does. The player picks
// it on the pause list.
class training_dummy {
public:
    enum mode { STAND, CROUCH, JUMP, BLOCK, CPU, MODES };

    training_dummy();

    // The pause list's text for a mode.
    static const char* label(int mode);
    void next_mode();
    int current() const { return chosen; }
    // The mode is chosen between frames and kept with the match.
    void save(state_buffer& out) const;
    void restore(state_buffer& in);

    // The controls the dummy holds this frame against `attacker`.
    Uint8 held_controls(const fighter_lifeform& dummy, const fighter_lifeform& attacker) const;
    // Puts the dummy's controller on the computer or on the held controls;
    // called every frame before the fighters move.
    void drive(controller& driver, const fighter_lifeform& dummy, const fighter_lifeform& attacker) const;

private:
    int chosen;
};

#endif
