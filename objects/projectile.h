#ifndef OBJECTS_PROJECTILE_H
#define OBJECTS_PROJECTILE_H

class lifeform;
class fighter_lifeform;

// A fighter's thrown missile: a new object flying the shooter's move 13,
// appended to game_objects so it is thought, moved, drawn and hit like any
// other. It flies 10 pixels a frame the way the shooter faces and dies at
// the edges of the play area.
class projectile {
public:
    // The picture every projectile shows once its flight move has ended.
    static const char* const PICTURE;

    // Called when a move frame marked to fire ends. Returns the new object,
    // already in game_objects, or null when the shooter has no flight move.
    static fighter_lifeform* launch(const lifeform& shooter);
    // The new object as launch makes it, not yet in play: a restored state
    // rebuilds its projectiles this way before their saved fields go in.
    static fighter_lifeform* make(const lifeform& shooter);
};

#endif
