#include "objects/fighter_motion.h"

#include "gfx/img_mgr.h"
#include "objects/fighter_lifeform.h"
#include "objects/game_objects.h"

namespace {

typedef fighter_lifeform fl;

const double JUMP_START_SPEED = -12.0;
const double JUMP_SLOWDOWN = 0.25;
const double DRIFT_DECAY = 0.25;
const double LANDING_SPEED = -6.0;  // slower than this near the floor: landed
const double LIFT_SPEED = 1.1;
const double DASH_DRIFT = 3.0;
const double FALL_SPEED = 9.0;      // the floor clamp absorbs it on the ground

}  // namespace

void fighter_motion::take_posture(fighter_lifeform& self) {
    const bool crouching = self.move_y > 0 && self.jump_speed == 0 && self.move_kind != fl::MOVE_KIND_RUSH;
    self.posture = crouching ? fl::POSTURE_CROUCH : fl::POSTURE_STAND;
    if (self.jump_speed != 0) self.posture = fl::POSTURE_JUMP;
}

void fighter_motion::guard_by_holding_back(fighter_lifeform& self, bool under_attack) {
    if (!self.backing_away()) return;
    self.state = lifeform::STATE_BLOCKING;
    self.move_kind = fl::MOVE_KIND_BLOCK;
    if (under_attack) self.move_x = 0;
}

void fighter_motion::jump_and_fall(fighter_lifeform& self) {
    if (self.posture == fl::POSTURE_CROUCH) self.move_x = 0;
    if (self.move_y < 0 && self.can_act() && self.state != lifeform::STATE_HIT && self.on_floor()) {
        self.jump_speed = JUMP_START_SPEED;
        self.drift_x = self.move_x;
    }
    if (self.jump_speed < 0) {
        self.jump_speed += JUMP_SLOWDOWN;
        self.move_x = 0;
    } else if (!self.is_projectile()) {
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

// A fighter reeling from a hit neither lifts nor dashes.
void fighter_motion::lift(fighter_lifeform& self) {
    if (self.state != lifeform::STATE_HIT) self.jump_speed -= LIFT_SPEED;
}

void fighter_motion::dash(fighter_lifeform& self) {
    if (self.state == lifeform::STATE_HIT) return;
    if (self.move_x > 0) {
        self.drift_x = DASH_DRIFT;
    } else if (self.move_x < 0) {
        self.drift_x = -DASH_DRIFT;
    } else {
        self.drift_x = self.facing == 1 ? -DASH_DRIFT : DASH_DRIFT;
    }
}

bool fighter_motion::rush(fighter_lifeform& self) {
    if (self.move_list_empty() || !self.is_playing_move(fl::MOVE_RUSH)) return false;
    self.move_x += self.move_phase == lifeform::PHASE_RUSH_RIGHT ? 1 : -1;
    self.state = lifeform::STATE_ATTACKING;
    self.move_kind = fl::MOVE_KIND_RUSH;
    return true;
}

void fighter_motion::fall(fighter_lifeform& self) { self.move_y += FALL_SPEED; }

void fighter_motion::walk(fighter_lifeform& self, bool is_fighter) {
    if (self.move_x != 0) {
        const int walk = self.backing_away() ? fl::MOVE_WALK_BACKWARD : fl::MOVE_WALK_FORWARD;
        if (self.move_list_empty()) self.start_move(walk, fl::PRIORITY_WALK);
    } else if (is_fighter && self.can_act()) {
        self.drop_move();
    }
}

// The one that walked in is put back against the other's visible edge.
void fighter_motion::push_apart(size_t index) {
    fighter_lifeform& self = *game_objects[index];
    if (self.is_projectile()) return;
    for (size_t other_index = 0; other_index < game_objects.size(); other_index++) {
        if (other_index == index) continue;
        const fighter_lifeform& other = *game_objects[other_index];
        if (other.is_projectile()) continue;
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
