#include "shell/object_update.h"

#include <cmath>

#include "ai/cpu_source.h"
#include "anim/ag_stack.h"
#include "gfx/img_mgr.h"
#include "input/controller.h"
#include "objects/fighter_lifeform.h"
#include "objects/game_objects.h"
#include "shell/hud.h"

namespace {

typedef fighter_lifeform fl;

const double JUMP_START_SPEED = -12.0;
const double JUMP_SLOWDOWN = 0.25;
const double DRIFT_DECAY = 0.25;
const double LANDING_SPEED = -6.0;  // slower than this near the floor: landed
const double LIFT_SPEED = 1.1;
const double DASH_DRIFT = 3.0;
const double FALL_SPEED = 9.0;      // the floor clamp absorbs it on the ground
const int DIZZY_RADIUS = 10;
const int DIZZY_DEGREES_PER_STEP = 15;
const int DIZZY_GHOST_STEPS[] = {0, 8, 16};
const Uint8 DIZZY_GHOST_ALPHA = 128;
const Uint8 RUSH_NEAR_ALPHA = 192;
const Uint8 RUSH_FAR_ALPHA = 64;

// Combo types the match acts on.
enum { COMBO_LIFT = 1, COMBO_SPECIAL = 2, COMBO_RUSH = 3, COMBO_DASH = 4 };

bool is_projectile(const lifeform& object) { return object.kind == lifeform::BODY_PROJECTILE; }

int picture_by_posture(int posture, int crouch, int stand, int jump) {
    if (posture == fl::POSTURE_CROUCH) return crouch;
    if (posture == fl::POSTURE_JUMP) return jump;
    return stand;
}

// Only a punch or a kick waits for the gate; the other buttons act now or
// never.
bool is_kept_when_early(int action) {
    return action == controller::ACTION_PUNCH || action == controller::ACTION_KICK;
}

}  // namespace

object_update::object_update(const hud& elements) : display_elements(elements) {}

int object_update::attack_move(int action, int posture) {
    if (posture == fl::POSTURE_CROUCH) {
        if (action == controller::ACTION_PUNCH) return fl::MOVE_CROUCH_PUNCH;
        if (action == controller::ACTION_KICK) return fl::MOVE_CROUCH_KICK;
    } else if (posture == fl::POSTURE_JUMP) {
        if (action == controller::ACTION_PUNCH) return fl::MOVE_JUMP_PUNCH;
        if (action == controller::ACTION_KICK) return fl::MOVE_JUMP_KICK;
    }
    return action;
}

// Three half-transparent ghosts circle the dizzy fighter. They are extra
// draws only: the fighter's own display later in the frame plays its move,
// so a ghost never shortens the hit-freeze or a reaction, nor fires.
void object_update::draw_dizzy(fighter_lifeform& self) const {
    self.dizzy_frames++;
    self.show_state = lifeform::SHOW_STANDING;
    const int home_x = self.x;
    const int home_y = self.y;
    img_mgr* const picture = self.image;
    if (picture) picture->set_alpha(DIZZY_GHOST_ALPHA);
    for (int step : DIZZY_GHOST_STEPS) {
        const double angle = (self.dizzy_frames + step) * DIZZY_DEGREES_PER_STEP * M_PI / 180.0;
        self.x = (int)(std::cos(angle) * DIZZY_RADIUS + home_x);
        self.y = (int)(std::sin(angle) * DIZZY_RADIUS + home_y);
        self.draw_ghost();
    }
    if (picture) picture->set_alpha(255);
    self.x = home_x;
    self.y = home_y;
    self.move_kind = fl::MOVE_KIND_DIZZY;
}

// A dizzy fighter's controller does not run: its last action stands.
void object_update::read_inputs(fighter_lifeform& self) const {
    if (self.is_dizzy()) {
        draw_dizzy(self);
        return;
    }
    if (self.knockdowns >= fl::DIZZY_KNOCKDOWNS) {
        self.dizzy_frames = 0;
        self.knockdowns = 0;
    }
    self.think(cpu::run);
}

void object_update::end_finished_move(fighter_lifeform& self) {
    if (self.move_list_empty() && self.move_kind != fl::MOVE_KIND_KNOCKED_OUT) {
        self.move_kind = fl::MOVE_KIND_NONE;
        self.state = lifeform::STATE_NEUTRAL;
    }
}

void object_update::set_posture(fighter_lifeform& self) {
    const bool crouching = self.move_y > 0 && self.jump_speed == 0 && self.move_kind != fl::MOVE_KIND_RUSH;
    self.posture = crouching ? fl::POSTURE_CROUCH : fl::POSTURE_STAND;
    if (self.jump_speed != 0) self.posture = fl::POSTURE_JUMP;
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
    switch (action) {
    case controller::ACTION_PUNCH: self.move_kind = fl::MOVE_KIND_PUNCH; break;
    case controller::ACTION_KICK: self.move_kind = fl::MOVE_KIND_KICK; break;
    case controller::ACTION_BUTTON_4: self.move_kind = fl::MOVE_KIND_BUTTON_4; break;
    case controller::ACTION_BUTTON_5: self.move_kind = fl::MOVE_KIND_BUTTON_5; break;
    default: break;
    }
    self.state = lifeform::STATE_ATTACKING;
    self.start_move(attack_move(action, self.posture), fl::PRIORITY_MOVE);
    self.forget_early_inputs();
}

