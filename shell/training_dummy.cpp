#include "shell/training_dummy.h"

#include <cstdio>

#include "config/state_buffer.h"
#include "input/controller.h"
#include "input/frame_input.h"
#include "objects/fighter_lifeform.h"

namespace {

const char* const LABELS[training_dummy::MODES] = {"Dummy: stand", "Dummy: crouch", "Dummy: jump", "Dummy: block",
                                                   "Dummy: computer"};

// Away from the way the dummy faces.
Uint8 back_of(const fighter_lifeform& dummy) { return dummy.facing == 1 ? HELD_LEFT : HELD_RIGHT; }

// A crouching guard stops all but a jumping blow, a standing one all but a
// crouching blow. The attacker's posture this frame comes from its jump speed
// at the end of the last frame: a fighter still rising or falling then is in
// the air or landing now, never crouching, so the standing guard holds;
// a fighter on the ground then is never in the air now, so the crouching
// guard holds. Looking at the posture itself would be a frame late.
Uint8 guard_against(const fighter_lifeform& dummy, const fighter_lifeform& attacker) {
    const Uint8 back = back_of(dummy);
    return attacker.jump_speed != 0.0 ? back : (Uint8)(back | HELD_DOWN);
}

}  // namespace

training_dummy::training_dummy() : chosen(STAND) {}

const char* training_dummy::label(int mode) { return mode >= 0 && mode < MODES ? LABELS[mode] : ""; }

void training_dummy::next_mode() {
    chosen = (chosen + 1) % MODES;
    printf("Training dummy [%s]\n", label(chosen));
}

Uint8 training_dummy::held_controls(const fighter_lifeform& dummy, const fighter_lifeform& attacker) const {
    switch (chosen) {
    case CROUCH: return HELD_DOWN;
    case JUMP: return HELD_UP;
    case BLOCK: return guard_against(dummy, attacker);
    default: return 0;
    }
}

void training_dummy::drive(controller& driver, const fighter_lifeform& dummy, const fighter_lifeform& attacker) const {
    const int source = chosen == CPU ? controller::SOURCE_CPU : controller::SOURCE_HELD;
    // The computer chooses afresh each time it takes over.
    if (driver.source_count > 0 && driver.sources[0] != source) driver.behaviour = -1;
    driver.sources[0] = source;
    driver.source_count = 1;
    driver.scripted_held = held_controls(dummy, attacker);
}

void training_dummy::save(state_buffer& out) const { out.put(chosen, "dummy mode"); }

void training_dummy::restore(state_buffer& in) {
    in.get(chosen);
    if (chosen >= 0 && chosen < MODES) return;
    chosen = STAND;
    in.fail();
}
