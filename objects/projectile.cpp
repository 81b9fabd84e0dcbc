#include "objects/projectile.h"

#include "anim/anim_group.h"
#include "gfx/image_cache.h"
#include "input/controller.h"
#include "objects/fighter_lifeform.h"
#include "objects/game_objects.h"

namespace {

const int LAUNCH_HEIGHT = 50;          // below the shooter's top
const int FACING_LEFT_SHIFT = 40;      // pulled back when thrown to the left
const double DRIFT = 0.25;             // x 4 (projectile pace) / 0.1 (speed): 10 pixels a frame
const double FLIGHT_SPEED = 0.1;

}  // namespace

const char* const projectile::PICTURE = "rsrc/lunet/special/lunet_bullet1.png";

fighter_lifeform* projectile::launch(const lifeform& shooter) {
    fighter_lifeform* missile = make(shooter);
    if (missile) game_objects.push_back(missile);
    return missile;
}

fighter_lifeform* projectile::make(const lifeform& shooter) {
    if (!shooter.has_move(fighter_lifeform::MOVE_PROJECTILE)) return nullptr;
    fighter_lifeform* missile = new fighter_lifeform();
    missile->images.push_back(Image_Manager.get(PICTURE));
    // Its own copy: the flight goes on independently of the shooter's move.
    missile->flight = new anim_group(*shooter.moves[fighter_lifeform::MOVE_PROJECTILE]);

    missile->team = shooter.team;
    missile->x = shooter.x + shooter.width / 2;
    if (shooter.facing == 0) missile->x -= FACING_LEFT_SHIFT;
    missile->y = shooter.y + LAUNCH_HEIGHT;
    missile->drift_x = shooter.facing == 1 ? DRIFT : -DRIFT;

    delete missile->anim_stack;
    missile->anim_stack = missile->flight->make_stack();
    missile->width = (Uint16)missile->flight->width;
    missile->height = (Uint16)missile->flight->height;
    missile->move_phase = lifeform::PHASE_FLIGHT;
    missile->show_state = lifeform::SHOW_ATTACKING;
    missile->kind = lifeform::BODY_PROJECTILE;
    missile->dies_at_edge = 1;
    missile->facing = shooter.facing;

    missile->own_controller = new controller();
    missile->own_controller->add_source(controller::SOURCE_IDLE);
    missile->controller = missile->own_controller;

    missile->speed = FLIGHT_SPEED;
    missile->life = 1;
    missile->scale = shooter.scale;
    missile->posture = fighter_lifeform::POSTURE_STAND;
    missile->state = lifeform::STATE_ATTACKING;
    missile->move_kind = fighter_lifeform::MOVE_KIND_PUNCH;
    return missile;
}