// A special or rush combo cuts off whatever else plays, then starts its move
// when the gate allows. Either strikes as an attack while its frames run (a
// special besides any projectile it fires); a fighter whose move did not
// start is left in `unstarted_state`. False when the gate stayed shut (the
// same move still plays, or the fighter is knocked out).
bool object_update::special_move(fighter_lifeform& self, int move, int kind, int unstarted_state) {
    if (!self.move_list_empty() && !self.is_playing_move(move)) self.stop_moves();
    if (!self.can_act()) return false;
    self.forget_early_inputs();
    self.move_kind = kind;
    self.state = (Uint8)unstarted_state;
    self.start_move(move, fl::PRIORITY_MOVE);
    if (!self.is_playing_move(move)) return true;
    self.state = lifeform::STATE_ATTACKING;
    if (move == fl::MOVE_RUSH) self.move_phase = self.facing == 1 ? lifeform::PHASE_RUSH_RIGHT : lifeform::PHASE_RUSH_LEFT;
    return true;
}

// Toward the held direction, or a step back when none is held.
void object_update::dash(fighter_lifeform& self) {
    if (self.state == lifeform::STATE_HIT) return;
    if (self.move_x > 0) {
        self.drift_x = DASH_DRIFT;
    } else if (self.move_x < 0) {
        self.drift_x = -DASH_DRIFT;
    } else {
        self.drift_x = self.facing == 1 ? -DASH_DRIFT : DASH_DRIFT;
    }
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
        if (self.state != lifeform::STATE_HIT) self.jump_speed -= LIFT_SPEED;
        break;
    case COMBO_SPECIAL:
    case COMBO_RUSH:
        if (!combo_move(self, combo_type) && fresh) self.early_combo.keep(combo_type);
        break;
    case COMBO_DASH:
        dash(self);
        break;
    default:
        break;
    }
}

bool object_update::combo_move(fighter_lifeform& self, int combo_type) {
    if (combo_type == COMBO_SPECIAL) return special_move(self, fl::MOVE_SPECIAL, fl::MOVE_KIND_SPECIAL, lifeform::STATE_NEUTRAL);
    return special_move(self, fl::MOVE_RUSH, fl::MOVE_KIND_RUSH, lifeform::STATE_ATTACKING);
}

bool object_update::opponent_attacks(const context& at) {
    return (at.opponent && at.opponent->state == lifeform::STATE_ATTACKING) || at.projectile_alive;
}

// Holding back guards; under attack the guard stands still, otherwise the
// fighter walks back guarding.
void object_update::guard_by_holding_back(const context& at) {
    fighter_lifeform& self = at.self;
    if (!self.backing_away()) return;
    self.state = lifeform::STATE_BLOCKING;
    self.move_kind = fl::MOVE_KIND_BLOCK;
    if (opponent_attacks(at)) self.move_x = 0;
}

// Crouching stops walking; a jump leaves the floor and arcs back down; in
// the air only the drift carries the fighter sideways.
void object_update::jump_and_fall(fighter_lifeform& self) {
    if (self.posture == fl::POSTURE_CROUCH) self.move_x = 0;
    if (self.move_y < 0 && self.can_act() && self.state != lifeform::STATE_HIT && self.on_floor()) {
        self.jump_speed = JUMP_START_SPEED;
        self.drift_x = self.move_x;
    }
    if (self.jump_speed < 0) {
        self.jump_speed += JUMP_SLOWDOWN;
        self.move_x = 0;
    } else if (!is_projectile(self)) {
        const int whole = (int)self.drift_x;
        if (whole > 0) {
            self.drift_x -= DRIFT_DECAY;
        } else if (whole < 0) {
            self.drift_x += DRIFT_DECAY;
        } else {
            self.drift_x = 0;
        }
    }
    if (self.jump_speed > LANDING_SPEED && self.jump_speed < 0 && self.on_floor()) {
        self.posture = fl::POSTURE_STAND;
        self.jump_speed = 0;
        self.drift_x = 0;
    }
    if (!self.can_act()) self.move_x = 0;
}

// The rush carries the fighter forward and trails two fading afterimages.
void object_update::rush(fighter_lifeform& self) {
    if (self.move_list_empty() || !self.is_playing_move(fl::MOVE_RUSH)) return;
    self.move_x += self.move_phase == lifeform::PHASE_RUSH_RIGHT ? 1 : -1;
    self.state = lifeform::STATE_ATTACKING;
    self.move_kind = fl::MOVE_KIND_RUSH;
    const int home_x = self.x;
    const int near_x = (int)(home_x - 2 * self.move_x);
    const int far_x = (int)(near_x - 4 * self.move_x);
    self.draw_afterimage(near_x - home_x, RUSH_NEAR_ALPHA);
    self.draw_afterimage(far_x - home_x, RUSH_FAR_ALPHA);
    self.alpha = 255;
}

