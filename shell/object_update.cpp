#include "shell/object_update.h"

#include <cmath>

#include "ai/cpu_source.h"
#include "gfx/img_mgr.h"
#include "input/controller.h"
#include "objects/fighter_lifeform.h"
#include "objects/fighter_motion.h"
#include "objects/game_objects.h"
#include "shell/hud.h"

namespace {

typedef fighter_lifeform fl;

const int DIZZY_RADIUS = 10;
const int DIZZY_DEGREES_PER_STEP = 15;
const int DIZZY_GHOST_STEPS[] = {0, 8, 16};
const Uint8 DIZZY_GHOST_ALPHA = 128;
const Uint8 RUSH_NEAR_ALPHA = 192;
const Uint8 RUSH_FAR_ALPHA = 64;

// Combo types the match acts on.
enum { COMBO_LIFT = 1, COMBO_SPECIAL = 2, COMBO_RUSH = 3, COMBO_DASH = 4 };

// Only a punch or a kick waits for the gate; the other buttons act now or
// never.
bool is_kept_when_early(int action) {
    return action == controller::ACTION_PUNCH || action == controller::ACTION_KICK;
}

}  // namespace

object_update::object_update(hud& elements) : display_elements(elements) {}

// Three half-transparent ghosts circle the dizzy fighter. They are extra
// pictures only: the fighter's own show later in the frame plays its move,
// so a ghost never shortens the hit-freeze or a reaction, nor fires.
void object_update::show_dizzy(fighter_lifeform& self) {
    const int home_x = self.x;
    const int home_y = self.y;
    img_mgr* const picture = self.image;
    if (picture) picture->set_alpha(DIZZY_GHOST_ALPHA);
    for (int step : DIZZY_GHOST_STEPS) {
        const double angle = (self.dizzy_frames + step) * DIZZY_DEGREES_PER_STEP * M_PI / 180.0;
        self.x = (int)(std::cos(angle) * DIZZY_RADIUS + home_x);
        self.y = (int)(std::sin(angle) * DIZZY_RADIUS + home_y);
        self.show_ghost();
    }
    if (picture) picture->set_alpha(255);
    self.x = home_x;
    self.y = home_y;
}

// A dizzy fighter's controller does not run: its last action stands.
void object_update::read_inputs(fighter_lifeform& self) const {
    if (self.is_dizzy()) {
        self.stay_dizzy();
        show_dizzy(self);
        return;
    }
    self.recover_when_dizziness_ends();
    self.think(cpu::run);
}

void object_update::button_attack(fighter_lifeform& self) {
    if (!self.controller) return;
    self.early_button.age_one_frame();
    int action = self.controller->action;
    if (!self.can_act()) {
        if (is_kept_when_early(action)) self.early_button.keep(action);
        return;
    }
    if (action == controller::NO_ACTION) action = self.early_button.input;
    if (action == controller::NO_ACTION) return;
    self.attack(action);
}

// A special or rush completed while the gate was shut is kept and tried
// again each frame until it starts or grows too old; lift and dash act at
// once and are never kept.
void object_update::run_combo(fighter_lifeform& self) {
    if (!self.controller) return;
    self.early_combo.age_one_frame();
    const int completed = self.controller->tracker.combo_step();
    const bool fresh = completed != input_buffer::NOTHING;
    const int combo_type = fresh ? completed : self.early_combo.input;
    switch (combo_type) {
    case COMBO_LIFT:
        fighter_motion::lift(self);
        break;
    case COMBO_SPECIAL:
    case COMBO_RUSH:
        if (!combo_move(self, combo_type) && fresh) self.early_combo.keep(combo_type);
        break;
    case COMBO_DASH:
        fighter_motion::dash(self);
        break;
    default:
        break;
    }
}

bool object_update::combo_move(fighter_lifeform& self, int combo_type) {
    if (combo_type == COMBO_SPECIAL) {
        return self.start_combo_move(fl::MOVE_SPECIAL, fl::MOVE_KIND_SPECIAL, lifeform::STATE_NEUTRAL);
    }
    return self.start_combo_move(fl::MOVE_RUSH, fl::MOVE_KIND_RUSH, lifeform::STATE_ATTACKING);
}

// The rush trails two fading afterimages behind the fighter.
void object_update::rush(fighter_lifeform& self) {
    if (!fighter_motion::rush(self)) return;
    const int home_x = self.x;
    const int near_x = (int)(home_x - 2 * self.move_x);
    const int far_x = (int)(near_x - 4 * self.move_x);
    self.show_afterimage(near_x - home_x, RUSH_NEAR_ALPHA);
    self.show_afterimage(far_x - home_x, RUSH_FAR_ALPHA);
    self.alpha = 255;
}

void object_update::run(size_t index, bool projectile_alive) const {
    // The pointer, not a reference into the list: projectiles launched while
    // this object shows its move grow game_objects.
    fighter_lifeform* const object = game_objects[index];
    const bool is_fighter = index < 2;
    if (!object->is_alive()) {
        object->show_still(lifeform::SHOW_KNOCKED_OUT);
        if (is_fighter) {
            object->show();
        } else {
            object->hide();
        }
        return;
    }
    const size_t opponent_index = index == 0 ? 1 : 0;
    const fighter_lifeform* opponent = opponent_index < game_objects.size() ? game_objects[opponent_index] : nullptr;
    const bool under_attack = (opponent && opponent->state == lifeform::STATE_ATTACKING) || projectile_alive;

    object->clear_steering();
    read_inputs(*object);
    object->settle_when_move_ends();
    fighter_motion::take_posture(*object);
    button_attack(*object);
    run_combo(*object);
    fighter_motion::guard_by_holding_back(*object, under_attack);
    fighter_motion::jump_and_fall(*object);
    if (is_fighter) {
        rush(*object);
        fighter_motion::fall(*object);
    }
    fighter_motion::walk(*object, is_fighter);
    object->move_step(1);
    fighter_motion::push_apart(index);
    object->choose_still(is_fighter, under_attack);
    // The life bar's catch-up is a rule of the frame, not of its drawing.
    if (is_fighter) object->catch_up_shown_life();
    object->show();
    display_elements.note_hits(*object);
}
