#ifndef INPUT_CONTROLLER_H
#define INPUT_CONTROLLER_H

#include "config/random_source.h"
#include "input/frame_input.h"
#include "input/key_tracker.h"

class state_buffer;

// The six CPU weights, in the order a lifeform keeps them.
enum cpu_weight {
    WEIGHT_BLOCK,
    WEIGHT_SPARE,  // kept for the data's sake, never read
    WEIGHT_REACH,  // attack distance, percent of the level's width
    WEIGHT_JUMP,
    WEIGHT_DUCK,
    WEIGHT_APPROACH,
    CPU_WEIGHT_COUNT
};

// The input driver of one object in play. Once per frame its owner's think
// copies the owner's state in, runs update, and takes horizontal and
// vertical back; the match reads `action` here and runs the tracker's combo
// step.
class controller {
public:
    enum { MAX_SOURCES = 100 };
    enum source_type {
        SOURCE_KEYS_ARROWS = 3,   // arrows, Space/i punch, k kick, first joystick
        SOURCE_KEYS_LETTERS = 5,  // a d w s, Tab punch, z kick
        SOURCE_CPU = 6,
        SOURCE_IDLE = 7,          // projectiles: only clears vertical
        SOURCE_HELD = 8           // the controls in `held`, set by the match (the training dummy)
    };
    enum action_value { NO_ACTION = -1, ACTION_PUNCH = 0, ACTION_KICK = 3, ACTION_BUTTON_4 = 4, ACTION_BUTTON_5 = 5 };
    // How often the computer changes its mind and how soon it acts on a
    // new choice; what it may do stays the same. NORMAL is its own pace.
    enum difficulty_value { EASY = 0, NORMAL = 1, HARD = 2 };

    controller();

    // Appends a source of that type; returns 0 and logs when the table is full.
    int add_source(int type);
    // The computer's frame, handed in by whoever runs the match: the
    // computer reads the fighters and the level, which sit above controls.
    typedef void (*computer_step)(controller& driver);

    // One frame from `input`: updates the key tracker and runs
    // sources[cursor]; a computer source runs `computer`, and stands idle
    // without one. Nothing here reads the platform, so a recorded frame
    // plays as the live one did.
    void update(computer_step computer = nullptr);

    // What the controller carries from frame to frame: its cursor, last
    // outputs, the CPU's behaviour and dice, and the key tracker. The
    // source table is the match's set-up and is not saved.
    void save(state_buffer& out) const;
    void restore(state_buffer& in);

    int sources[MAX_SOURCES];
    int cursor;
    int source_count;
    int action;         // -1 none, 0 punch, 3 kick, 4 and 5 extra joystick buttons
    double horizontal;  // -1 left ... +1 right (joystick: +-0.5, 1, 1.5)
    double vertical;    // -1 up ... +1 down
    int pos_x;
    int facing;         // 1 faces right
    int behaviour;      // CPU state, -1 chooses afresh
    int target;         // index of the opponent in game_objects
    Uint8 scripted_held;  // held_control bits that SOURCE_HELD plays
    key_tracker tracker;
    int cpu_weights[CPU_WEIGHT_COUNT];
    // How often and how soon the CPU acts (EASY, NORMAL, HARD), and
    // the frames it still waits before acting on its last choice.
    int difficulty;
    int reaction_wait;
    // The CPU reports a target or level it can't measure once, not every frame.
    int reach_warned;
    // This frame's inputs, handed in by the match before its objects run.
    side_input input;
    // Whose key layout the tracker's combos were bound with: 1 or 2.
    int player;
    // The CPU's dice, seeded by the match once per series.
    random_source chance;

private:
    template <class Archive, class Self>
    static void fields(Archive&& archive, Self& self);
    void run_source(int type, computer_step computer);
    void keys_arrows();
    void keys_letters();
    void held_controls();
    void read_stick(bool* touched_x, bool* touched_y);
    bool held(Uint8 bit) const { return (input.held & bit) != 0; }
};

#endif
