#ifndef SHELL_TRAINING_SESSION_H
#define SHELL_TRAINING_SESSION_H

#include <SDL/SDL.h>

#include "shell/training_dummy.h"

class Anim_Mgr;
class controller;
class definition_index;
class fighter_lifeform;
class state_buffer;
class state_reader;
class state_writer;

// The rules and the record of a training match, which never ends: no
// fighter is knocked out, and life comes back two seconds after a fighter
// stops being hit. What the training shows is kept here, counted in frames:
// the player's last inputs, the damage of the last string of hits each
// fighter took and how many frames each fighter's move lasts.
class training_session {
public:
    enum { HISTORY = 16, REFILL_SECONDS = 2, SIDES = 2 };

    // One input of the player: the controls held and for how many frames.
    struct input_entry {
        Uint8 held;  // held_control bits
        int frames;
    };

    // Per fighter: life, hits and the move now or last played.
    struct fighter_record {
        int last_life;
        int quiet_frames;    // frames since the fighter was last hit
        bool string_open;    // the last frame the fighter was hit or reeling
        int string_damage;   // life the last string of hits took
        const Anim_Mgr* move;  // the move playing, null for none
        int move_number;     // of the move playing or last played; -1 none yet
        int move_frames;     // how long it has played or lasted
        bool timing;         // the move playing is being timed
    };

    training_session();

    // At series set-up: the frame rate and the fighters' full life.
    void start(int fps, const fighter_lifeform& left, const fighter_lifeform& right);
    // After the frame's blows, before the knock-out checks: the damage
    // taken, no knock-out, and the refill of a fighter left alone.
    void after_blows(fighter_lifeform& left, fighter_lifeform& right);
    // After the fighters moved: the player's inputs of the frame and the
    // moves played.
    void after_moves(const controller& player, const fighter_lifeform& left, const fighter_lifeform& right);

    // Entry 0 is the newest; `count` of them are filled.
    const input_entry& input(int newest_first) const;
    int inputs() const { return input_count; }
    const fighter_record& record(int side) const { return records[side]; }

    static Uint8 held_by(const controller& player);

    // The records and the dummy's mode: a training match is stepped, saved
    // and restored like any other. The move playing is named by its
    // definition's number.
    void save(state_buffer& out, const definition_index& definitions) const;
    void restore(state_buffer& in, const definition_index& definitions);

    training_dummy dummy;

private:
    template <class Archive, class Self>
    static void fields(Archive&& archive, Self& self, const definition_index& definitions);
    static void move_field(state_writer& archive, const fighter_record& kept, const definition_index& definitions);
    static void move_field(state_reader& archive, fighter_record& kept, const definition_index& definitions);
    void take_blows(fighter_record& kept, fighter_lifeform& fighter) const;
    void record_input(Uint8 held);
    static void record_move(fighter_record& kept, const fighter_lifeform& fighter);

    int refill_frames;
    fighter_record records[SIDES];
    input_entry history[HISTORY];  // a ring: `newest` is the last written
    int newest;
    int input_count;
    Uint8 held_before;
};

#endif
