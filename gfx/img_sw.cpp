// The surface path of img_mgr: blits, with SDL_gfx doing zoom and rotation
// and the zoom cache keeping every converted version for the next frame.
#include <cstdio>

#include "gfx/img_mgr.h"
#include "gfx/surface_convert.h"
#include "shell/screen_mgr.h"

namespace {

// display_tiled is made for a 128 x 128 tile repeated every 115 x 140 pixels.
const int TILE_STEP_X = 115;
const int TILE_STEP_Y = 140;
const float TILE_ZOOM_X = 0.8984375f;
const float TILE_ZOOM_Y = 1.09375f;

int normalised_angle(int angle) {
    if (angle < 0) return angle + (int)(((unsigned)(-(angle + 1)) / 360u + 1u) * 360u);
    return angle % 360;
}

// SDL ignores the destination size of a blit; it is kept within the surface
// for the callers that read dst_rect after a draw.
void clip_to(SDL_Rect& rect, int x, int y, const SDL_Surface* dest) {
    if (x + rect.w > dest->w) rect.w = (Uint16)(dest->w > x ? dest->w - x : 0);
    if (y + rect.h > dest->h) rect.h = (Uint16)(dest->h > y ? dest->h - y : 0);
}

}  // namespace

void img_mgr::tohw_sw() {
    if (surface.is_null()) {
        printf("ERROR uploading null image\n");
        return;
    }
    SDL_Surface* pixels = surface.pixels();
    if (!pixels) {
        printf("ERROR uploading null surface image\n");
        return;
    }
    // Without video memory (the usual case) the move gives a surface like
    // the last one: once per picture is enough, not once per frame.
    if (moved_to_video) return;
    moved_to_video = true;
    const int on_card = pixels->flags & SDL_HWSURFACE;
    printf("preflags[%d]&[%d]=[%d]\n", (int)pixels->flags, SDL_HWSURFACE, on_card);
    printf("test[%d]\n", on_card);
    if (on_card) return;
    printf("flags[%d]&[%d]=[%d]\n", (int)pixels->flags, SDL_HWSURFACE, on_card);
    // The conversion keeps the colour key and opacity of the picture.
    SDL_Surface* moved = SDL_DisplayFormat(pixels);
    if (!moved) return;
    printf("temp is [%d]\n", (int)moved->flags);
    surface->replace(moved);
}

SDL_Surface* img_mgr::zoomed_picture(SDL_Surface* dest, float& zx, float& zy, int angle, bool& patched) {
    SDL_Surface* pixels = surface.pixels();
    // A caller that chose a window of the picture (the stage's scrolled
    // bands) must see that window: the centre patch would ignore it.
    const bool windowed = src_rect.x != 0 || src_rect.y != 0 || src_rect.w != logical_w || src_rect.h != logical_h;
    patched = !windowed && (logical_w * zx > dest->w || logical_h * zy > dest->h);
    if (!patched) return zoomed_display_copy(pixels, nullptr, pixels->w, pixels->h, angle, zx, zy);

    // Only the centre that can be seen is zoomed: it fills the destination.
    printf("scaled width[%d] > dst[%d]\n", (int)(logical_w * zx), dest->w);
    printf("scaled height[%d] > dst[%d]\n", (int)(logical_h * zy), dest->h);
    const float iz = 1.0f / zx;
    const float jz = 1.0f / zy;
    printf("m1[%d] m2[%d]\n", logical_h * logical_w, (int)(dest->h * jz * dest->w * iz));
    const int x0 = dst_rect.x;
    const int y0 = dst_rect.y;
    printf("Original [%d,%d-%d,%d] sz[%d,%d]\n", x0, y0, x0 + logical_w, y0 + logical_h, logical_w, logical_h);
    printf("Scaled [%d,%d-%d,%d] sz[%d,%d]\n", (int)(x0 * zx), (int)(y0 * zy), (int)((x0 + logical_w) * zx),
           (int)((y0 + logical_h) * zy), (int)(logical_w * zx), (int)(logical_h * zy));
    int pw = (int)(dest->w * iz);
    int ph = (int)(dest->h * jz);
    if (pw < 1) pw = 1;
    if (ph < 1) ph = 1;
    zx = (float)dest->w / pw;
    zy = (float)dest->h / ph;
    const int px = logical_w / 2 - pw / 2;
    const int py = logical_h / 2 - ph / 2;
    printf("grab patch from [%d,%d-%d,%d] sz[%d,%d]\n", px, py, px + pw, py + ph, pw, ph);
    // The patch is a part of the logical picture; the stored pixels start at
    // the trim corner.
    SDL_Rect area = {(Sint16)(px - trim.left), (Sint16)(py - trim.top), (Uint16)pw, (Uint16)ph};
    SDL_Surface* zoomed = zoomed_display_copy(pixels, &area, pw, ph, angle, zx, zy);
    if (zoomed) printf("Zoomed to [%d,%d]\n", zoomed->w, zoomed->h);
    const Uint16 seen_w = (Uint16)(int)(dest->w * (1.0f / zx));
    const Uint16 seen_h = (Uint16)(int)(dest->h * (1.0f / zy));
    src_rect = {0, 0, seen_w, seen_h};
    dst_rect = {0, 0, seen_w, seen_h};
    return zoomed;
}

