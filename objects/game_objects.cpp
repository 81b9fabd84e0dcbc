#include "objects/game_objects.h"

#include "objects/fighter_lifeform.h"

std::vector<fighter_lifeform*> game_objects;

void clear_game_objects() {
    for (size_t i = game_objects.size(); i > 0; i--) delete game_objects[i - 1];
    game_objects.clear();
}
