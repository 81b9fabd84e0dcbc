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

    // The move a button starts in the fighter's posture (a crouching or
    // jumping punch or kick has its own move).
    static int attack_move(int action, int posture);
    // A button's attack: the move kind its button names, attacking, and
    // its move in the fighter's posture.
    void attack(int action);
    // A special or rush combo cuts off whatever else plays, then starts
    // `move` when the gate allows. Either strikes as an attack while its
    // frames run; a fighter whose move did not start is left in
    // `unstarted_state`. False when the gate stayed shut (the same move
    // still plays, or the fighter is knocked out).
    bool start_combo_move(int move, int kind, int unstarted_state);
    // Back to neutral once the running move has ended, unless knocked out.
    void settle_when_move_ends();
    // One dizzy frame: the fighter stands and its controller does not run.
    void stay_dizzy();
    // The knock-downs start counting afresh once the dizziness is over.
    void recover_when_dizziness_ends();
    // A blow meets this fighter's guard: the first time in the attacker's
    // move the guard slides back a little and true is returned (the match
    // shows a spark); later frames of the same move do nothing.
    bool stop_blow(fighter_lifeform& attacker);
    // A projectile meets the guard: it holds and costs a chip of life.
    void guard_projectile();
    // Knocked out until the next round, lying on the floor.
    void lie_knocked_out();
    // Drops whatever it was doing: no move, no speed, no hit string or
    // dizziness, neutral, feet on the floor.
    void stand_still();
    // Takes its place in a series: driven by `driver`, on team `side`, at
    // the series' frame rate.
    void join(::controller& driver, int side, int frame_rate);
    // The still picture for the move kind and posture. A fighter's guard
    // `under_attack` drops its walk back for the guard pose.
    void choose_still(bool is_fighter, bool under_attack);
    // Round wins, held in a byte.
    void add_wins(int count);

    // The lifeform's state and the fighter's counters.
    void save(state_buffer& out, const definition_index& definitions) const;
    void restore(state_buffer& in, const definition_index& definitions);

    // The move in progress: its kind and the priority it started with, the
    // posture it is made in and the one the last hit found, and whether it
    // already met a guard (a blow is stopped once, with one spark and one
    // slide, however many frames the pictures touch).
    int move_kind;
    int priority;
    int posture;
    int hit_posture;
    int blow_guarded;

    // The combat counters: the string of hits taken without a break, the
    // clock at the last hit (ms) and the rounds won.
    int hits_taken;
    int hit_time;
    Uint8 wins;

    // Dizziness: the knock-downs counted toward it and the frames it has
    // lasted, out of 3 x fps (the match's frame rate).
    Uint8 knockdowns;
    int dizzy_frames;
    int fps;

    // Inputs that came while the gate was shut, tried again when it opens.
    input_buffer early_button;  // a punch or kick
    input_buffer early_combo;   // a completed special or rush

private:
    template <class Archive, class Self>
    static void fields(Archive&& archive, Self& self);
    int reacting_to_hit() const;
    int reaction_move(const fighter_lifeform& attacker) const;
    void count_knockdown(int* reaction);
};

#endif
