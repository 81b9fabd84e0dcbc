#ifndef GFX_SURFACE_REF_H
#define GFX_SURFACE_REF_H

#include <SDL/SDL.h>

// A counted holder of one SDL surface, shared by the pictures that show the
// same pixels. The holder frees its surface and itself when the last picture
// lets go (see surface_handle).
class surface_ref {
public:
    surface_ref();

    // Takes ownership of `pixels`. A null surface is refused and an already
    // set holder is overwritten with a warning (the old surface is not freed).
    void store(SDL_Surface* pixels);
    // Frees the surface held and takes `pixels` in its place; the pictures
    // sharing the holder see the new pixels.
    void replace(SDL_Surface* pixels);
    // Pure green becomes the surface's colour key.
    void green2alpha();
    // Frees the surface (if any) and forgets it.
    void release_surface();

    SDL_Surface* surface;
    int count;
    // Whether a surface held here was freed before the last picture let go:
    // only then is a null surface at that moment a fault. A picture whose
    // file never loaded held nothing, and its failure was named at loading.
    bool freed_early;
};

#endif
