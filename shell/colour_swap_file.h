#ifndef SHELL_COLOUR_SWAP_FILE_H
#define SHELL_COLOUR_SWAP_FILE_H

#include <SDL/SDL.h>

#include <vector>

#include "anim/colour_swap.h"

// The recolouring given to the right fighter, so that two copies of one
// character look different: "colors" pairs of "color%dsource" and
// "color%dtarget", each "red,green,blue".
class colour_swap_file {
public:
    enum { MAX_PAIRS = 256 };
    // The recolouring the first player's fighter plays in.
    static const char* const FIRST_PLAYER_FILE;

    // The pairs mapped into `format`; empty for a missing file. A pair with
    // a colour that does not read as three numbers is left out with a log
    // line, and a count beyond MAX_PAIRS is cut there.
    static std::vector<colour_swap> read(const char* path, const SDL_PixelFormat* format);
    // "r,g,b" into three bytes; false unless three numbers are there.
    static bool parse_colour(const char* text, Uint8* red, Uint8* green, Uint8* blue);
};

#endif
