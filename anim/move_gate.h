#ifndef ANIM_MOVE_GATE_H
#define ANIM_MOVE_GATE_H

#include <vector>

class ag_stack;
class anim_group;

// The priority gate by which a fighter starts its moves: a move of lower
// priority never cuts off one of higher priority. Hit reactions start at 3,
// ordinary moves at 1, walking at 0. The state lives on the fighter
// (move_kind, priority, anim_stack, moves); these functions hold the rules,
// so fighter_lifeform::can_act / start_move are one call each:
//
//     int fighter_lifeform::can_act() const {
//         return move_gate::can_act(move_kind, priority, anim_stack);
//     }
//     int fighter_lifeform::start_move(int index, int p) {
//         const anim_group* started =
//             move_gate::start_move(move_kind, priority, anim_stack, moves, index, p);
//         if (started) { width = started->width; height = started->height; move_phase = 1; }
//         return 1;
//     }
class move_gate {
public:
    enum { KNOCKED_OUT = 3 };  // the move_kind of a knocked-out fighter

    // 1 when a new move may replace the running one whatever its priority:
    // never while knocked out; always at priority 0 or with nothing running.
    static int can_act(int move_kind, int priority, const ag_stack* running);

    // Starts moves[index] at priority `requested` when the gate lets it
    // through (an equal priority replaces the running move): `running` is
    // replaced by the group's fresh list (the old one is deleted),
    // `priority` = requested, and the group is returned so the caller takes
    // its width and height. A refused request prints
    // "curpri[%d]>pri[%d]\n" and returns null; an index outside `moves`
    // starts nothing, changes nothing and returns null.
    static const anim_group* start_move(int move_kind, int& priority, ag_stack*& running,
                                        const std::vector<anim_group*>& moves, int index,
                                        int requested);
};

#endif
