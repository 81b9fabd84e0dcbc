#include "gfx/texel_cells.h"

#include <algorithm>

void texel_cells::clear() {
    solid_rects.clear();
    blended_rects.clear();
}

void texel_cells::find(const SDL_Surface* texels, int w, int h) {
    clear();
    if (!texels || texels->format->BytesPerPixel != 4) return;
    w = std::min(w, texels->w);
    h = std::min(h, texels->h);
    for (int y = 0; y < h; y += CELL) {
        cover run_kind = NOTHING;
        texel_rect run = {0, 0, 0, 0};
        for (int x = 0; x < w; x += CELL) {
            const texel_rect cell = {x, y, std::min((int)CELL, w - x), std::min((int)CELL, h - y)};
            const cover kind = judge(texels, w, h, cell);
            if (kind == run_kind) {
                run.w += cell.w;
                continue;
            }
            keep(run_kind, run);
            run_kind = kind;
            run = cell;
        }
        keep(run_kind, run);
    }
}

void texel_cells::keep(cover kind, const texel_rect& rect) {
    if (kind == SOLID) solid_rects.push_back(rect);
    if (kind == BLENDED) blended_rects.push_back(rect);
}

// The filter reads up to one texel past the cell on every side. Past the
// picture lies the clear rest of the texture; past the texture's own edge
// the repeat wrap reads the far side, which is the picture itself when it
// fills the texture on that axis, so such a cell is blended to be safe.
texel_cells::cover texel_cells::judge(const SDL_Surface* texels, int w, int h, const texel_rect& cell) {
    const int left = cell.x - 1, top = cell.y - 1;
    const int right = cell.x + cell.w + 1, bottom = cell.y + cell.h + 1;
    const bool out_across = left < 0 || right > w;
    const bool out_down = top < 0 || bottom > h;
    if ((out_across && w == texels->w) || (out_down && h == texels->h)) return BLENDED;

    const Uint32 alpha_mask = texels->format->Amask;
    bool any_shown = false;
    bool any_see_through = out_across || out_down;
    for (int y = std::max(top, 0); y < std::min(bottom, h); y++) {
        const Uint32* row = (const Uint32*)((const Uint8*)texels->pixels + y * texels->pitch);
        for (int x = std::max(left, 0); x < std::min(right, w); x++) {
            const Uint32 alpha = row[x] & alpha_mask;
            any_shown |= alpha != 0;
            any_see_through |= alpha != alpha_mask;
        }
        if (any_shown && any_see_through) return BLENDED;
    }
    if (!any_shown) return NOTHING;
    return any_see_through ? BLENDED : SOLID;
}