// Returns false when the cache would not take the picture (the caller frees it).
bool img_mgr::keep_zoomed(SDL_Surface* picture, int key, float zx, float zy, int angle) {
    printf("saving [%s@%f,%f@%d] in zcache as [%d]\n", filename, zx, zy, angle, key);
    if (!zcache.add(picture, key, mirrored)) return false;
    printf("Zcache for [%lx]->[%s] is now [%d]\n", (unsigned long)this, filename, (int)zcache.size());
    return true;
}

void img_mgr::place_zoomed(const SDL_Surface* picture, float zx, float zy, int angle) {
    if (angle != 0) {
        // A rotated picture is larger than the original: keep their centres together.
        dst_rect.x = (Sint16)(int)(dst_rect.x - (picture->w - logical_w * zx) * 0.5);
        dst_rect.y = (Sint16)(int)(dst_rect.y - (picture->h - logical_h * zy) * 0.5);
        dst_rect.w = (Uint16)(int)(picture->w / zx);
        dst_rect.h = (Uint16)(int)(picture->h / zy);
        src_rect.w = dst_rect.w;
        src_rect.h = dst_rect.h;
    }
    src_rect.x = (Sint16)(int)(src_rect.x * zx);
    src_rect.w = (Uint16)(int)(src_rect.w * zx);
    dst_rect.w = (Uint16)(int)(dst_rect.w * zx);
    src_rect.y = (Sint16)(int)(src_rect.y * zy);
    src_rect.h = (Uint16)(int)(src_rect.h * zy);
    dst_rect.h = (Uint16)(int)(dst_rect.h * zy);
}

void img_mgr::display_sw(int x0, int y0, SDL_Surface* dest, float zx, float zy, int angle) {
    if (!has_surface() || !dest) {
        printf("ERROR displayingtozoom empty image [%lx]->NULL [%s]\n", (unsigned long)this, filename);
        return;
    }
    angle = normalised_angle(angle);
    dst_rect.x = (Sint16)x0;
    dst_rect.y = (Sint16)y0;
    SDL_Surface* own = surface.pixels();
    SDL_Surface* picture = own;
    bool made_for_this_draw = false;
    if (zx != 1.0f || zy != 1.0f || angle != 0) {
        const int key = live_convert ? -1 : zoom_key(zx, zy, angle);
        picture = live_convert ? nullptr : zcache.find(key, mirrored);
        if (!picture) {
            if (live_convert) {
                printf("WARNING: Live image conversion [%d=%f,%f@%d] for [%lx/%s]<br>\n", key, zx, zy, angle,
                       (unsigned long)this, filename);
            }
            bool patched = false;
            picture = zoomed_picture(dest, zx, zy, angle, patched);
            if (!picture) return;
            // A patch depends on the destination and is drawn filling it:
            // it is not kept for other draws at this zoom.
            made_for_this_draw = live_convert || patched || !keep_zoomed(picture, key, zx, zy, angle);
        }
        if (alpha != 255) SDL_SetAlpha(picture, SDL_SRCALPHA, alpha);
        place_zoomed(picture, zx, zy, angle);
    }
    clip_to(dst_rect, dst_rect.x, dst_rect.y, dest);
    SDL_Rect at = dst_rect;
    blit_logged(picture, &src_rect, dest, &at);
    if (made_for_this_draw) {
        SDL_FreeSurface(picture);
    } else if (picture != own) {
        SDL_SetAlpha(picture, SDL_SRCALPHA, 255);
    }
    reset_rects();
}

