#ifndef AI_CPU_SOURCE_H
#define AI_CPU_SOURCE_H

class controller;

// The computer opponent: a controller source that feeds the same inputs a
// player's keys do. A small random state machine kept in the controller's
// `behaviour`; the controller's seeded dice are its only source of chance.
class cpu {
public:
    enum behaviour_value {
        AFTER_JUMP = -2,  // evades until the next choice
        CHOOSE = -1,
        BLOCKING = 0,
        APPROACHING = 1,  // attacks once the opponent is within reach
        JUMPING = 2,
        DUCKING = 3,
        SPECIAL = 4,      // performs one of its combos, then chooses again
        EVADING = 5
    };

    // One frame of the source: may change driver.behaviour, sets
    // horizontal, vertical and action, may queue a finished combo.
    static void run(controller& driver);
    // The inputs of the current behaviour, without changing it by chance.
    static void act(controller& driver);

    // The weighted choice of a fresh behaviour: r is drawn from
    // [0, choice_range(weights)).
    static int choice_range(const int weights[]);
    static int choose(const int weights[], int r);
    // The way out of the wait after a jump: r is drawn from
    // [0, after_jump_range(weights)); may stay AFTER_JUMP.
    static int after_jump_range(const int weights[]);
    static int after_jump(const int weights[], int r);
    // The opponent is within reach strictly inside reach percent of the
    // level's width.
    static bool in_reach(int distance, int reach_percent, int level_width);
};

#endif
