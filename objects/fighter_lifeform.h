#ifndef OBJECTS_FIGHTER_LIFEFORM_H
#define OBJECTS_FIGHTER_LIFEFORM_H

#include <SDL/SDL.h>

#include "input/input_buffer.h"
#include "objects/lifeform.h"

// A lifeform with a fighter's combat bookkeeping: the priority gate through
// which moves start and the reaction to a hit. Projectiles are fighter
// lifeforms too, so that every object in play can hit and be hit.
class fighter_lifeform : public lifeform {
public:
    enum { POSTURE_CROUCH = 0, POSTURE_STAND = 1, POSTURE_JUMP = 2 };
    // `move_kind`
    enum {
        MOVE_KIND_NONE = 0,
        MOVE_KIND_BLOCK = 1,
        MOVE_KIND_HIT_REACTION = 2,
        MOVE_KIND_KNOCKED_OUT = 3,
        MOVE_KIND_PUNCH = 4,
        MOVE_KIND_KICK = 5,
        MOVE_KIND_BUTTON_4 = 6,
        MOVE_KIND_BUTTON_5 = 7,
        MOVE_KIND_SPECIAL = 8,
        MOVE_KIND_RUSH = 9,
        MOVE_KIND_DIZZY = 12
    };
    // Move numbers: a fighter file lists its moves in this order.
    enum {
        MOVE_PUNCH = 0,
        MOVE_HIT_BY_JUMPER = 1,
        MOVE_HIT = 2,
        MOVE_KICK = 3,
        MOVE_BUTTON_4 = 4,
        MOVE_BUTTON_5 = 5,
        MOVE_HIT_CROUCHING = 6,
        MOVE_HIT_HEAVY = 7,
        MOVE_CROUCH_PUNCH = 8,
        MOVE_CROUCH_KICK = 9,
        MOVE_JUMP_PUNCH = 10,
        MOVE_JUMP_KICK = 11,
        MOVE_SPECIAL = 12,
        MOVE_PROJECTILE = 13,
        MOVE_RUSH = 15,
        MOVE_WALK_FORWARD = 16,
        MOVE_WALK_BACKWARD = 17
    };
    // Priorities moves are started with.
    enum { PRIORITY_WALK = 0, PRIORITY_MOVE = 1, PRIORITY_HIT_REACTION = 3 };
    enum { DEFAULT_FPS = 60, DIZZY_KNOCKDOWNS = 3, DIZZY_SECONDS = 3 };

    fighter_lifeform();

    // This fighter takes a hit from `attacker`: damage, reaction move,
    // hit-string and knock-down counters. A running hit reaction absorbs
    // further hits; a walking or attacking fighter is hit (so two attackers
    // trade blows).
    void take_hit(fighter_lifeform& attacker);
    // 1 when a new move may replace the current one regardless of priority.
    int can_act() const;
    // Starts move `index` when the priority gate lets it through; a move the
    // fighter lacks starts nothing. Always 1.
    int start_move(int index, int move_priority);
    // Dizzy after three knock-downs, for 3 x fps frames.
    int is_dizzy() const;
    // Once the fighter has acted, an early press was answered or overtaken.
    void forget_early_inputs();

    // The lifeform's state and the fighter's counters.
    void save(state_buffer& out, const definition_index& definitions) const;
    void restore(state_buffer& in, const definition_index& definitions);

    int posture;
    int move_kind;
    int hit_posture;
    int priority;
    int hits_taken;
    Uint8 wins;
    Uint8 knockdowns;
    int dizzy_frames;
    int hit_time;  // ms, clock at the last hit
    int fps;       // the match's frame rate; dizziness lasts 3 x fps frames
    // The running move already met a guard: a blow is stopped once, with
    // one spark and one slide, however many frames the pictures touch.
    int blow_guarded;
    input_buffer early_button;  // a punch or kick pressed while the gate was shut
    input_buffer early_combo;   // a special or rush completed while it was shut

private:
    // The saved fields, listed once: save() runs the list with a
    // state_writer, restore() with a state_reader.
    template <class Archive, class Self>
    static void fields(Archive&& archive, Self& self);
    int reacting_to_hit() const;
    int reaction_move(const fighter_lifeform& attacker) const;
    void count_knockdown(int* reaction);
};

#endif
