#include "tests/support/rgb_copy.h"

SDL_Surface* rgb_copy(SDL_Surface* picture, int bytes_per_pixel) {
    // SDL works the shifts and losses out from the masks.
    SDL_Surface* pattern = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, bytes_per_pixel * 8, 0x0000FF, 0x00FF00, 0xFF0000, 0);
    if (!pattern) return nullptr;
    SDL_Surface* copy = SDL_ConvertSurface(picture, pattern->format, SDL_SWSURFACE);
    SDL_FreeSurface(pattern);
    return copy;
}
