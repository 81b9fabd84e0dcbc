#include "gfx/surface_convert.h"

#include <SDL/SDL_rotozoom.h>
#include <cstdio>

#include "platform/screen_mgr.h"

namespace {

// The per-surface alpha and its switch, put aside while a copy is made.
struct saved_alpha {
    explicit saved_alpha(SDL_Surface* s) : surface(s), flags(s->flags & SDL_SRCALPHA), value(s->format->alpha) {
        SDL_SetAlpha(surface, 0, 255);
    }
    ~saved_alpha() {
        if (flags) SDL_SetAlpha(surface, SDL_SRCALPHA, value);
    }
    SDL_Surface* surface;
    Uint32 flags;
    Uint8 value;
};

}  // namespace

Uint32 key_green(const SDL_PixelFormat* format) { return SDL_MapRGB(format, 0, 255, 0); }

bool holds_key_green(const SDL_PixelFormat* format) {
    const SDL_Palette* palette = format->palette;
    if (!palette) return true;
    for (int i = 0; i < palette->ncolors; i++) {
        const SDL_Color& entry = palette->colors[i];
        if (entry.r == 0 && entry.g == 255 && entry.b == 0) return true;
    }
    return false;
}

void key_out_green(SDL_Surface* pixels) {
    if (holds_key_green(pixels->format)) {
        SDL_SetColorKey(pixels, SDL_SRCCOLORKEY, key_green(pixels->format));
    } else {
        SDL_SetColorKey(pixels, 0, 0);
    }
}

void blit_logged(SDL_Surface* source, SDL_Rect* area, SDL_Surface* dest, SDL_Rect* at) {
    if (SDL_BlitSurface(source, area, dest, at) < 0) fprintf(stderr, "BlitSurface error: %s\n", SDL_GetError());
}

SDL_Surface* rgba_copy(SDL_Surface* source, SDL_Rect* area, int w, int h) {
    SDL_Surface* copy = screen.create_surface(w, h, 32, 0);
    if (!copy) return nullptr;
    // A fresh surface is all zeros: transparent black.
    const saved_alpha opaque_source(source);
    SDL_Rect at = {0, 0, 0, 0};
    blit_logged(source, area, copy, &at);
    return copy;
}

SDL_Surface* keyed_display_copy(SDL_Surface* source) {
    SDL_Surface* converted = SDL_DisplayFormat(source);
    if (converted) key_out_green(converted);
    return converted;
}

void transparent_to_green(SDL_Surface* rgba) {
    const Uint32 green = SDL_MapRGBA(rgba->format, 0, 255, 0, 0);
    const Uint32 alpha_mask = rgba->format->Amask;
    if (SDL_MUSTLOCK(rgba)) SDL_LockSurface(rgba);
    for (int y = 0; y < rgba->h; y++) {
        Uint32* row = (Uint32*)((Uint8*)rgba->pixels + y * rgba->pitch);
        for (int x = 0; x < rgba->w; x++) {
            if ((row[x] & alpha_mask) == 0) row[x] = green;
        }
    }
    if (SDL_MUSTLOCK(rgba)) SDL_UnlockSurface(rgba);
}

SDL_Surface* zoomed_display_copy(SDL_Surface* source, SDL_Rect* area, int w, int h, double angle, double zx,
                                 double zy) {
    SDL_Surface* rgba = rgba_copy(source, area, w, h);
    if (!rgba) return nullptr;
    SDL_Surface* zoomed = rotozoomSurfaceXY(rgba, angle, zx, zy, SMOOTHING_OFF);
    SDL_FreeSurface(rgba);
    if (!zoomed) return nullptr;
    transparent_to_green(zoomed);
    SDL_Surface* converted = keyed_display_copy(zoomed);
    SDL_FreeSurface(zoomed);
    return converted;
}