void object_update::walk(const context& at) {
    fighter_lifeform& self = at.self;
    if (self.move_x != 0) {
        const bool forward = (self.facing == 1 && self.move_x > 0) || (self.facing == 0 && self.move_x < 0);
        if (self.move_list_empty()) self.start_move(forward ? fl::MOVE_WALK_FORWARD : fl::MOVE_WALK_BACKWARD, fl::PRIORITY_WALK);
    } else if (at.is_fighter && self.can_act()) {
        self.stop_moves();
        self.move_phase = lifeform::PHASE_NONE;
    }
}

// Two bodies never stand inside each other: the one that walked in is put
// back against the other's visible edge. Attacks are allowed to overlap.
void object_update::push_apart(size_t index) {
    fighter_lifeform& self = *game_objects[index];
    if (is_projectile(self)) return;
    for (size_t other_index = 0; other_index < game_objects.size(); other_index++) {
        if (other_index == index) continue;
        const fighter_lifeform& other = *game_objects[other_index];
        if (is_projectile(other)) continue;
        if (self.show_state == lifeform::SHOW_ATTACKING || other.show_state == lifeform::SHOW_ATTACKING) continue;
        if (!self.overlaps(other)) continue;
        if (self.facing == 1) {
            self.x = other.x - self.width;
            if (self.image) self.x += self.image->width() - self.image->bounds.right;
        } else {
            self.x = other.x + other.width;
            if (other.image) self.x += other.image->bounds.right - other.image->width();
        }
        self.move_x = 0;
        self.move_step(1);
    }
}

void object_update::choose_picture(const context& at) {
    fighter_lifeform& self = at.self;
    switch (self.move_kind) {
    case fl::MOVE_KIND_NONE:
        self.show_state = picture_by_posture(self.posture, lifeform::SHOW_CROUCHING, lifeform::SHOW_STANDING,
                                             lifeform::SHOW_JUMPING);
        break;
    case fl::MOVE_KIND_BLOCK:
        if (!at.is_fighter) {
            self.show_state = picture_by_posture(self.posture, lifeform::SHOW_CROUCHING, lifeform::SHOW_STANDING,
                                                 lifeform::SHOW_JUMPING);
            break;
        }
        // Under attack the guard pose replaces the walk back.
        if (opponent_attacks(at) && self.can_act() && self.anim_stack) self.stop_moves();
        self.show_state = picture_by_posture(self.posture, lifeform::SHOW_BLOCKING_CROUCHING,
                                             lifeform::SHOW_BLOCKING_STANDING, lifeform::SHOW_BLOCKING_AIR);
        break;
    case fl::MOVE_KIND_HIT_REACTION:
        self.show_state = picture_by_posture(self.hit_posture, lifeform::SHOW_CROUCHING, lifeform::SHOW_STANDING,
                                             lifeform::SHOW_JUMPING);
        break;
    case fl::MOVE_KIND_KNOCKED_OUT:
        self.show_state = lifeform::SHOW_KNOCKED_OUT;
        break;
    case fl::MOVE_KIND_PUNCH:
    case fl::MOVE_KIND_KICK:
    case fl::MOVE_KIND_BUTTON_4:
    case fl::MOVE_KIND_BUTTON_5:
    case fl::MOVE_KIND_SPECIAL:
    case fl::MOVE_KIND_RUSH:
        self.show_state = lifeform::SHOW_ATTACKING;
        break;
    default:
        break;
    }
}

void object_update::run(size_t index, bool projectile_alive) const {
    // The pointer, not a reference into the list: projectiles launched while
    // this object draws grow game_objects.
    fighter_lifeform* const object = game_objects[index];
    const bool is_fighter = index < 2;
    if (!object->is_alive()) {
        object->show_state = lifeform::SHOW_KNOCKED_OUT;
        if (is_fighter) object->display();
        return;
    }
    const size_t opponent_index = index == 0 ? 1 : 0;
    fighter_lifeform* opponent = opponent_index < game_objects.size() ? game_objects[opponent_index] : nullptr;
    const context at{*object, opponent, is_fighter, projectile_alive};

    object->move_y = 0;
    object->move_x = 0;
    read_inputs(*object);
    end_finished_move(*object);
    set_posture(*object);
    button_attack(*object);
    run_combo(*object);
    guard_by_holding_back(at);
    jump_and_fall(*object);
    if (is_fighter) {
        rush(*object);
        object->move_y += FALL_SPEED;
    }
    walk(at);
    object->move_step(1);
    push_apart(index);
    choose_picture(at);
    if (is_fighter) {
        // The life bar's catch-up is a rule of the frame, not of its drawing.
        hud::catch_up(*object);
        display_elements.draw(*object);
    }
    object->display();
    display_elements.draw_hit_count(*object);
}
