#include "gfx/surface_ref.h"

#include <cstdio>

#include "gfx/surface_convert.h"

surface_ref::surface_ref() : surface(nullptr), count(0), freed_early(false) {}

void surface_ref::store(SDL_Surface* pixels) {
    if (!pixels) {
        printf("ERROR, set surface to null\n");
        return;
    }
    if (surface) printf("____WARNING: Setting an alreadys set surface[%lx]\n", (unsigned long)surface);
    surface = pixels;
}

void surface_ref::replace(SDL_Surface* pixels) {
    if (!pixels) {
        printf("ERROR, set surface to null\n");
        return;
    }
    release_surface();
    surface = pixels;
}

void surface_ref::green2alpha() {
    if (!surface) return;
    printf("____green2alpha [%lx]\n", (unsigned long)this);
    printf("->[%lx] flags[%d]\n", (unsigned long)surface, (int)surface->flags);
    key_out_green(surface);
}

void surface_ref::release_surface() {
    if (surface) {
        SDL_FreeSurface(surface);
        freed_early = true;
    }
    surface = nullptr;
}
