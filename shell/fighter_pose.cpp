#include "shell/fighter_pose.h"

#include "objects/fighter_lifeform.h"
#include "shell/hud.h"

void fighter_pose::draw(fighter_lifeform& fighter, int picture, const hud& display_elements) {
    fighter.show_still(picture);
    display_elements.draw(fighter);
    fighter.display();
}
