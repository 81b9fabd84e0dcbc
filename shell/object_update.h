#ifndef SHELL_OBJECT_UPDATE_H
#define SHELL_OBJECT_UPDATE_H

#include <cstddef>

class fighter_lifeform;
class hud;

// One frame of one object in play: its inputs, dizziness, attacks and
// combos, guarding, jumping and walking, movement, push-apart, the picture
// it shows and its display elements, in that order. Nothing is drawn here:
// the match paints what the frame left.
class object_update {
public:
    explicit object_update(hud& display_elements);

    // Object `index` of game_objects; `projectile_alive` is this frame's
    // result of the projectile contacts.
    void run(size_t index, bool projectile_alive) const;

private:
    void read_inputs(fighter_lifeform& self) const;
    static void show_dizzy(fighter_lifeform& self);
    static void button_attack(fighter_lifeform& self);
    static void run_combo(fighter_lifeform& self);
    static bool combo_move(fighter_lifeform& self, int combo_type);
    static void rush(fighter_lifeform& self);

    hud& display_elements;
};

#endif
