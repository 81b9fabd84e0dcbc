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

    // The move a button starts in the fighter's posture (a crouching or
    // jumping punch or kick has its own move).
    static int attack_move(int action, int posture);

private:
    struct context {
        fighter_lifeform& self;
        fighter_lifeform* opponent;  // the other fighter; null outside a series
        bool is_fighter;
        bool projectile_alive;
    };

    void read_inputs(fighter_lifeform& self) const;
    static void show_dizzy(fighter_lifeform& self);
    static void end_finished_move(fighter_lifeform& self);
    static void set_posture(fighter_lifeform& self);
    static void button_attack(fighter_lifeform& self);
    static void run_combo(fighter_lifeform& self);
    static bool combo_move(fighter_lifeform& self, int combo_type);
    static bool special_move(fighter_lifeform& self, int move, int kind, int unstarted_state);
    static void dash(fighter_lifeform& self);
    static void guard_by_holding_back(const context& at);
    static void jump_and_fall(fighter_lifeform& self);
    static void rush(fighter_lifeform& self);
    static void walk(const context& at);
    static void push_apart(size_t index);
    static void choose_picture(const context& at);
    static bool opponent_attacks(const context& at);

    hud& display_elements;
};

#endif
