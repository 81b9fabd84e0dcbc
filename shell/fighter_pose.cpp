#include "shell/fighter_pose.h"

#include "objects/fighter_lifeform.h"
#include "shell/hud.h"
#include "platform/screen_mgr.h"

void fighter_pose::stand_still(fighter_lifeform& fighter) {
    fighter.stop_moves();
    fighter.move_phase = lifeform::PHASE_NONE;
    fighter.state = lifeform::STATE_NEUTRAL;
    fighter.move_kind = fighter_lifeform::MOVE_KIND_NONE;
    fighter.posture = fighter_lifeform::POSTURE_STAND;
    fighter.move_x = 0;
    fighter.move_y = 0;
    fighter.jump_speed = 0;
    fighter.drift_x = 0;
    fighter.freeze_frames = 0;
    fighter.hits_taken = 0;
    fighter.knockdowns = 0;
    fighter.dizzy_frames = 0;
    fighter.forget_early_inputs();
    fighter.y = screen.height() - fighter.height;
}

void fighter_pose::draw(fighter_lifeform& fighter, int picture, const hud& display_elements) {
    fighter.show_state = picture;
    display_elements.draw(fighter);
    fighter.display();
}
