#include "shell/fighter_pose.h"

#include "objects/fighter_lifeform.h"

void fighter_pose::show(fighter_lifeform& fighter, int picture) {
    fighter.show_still(picture);
    fighter.show();
}
