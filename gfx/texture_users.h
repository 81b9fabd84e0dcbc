#ifndef GFX_TEXTURE_USERS_H
#define GFX_TEXTURE_USERS_H

// How many pictures draw with each GL texture. Copies of a picture share its
// texture; the last one to let go may delete it. Recoloured private copies
// upload textures of their own in every series, and those would otherwise
// pile up on the card for the rest of the run.
class texture_users {
public:
    static void hold(int texture);
    // True when `texture` was held and now has no user left.
    static bool release(int texture);
};

#endif
