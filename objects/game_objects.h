#ifndef OBJECTS_GAME_OBJECTS_H
#define OBJECTS_GAME_OBJECTS_H

#include <vector>

class fighter_lifeform;

// Everything in play during a series: the left fighter at 0, the right one
// at 1, projectiles appended as they are launched. Empty between series.
extern std::vector<fighter_lifeform*> game_objects;

// Deletes every object (each frees its moves, animation definitions and
// recoloured pictures) and empties the list: the end of a series.
void clear_game_objects();

#endif
