#include "shell/exchange.h"

#include "anim/anim_group.h"
#include "objects/fighter_lifeform.h"
#include "shell/match_assets.h"

namespace {

const int CHIP_DAMAGE = 1;
const double GUARD_SLIDE_DRIFT = 2.0;  // decays by a quarter a frame: about 6 pixels
const int GUARD_SPARK_HEIGHT_DIVISOR = 3;  // the spark shows a third down the guard's body

int centre_x(const lifeform& object) { return (int)(object.x / object.scale) + object.width / 2; }

bool is_projectile(const lifeform& object) { return object.kind == lifeform::KIND_PROJECTILE; }

}  // namespace

bool exchange::block_fails(const fighter_lifeform& blocker, const fighter_lifeform& attacker) {
    switch (blocker.posture) {
    case fighter_lifeform::POSTURE_CROUCH:
        return attacker.posture == fighter_lifeform::POSTURE_JUMP;
    case fighter_lifeform::POSTURE_STAND:
        return attacker.posture == fighter_lifeform::POSTURE_CROUCH;
    case fighter_lifeform::POSTURE_JUMP:
        return true;
    default:
        return false;
    }
}

// A stopped blow shows and sounds once (the spark carries the block sound)
// and pushes the guard back a little, away from the way it faces.
void exchange::blow_to_guard(fighter_lifeform& blocker, fighter_lifeform& attacker) {
    if (block_fails(blocker, attacker)) {
        blocker.take_hit(attacker);
        return;
    }
    if (attacker.blow_guarded) return;
    attacker.blow_guarded = 1;
    guard_spark_between(blocker, attacker);
    blocker.drift_x = blocker.facing == 1 ? -GUARD_SLIDE_DRIFT : GUARD_SLIDE_DRIFT;
}

// Centred midway between the two bodies, where the blow meets the guard.
void exchange::guard_spark_between(const lifeform& blocker, const lifeform& attacker) {
    if (!guard_spark_template || guard_spark_template->anims.empty() || !guard_spark_template->anims[0]) return;
    effects.push_back(*guard_spark_template);
    anim_group& spark = effects.back();
    const Anim_Mgr& picture = *spark.anims[0];
    spark.offset_x = (centre_x(blocker) + centre_x(attacker)) / 2 - picture.width / 2;
    spark.offset_y = blocker.y + blocker.height / GUARD_SPARK_HEIGHT_DIVISOR - picture.height / 2;
}

// Both attackers land their blow in the same frame; neither picture holds
// still, so the trade reads as simultaneous.
void exchange::trade(fighter_lifeform& left, fighter_lifeform& right) {
    left.take_hit(right);
    right.take_hit(left);
    left.freeze_frames = 0;
    right.freeze_frames = 0;
}

void exchange::between_fighters(fighter_lifeform& left, fighter_lifeform& right) {
    if (left.state == lifeform::STATE_ATTACKING) {
        if (right.state == lifeform::STATE_BLOCKING) {
            blow_to_guard(right, left);
        } else if (right.state == lifeform::STATE_ATTACKING) {
            trade(left, right);
        } else {
            right.take_hit(left);
        }
    } else if (left.state == lifeform::STATE_BLOCKING) {
        if (right.show_state == lifeform::SHOW_ATTACKING) blow_to_guard(left, right);
    } else if (right.state == lifeform::STATE_ATTACKING) {
        left.take_hit(right);
    }
}

void exchange::spark_at(const lifeform& object) {
    if (!explosion_template) return;
    effects.push_back(*explosion_template);
    anim_group& spark = effects.back();
    spark.offset_x = object.x;
    spark.offset_y = object.y;
    if (!spark.anims.empty() && spark.anims[0]) spark.anims[0]->mirrored = object.facing;
}

// A guarding object keeps its guard and loses only a chip of life, with a
// spark to show the block; anything else takes the hit.
void exchange::projectile_touch(fighter_lifeform& struck, fighter_lifeform& other) {
    if (struck.state != lifeform::STATE_BLOCKING) {
        struck.take_hit(other);
        return;
    }
    spark_at(struck);
    struck.state = lifeform::STATE_BLOCKING;
    struck.move_kind = fighter_lifeform::KIND_BLOCK;
    struck.life -= CHIP_DAMAGE;
}

bool exchange::projectile_contacts(const std::vector<fighter_lifeform*>& objects) {
    bool projectile_alive = false;
    const size_t count = objects.size();
    for (size_t i = 0; i + 1 < count; i++) {
        for (size_t j = i + 1; j < count; j++) {
            fighter_lifeform& first = *objects[i];
            fighter_lifeform& second = *objects[j];
            if (!first.is_alive() || !second.is_alive()) continue;
            const bool has_projectile = is_projectile(first) || is_projectile(second);
            if (has_projectile) projectile_alive = true;
            if (!has_projectile || first.team == second.team || !first.overlaps(second)) continue;
            projectile_touch(first, second);
            projectile_touch(second, first);
        }
    }
    return projectile_alive;
}
