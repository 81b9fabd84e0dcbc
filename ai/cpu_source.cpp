#include "ai/cpu_source.h"

#include <cstdio>
#include <cstdlib>

#include "input/controller.h"
#include "objects/fighter_lifeform.h"
#include "objects/game_objects.h"
#include "stage/level.h"

namespace {

// Weights come from data: a negative one counts as 0 and a huge one is
// capped, so the sums below stay positive and never overflow.
const int MAX_WEIGHT = 1000000;

int weight(const int weights[], int which) {
    const int value = weights[which];
    if (value < 0) return 0;
    return value > MAX_WEIGHT ? MAX_WEIGHT : value;
}

// Everything the CPU does is relative to the opponent: +1 toward it when the
// fighter faces right, -1 otherwise.
double toward_opponent(const controller& driver) { return driver.facing == 1 ? 1.0 : -1.0; }

void warn_once(controller& driver, const char* message, int value) {
    if (driver.reach_warned) return;
    driver.reach_warned = 1;
    printf(message, (void*)&driver, value);
}

// The one read of the match's state: the distance to the opponent measured
// against the level's width. A target that is not a fighter in play, or no
// level at all, leaves the opponent out of reach.
bool opponent_in_reach(controller& driver) {
    if (!current_level) {
        warn_once(driver, "WARNING: CPU controller [%p] has no level to measure reach in (target [%d]); it will not attack\n",
                  driver.target);
        return false;
    }
    const int target = driver.target;
    if (target < 0 || target >= (int)game_objects.size() || !game_objects[target] ||
        game_objects[target]->is_projectile()) {
        warn_once(driver, "WARNING: CPU controller [%p] target [%d] is not a fighter in play; it will not attack\n",
                  target);
        return false;
    }
    const int distance = abs(game_objects[target]->x - driver.pos_x);
    return cpu::in_reach(distance, weight(driver.cpu_weights, WEIGHT_REACH), current_level->level_width);
}

void approach_or_attack(controller& driver) {
    if (!opponent_in_reach(driver)) {
        driver.horizontal = toward_opponent(driver);
        return;
    }
    const int blow = driver.chance.below(4);
    driver.action = (blow == 0 || blow == 2) ? controller::ACTION_PUNCH : controller::ACTION_KICK;
}

void perform_combo(controller& driver) {
    const int combo_total = driver.tracker.combo_count();
    if (combo_total >= 1) {
        driver.tracker.insert_finished_candidate(driver.chance.below(combo_total), driver.tracker.now + 1);
    }
    driver.behaviour = cpu::CHOOSE;
}

// Per difficulty: a fresh choice comes when rand() % 100 is above
// `fresh_choice_above` (4 frames in 100 at the normal pace), and the frames
// the computer stands still after a choice before it acts on it.
struct pace {
    int fresh_choice_above;
    int reaction_frames;
};

const pace PACES[] = {{97, 12}, {95, 0}, {91, 0}};

const pace& pace_of(const controller& driver) {
    const int known = (int)(sizeof(PACES) / sizeof(PACES[0]));
    return driver.difficulty >= 0 && driver.difficulty < known ? PACES[driver.difficulty] : PACES[controller::NORMAL];
}

}  // namespace

void cpu::run(controller& driver) {
    driver.horizontal = 0.0;
    driver.vertical = 0.0;
    const pace& speed = pace_of(driver);
    if (driver.chance.below(100) > speed.fresh_choice_above) driver.behaviour = CHOOSE;
    if (driver.behaviour == JUMPING) driver.behaviour = AFTER_JUMP;
    if (driver.behaviour == AFTER_JUMP) {
        driver.behaviour = after_jump(driver.cpu_weights, driver.chance.below(after_jump_range(driver.cpu_weights)));
    }
    if (driver.behaviour == CHOOSE) {
        driver.behaviour = choose(driver.cpu_weights, driver.chance.below(choice_range(driver.cpu_weights)));
        driver.reaction_wait = speed.reaction_frames;
    }
    if (driver.reaction_wait > 0) {
        driver.reaction_wait--;
        return;
    }
    act(driver);
}

void cpu::act(controller& driver) {
    switch (driver.behaviour) {
        case BLOCKING:
            driver.horizontal = -toward_opponent(driver);
            break;
        case APPROACHING:
            approach_or_attack(driver);
            break;
        case JUMPING:
            driver.vertical = -1.0;
            break;
        case DUCKING:
            driver.vertical = 1.0;
            break;
        case SPECIAL:
            perform_combo(driver);
            break;
        default:  // evading, and the wait after a jump
            driver.action = controller::NO_ACTION;
            driver.horizontal = -toward_opponent(driver);
            break;
    }
}

int cpu::choice_range(const int weights[]) {
    return 2 * weight(weights, WEIGHT_BLOCK) + weight(weights, WEIGHT_DUCK) + weight(weights, WEIGHT_JUMP) +
           weight(weights, WEIGHT_APPROACH) + 100;
}

// Cumulative bounds in the order blocking, approaching, jumping, ducking,
// special (a fixed 100); what is left of the range evades.
int cpu::choose(const int weights[], int r) {
    const int bounds[] = {weight(weights, WEIGHT_BLOCK), weight(weights, WEIGHT_APPROACH),
                          weight(weights, WEIGHT_JUMP), weight(weights, WEIGHT_DUCK), 100};
    const int chosen[] = {BLOCKING, APPROACHING, JUMPING, DUCKING, SPECIAL};
    int bound = 0;
    for (size_t which = 0; which < sizeof(chosen) / sizeof(chosen[0]); which++) {
        bound += bounds[which];
        if (r <= bound) return chosen[which];
    }
    return EVADING;
}

int cpu::after_jump_range(const int weights[]) {
    return weight(weights, WEIGHT_BLOCK) + weight(weights, WEIGHT_APPROACH) + 100;
}

int cpu::after_jump(const int weights[], int r) {
    const int block = weight(weights, WEIGHT_BLOCK);
    if (r <= block) return BLOCKING;
    if (r <= block + weight(weights, WEIGHT_APPROACH)) return APPROACHING;
    return AFTER_JUMP;
}

bool cpu::in_reach(int distance, int reach_percent, int level_width) {
    return (long long)distance < (long long)reach_percent * level_width / 100;
}
