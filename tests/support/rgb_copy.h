#ifndef TESTS_SUPPORT_RGB_COPY_H
#define TESTS_SUPPORT_RGB_COPY_H

#include <SDL/SDL.h>

// A copy of `picture` whose pixels are `bytes_per_pixel` (3 or 4) bytes each,
// red first, then green and blue (then a byte left unused), whatever format
// the file or the screen had, so tests read colours the same way everywhere.
// Null when SDL cannot convert it; the caller frees it.
SDL_Surface* rgb_copy(SDL_Surface* picture, int bytes_per_pixel);

#endif
