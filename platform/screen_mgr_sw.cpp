// The screen's surface half: the per-frame calls of the plain surface path,
// all on the display surface.
#include <SDL/SDL_gfxPrimitives.h>

#include "platform/screen_mgr.h"

void screen_mgr::clear_sw() { boxRGBA(surface, 0, 0, surface->w, surface->h, 0, 0, 0, 255); }

void screen_mgr::clip_rows_sw(int top, int bottom) {
    SDL_Rect rows = {0, (Sint16)top, (Uint16)width(), (Uint16)(bottom - top)};
    SDL_SetClipRect(surface, &rows);
}

void screen_mgr::unclip_sw() { SDL_SetClipRect(surface, nullptr); }

void screen_mgr::flip_sw() { SDL_Flip(surface); }
