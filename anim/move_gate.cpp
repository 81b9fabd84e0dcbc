#include "anim/move_gate.h"

#include <cstdio>

#include "anim/ag_stack.h"
#include "anim/anim_group.h"

int move_gate::can_act(int move_kind, int priority, const ag_stack* running) {
    if (move_kind == KNOCKED_OUT) return 0;
    if (priority == 0) return 1;
    if (!running || running->empty()) return 1;
    return 0;
}

const anim_group* move_gate::start_move(int move_kind, int& priority, ag_stack*& running,
                                        const std::vector<anim_group*>& moves, int index,
                                        int requested) {
    // A move number the fighter file does not provide starts nothing; the
    // match asks for such moves every frame, so this stays silent.
    if (index < 0 || (size_t)index >= moves.size() || !moves[index]) return nullptr;
    if (can_act(move_kind, priority, running)) priority = 0;
    if (requested < priority) {
        printf("curpri[%d]>pri[%d]\n", priority, requested);
        return nullptr;
    }
    anim_group* move = moves[index];
    ag_stack* fresh = move->make_stack();
    // The fighter's running list is never left absent: without a fresh one
    // the old move keeps playing.
    if (!fresh) return nullptr;
    delete running;
    running = fresh;
    priority = requested;
    return move;
}
