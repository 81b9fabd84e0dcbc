#ifndef ANIM_COLOUR_SWAP_H
#define ANIM_COLOUR_SWAP_H

#include <SDL/SDL.h>

// One recolouring of a fighter's palette: every pixel of value `source`
// becomes `target`. Both are pixel values in the display surface's format
// (SDL_MapRGB), so the second player's fighter can be told apart.
struct colour_swap {
    Uint32 source;
    Uint32 target;
};

#endif
