#include "shell/exchange.h"

#include "anim/anim_group.h"
#include "gfx/img_mgr.h"
#include "objects/fighter_lifeform.h"
#include "shell/match_assets.h"
#include "stage/level_camera.h"

namespace {

const int GUARD_SPARK_DEPTH_DIVISOR = 4;  // a quarter down the guard's body

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
    if (blocker.stop_blow(attacker)) guard_spark_at(blocker);
}

// Centred on the guard's front edge, a quarter down its visible body, where
// the blow meets the guarding arms. Effects are drawn like moves: x scaled
// by the zoom, the bottom edge kept; so the spark's offset is the point in
// the guard's own drawing space less the spark's zoomed half size.
void exchange::guard_spark_at(const lifeform& blocker) {
    if (!guard_spark_template || guard_spark_template->anims.empty() || !guard_spark_template->anims[0]) return;
    effects.push_back(*guard_spark_template);
    anim_group& spark = effects.back();
    const Anim_Mgr& picture = *spark.anims[0];
    const img_box visible = blocker.image ? blocker.image->bounds : blocker.bound_box;
    // A guard facing right is drawn mirrored: its front is its picture's left margin turned over.
    const int front = blocker.facing == 1 ? blocker.width - visible.left : visible.left;
    const int chest = visible.top + (visible.bottom - visible.top) / GUARD_SPARK_DEPTH_DIVISOR;
    const double zoom = current_camera().zoom;
    const double guard_zoom = zoom * blocker.scale;
    spark.offset_x = (int)(blocker.x / blocker.scale + front * blocker.scale) - picture.width / 2;
    spark.offset_y = (int)(blocker.y + blocker.height - (blocker.height - chest) * guard_zoom - picture.height +
                           picture.height * zoom / 2);
}

// Both attackers land their blow in the same frame; neither picture holds
// still, so the trade reads as simultaneous.
void exchange::trade(fighter_lifeform& left, fighter_lifeform& right) {
    left.take_hit(right);
    right.take_hit(left);
    left.end_hit_freeze();
    right.end_hit_freeze();
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
    struck.guard_projectile();
}

bool exchange::projectile_contacts(const std::vector<fighter_lifeform*>& objects) {
    bool projectile_alive = false;
    const size_t count = objects.size();
    for (size_t i = 0; i + 1 < count; i++) {
        for (size_t j = i + 1; j < count; j++) {
            fighter_lifeform& first = *objects[i];
            fighter_lifeform& second = *objects[j];
            if (!first.is_alive() || !second.is_alive()) continue;
            const bool has_projectile = first.is_projectile() || second.is_projectile();
            if (has_projectile) projectile_alive = true;
            if (!has_projectile || first.team == second.team || !first.overlaps(second)) continue;
            projectile_touch(first, second);
            projectile_touch(second, first);
        }
    }
    return projectile_alive;
}