void img_mgr::display_floor_sw(int x, int y, SDL_Surface* dest, double zoom, double depth) {
    SDL_Surface* pixels = surface.pixels();
    if (!pixels || !dest) {
        printf("ERROR displayingtozoom empty image [%lx]->NULL [%s]\n", (unsigned long)this, filename);
        return;
    }
    if (!(depth > 0.0)) {
        printf("WARNING: floor depth [%f] of [%s] is not positive, using 1\n", depth, filename);
        depth = 1.0;
    }
    const int key = floor_key(zoom);
    SDL_Surface* picture = live_convert ? nullptr : zcache.find(key, mirrored);
    bool made_for_this_draw = false;
    if (!picture) {
        picture = zoomed_display_copy(pixels, nullptr, pixels->w, pixels->h, 0.0, zoom, zoom);
        if (!picture) return;
        if (alpha != 255) SDL_SetAlpha(picture, SDL_SRCALPHA, alpha);
        made_for_this_draw = live_convert || !zcache.add(picture, key, mirrored);
    }
    src_rect.x = (Sint16)(int)(src_rect.x * zoom);
    src_rect.y = (Sint16)(int)(src_rect.y * zoom);
    src_rect.w = (Uint16)(int)(src_rect.w * zoom);
    src_rect.h = (Uint16)(int)(src_rect.h * zoom);
    const int first_source_row = src_rect.y;
    const int left = (int)(x * zoom);
    const int top = y + (pixels->h - picture->h);
    dst_rect.w = (Uint16)(int)(dst_rect.w * zoom);
    dst_rect.h = (Uint16)(int)(dst_rect.h * zoom);
    clip_to(dst_rect, left, top, dest);
    // The floor recedes: further down, each source row is repeated more
    // often, and every screen row is shifted left by half its index.
    const int rows = dst_rect.h;
    const double step = 1.0 / depth;
    double band = 1.0;
    int row = 0;
    while (row < rows) {
        const int repeats = band >= 1.0 ? (int)band : 1;
        src_rect.y = (Sint16)(int)(step * band + first_source_row);
        src_rect.h = (Uint16)repeats;
        for (int i = 0; i < repeats; i++, row++) {
            SDL_Rect at = {(Sint16)(left - row / 2), (Sint16)(top + row), src_rect.w, 1};
            dst_rect = at;
            blit_logged(picture, &src_rect, dest, &at);
        }
        band += depth;
    }
    if (made_for_this_draw) SDL_FreeSurface(picture);
    reset_rects();
}

void img_mgr::display_tiled_sw(int x1, int y1, int x2, int y2) {
    if (!has_surface()) {
        printf("ERROR displayingtozoom empty image [%lx]->NULL [%s]\n", (unsigned long)this, filename);
        return;
    }
    for (int x = x1; x <= x2; x += TILE_STEP_X) {
        for (int y = y1; y <= y2; y += TILE_STEP_Y) display(x, y, screen.surface, TILE_ZOOM_X, TILE_ZOOM_Y, 0);
    }
}
