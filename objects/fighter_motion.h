#ifndef OBJECTS_FIGHTER_MOTION_H
#define OBJECTS_FIGHTER_MOTION_H

#include <cstddef>

class fighter_lifeform;

// How an object in play moves within a frame, between reading its inputs
// and taking its step: posture, guarding by holding back, jumping and
// falling, the dash and the lift, the rush's run, walking, the pull of the
// floor and the push that keeps two bodies apart. Each step changes only
// the object's speeds, posture and guard; the match calls them in order.
class fighter_motion {
public:
    // Crouching while holding down on the floor, jumping while off it,
    // standing otherwise; a rush runs upright.
    static void take_posture(fighter_lifeform& self);
    // Holding back guards; `under_attack`, the guard stands still instead
    // of walking back.
    static void guard_by_holding_back(fighter_lifeform& self, bool under_attack);
    // Crouching stops walking; a jump leaves the floor and arcs back down;
    // in the air only the drift carries the fighter sideways.
    static void jump_and_fall(fighter_lifeform& self);
    // The lift combo: the jump rises a little faster.
    static void lift(fighter_lifeform& self);
    // Toward the held direction, or a step back when none is held.
    static void dash(fighter_lifeform& self);
    // A running rush carries the fighter forward and keeps it attacking;
    // true while it runs.
    static bool rush(fighter_lifeform& self);
    // A fighter is always pulled down; on the floor the clamp absorbs it.
    static void fall(fighter_lifeform& self);
    // Walks forward or back while steering sideways; a fighter that steers
    // nowhere and may act drops its walk.
    static void walk(fighter_lifeform& self, bool is_fighter);
    // Object `index` of game_objects is put back against any body it has
    // walked into; attacks may overlap.
    static void push_apart(size_t index);
};

#endif
