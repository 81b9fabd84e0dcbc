// The surface path of img_mgr: blits, with SDL_gfx doing rotation and the
// zoom cache keeping every converted version for the next frame.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "gfx/img_mgr.h"
#include "gfx/surface_convert.h"
#include "gfx/tile_step.h"
#include "platform/screen_mgr.h"

namespace {

const float TILE_ZOOM_X = (float)TILE_STEP_X / TILE_SIZE;
const float TILE_ZOOM_Y = (float)TILE_STEP_Y / TILE_SIZE;
// SDL_gfx zooms by no less than this.
const float SMALLEST_ZOOM = 0.001f;

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

// SDL_gfx zooms without smoothing by walking the source on a 16.16 grid
// spread over the whole picture. A part of a zoomed picture made on its own
// walks that same grid, so it shows exactly the pixels of the whole.
// One axis of the grid: `size` zoomed columns (or rows), each showing the
// source one that source() gives.
struct zoom_axis {
    int size;
    Sint64 step, end;

    int source(int zoomed) const { return (int)(std::min(zoomed * step, end) >> 16); }
};

zoom_axis axis_of(int side, double zoom) {
    zoom_axis axis;
    axis.size = std::max(1, (int)std::floor(side * zoom + 0.5));
    axis.step = (int)(65536.0 * (float)side / (float)axis.size);
    axis.end = ((Sint64)side << 16) - 1;
    return axis;
}

struct zoom_grid {
    zoom_axis across, down;
};

// The grid of a w x h picture zoomed by (zx, zy).
zoom_grid grid_of(int w, int h, double zx, double zy) { return zoom_grid{axis_of(w, zx), axis_of(h, zy)}; }

zoom_grid grid_of(const SDL_Surface* pixels, double zx, double zy) { return grid_of(pixels->w, pixels->h, zx, zy); }

bool same_layout(const SDL_PixelFormat* a, const SDL_PixelFormat* b) {
    return (a->BytesPerPixel == 2 || a->BytesPerPixel == 4) && a->BytesPerPixel == b->BytesPerPixel &&
           a->Rmask == b->Rmask && a->Gmask == b->Gmask && a->Bmask == b->Bmask && a->Amask == 0 && b->Amask == 0;
}

// Zooming by sampling copies pixel values as they are, so the picture must
// already be in the display's layout (as every loaded picture is), with no
// alpha channel or palette to convert on the way.
bool samples_as_is(const SDL_Surface* pixels, float zx, float zy) {
    return screen.surface && zx >= SMALLEST_ZOOM && zy >= SMALLEST_ZOOM &&
           same_layout(pixels->format, screen.surface->format);
}

// Whether a zoomed draw can sample the picture's pixels straight onto `dest`.
bool samples_onto(const SDL_Surface* pixels, const SDL_Surface* dest, float zx, float zy) {
    return samples_as_is(pixels, zx, zy) && same_layout(pixels->format, dest->format);
}

// SDL 1.2 blits colour-keyed 32-bit surfaces through a generic per-pixel
// conversion, which took most of a frame; within one layout a keyed blit is
// only a test and a copy, so the surface path does it itself. Blending is
// left to SDL.
bool keyed_copy_will_do(const SDL_Surface* picture, const SDL_Surface* dest) {
    const bool blends = (picture->flags & SDL_SRCALPHA) && picture->format->alpha != SDL_ALPHA_OPAQUE;
    return (picture->flags & SDL_SRCCOLORKEY) && !blends && same_layout(picture->format, dest->format);
}

SDL_Surface* keyed_surface(const SDL_PixelFormat* format, int w, int h) {
    SDL_Surface* made = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, format->BitsPerPixel, format->Rmask,
                                             format->Gmask, format->Bmask, 0);
    if (made) key_out_green(made);
    return made;
}

// The source columns and rows a copy reads; kept from draw to draw so that
// a frame allocates nothing.
std::vector<int> source_columns;
std::vector<int> source_rows;

// Where a copy lands: `w` columns from source_columns[first_column], the
// rows of source_rows, to (x, y) of `to`. With `key` set, pixels of the key
// value are left out.
struct copy_target {
    SDL_Surface* to;
    int x, y;
    int first_column, w;
    bool keyed;
    Uint32 key;
};

template <typename Pixel>
void copy_pixels(const SDL_Surface* from, const copy_target& target) {
    const int* columns = source_columns.data() + target.first_column;
    const Pixel key = (Pixel)target.key;
    for (size_t row = 0; row < source_rows.size(); row++) {
        const Pixel* in = (const Pixel*)((const Uint8*)from->pixels + source_rows[row] * from->pitch);
        Pixel* out = (Pixel*)((Uint8*)target.to->pixels + (target.y + row) * target.to->pitch) + target.x;
        if (target.keyed) {
            for (int x = 0; x < target.w; x++) {
                const Pixel value = in[columns[x]];
                if (value != key) out[x] = value;
            }
        } else {
            for (int x = 0; x < target.w; x++) out[x] = in[columns[x]];
        }
    }
}

void copy_listed(SDL_Surface* from, const copy_target& target) {
    if (SDL_MUSTLOCK(from)) SDL_LockSurface(from);
    if (SDL_MUSTLOCK(target.to)) SDL_LockSurface(target.to);
    if (from->format->BytesPerPixel == 2) {
        copy_pixels<Uint16>(from, target);
    } else {
        copy_pixels<Uint32>(from, target);
    }
    if (SDL_MUSTLOCK(target.to)) SDL_UnlockSurface(target.to);
    if (SDL_MUSTLOCK(from)) SDL_UnlockSurface(from);
}

// Lists `count` source columns (or rows) from `first` on.
void list_run(std::vector<int>& listed, int first, int count) {
    listed.resize(count);
    for (int i = 0; i < count; i++) listed[i] = first + i;
}

// Lists the source columns (or rows) that zoomed ones `first` to
// `first` + `count` - 1 show.
void list_zoomed(std::vector<int>& listed, const zoom_axis& axis, int first, int count) {
    listed.resize(count);
    for (int i = 0; i < count; i++) listed[i] = axis.source(first + i);
}

// A zoomed or rotated copy of the whole picture in display format, pure
// green keyed.
SDL_Surface* zoomed_copy(SDL_Surface* pixels, float zx, float zy, int angle) {
    if (angle != 0 || !samples_as_is(pixels, zx, zy)) {
        return zoomed_display_copy(pixels, nullptr, pixels->w, pixels->h, angle, zx, zy);
    }
    const zoom_grid grid = grid_of(pixels, zx, zy);
    SDL_Surface* zoomed = keyed_surface(pixels->format, grid.across.size, grid.down.size);
    if (!zoomed) return nullptr;
    list_zoomed(source_columns, grid.across, 0, grid.across.size);
    list_zoomed(source_rows, grid.down, 0, grid.down.size);
    copy_listed(pixels, copy_target{zoomed, 0, 0, 0, grid.across.size, false, 0});
    return zoomed;
}

// Lists, for all the axis's zoomed columns (or rows), the source ones that
// `offset` + axis.source(i) gives within [0, limit); they run on from one
// zoomed column, which is returned.
int list_within(std::vector<int>& listed, const zoom_axis& axis, int offset, int limit) {
    listed.clear();
    int first = axis.size;
    for (int i = 0; i < axis.size; i++) {
        const int source = offset + axis.source(i);
        if (source < 0 || source >= limit) continue;
        if (listed.empty()) first = i;
        listed.push_back(source);
    }
    return first;
}

// The patch of a picture zoomed past the destination: `area` of the stored
// pixels, which may reach past them (that part stays transparent), zoomed as
// a picture of its own.
SDL_Surface* zoomed_patch(SDL_Surface* pixels, SDL_Rect area, float zx, float zy, int angle) {
    if (angle != 0 || !samples_as_is(pixels, zx, zy)) {
        return zoomed_display_copy(pixels, &area, area.w, area.h, angle, zx, zy);
    }
    const zoom_grid grid = grid_of(area.w, area.h, zx, zy);
    SDL_Surface* zoomed = keyed_surface(pixels->format, grid.across.size, grid.down.size);
    if (!zoomed) return nullptr;
    SDL_FillRect(zoomed, nullptr, key_green(zoomed->format));
    const int x = list_within(source_columns, grid.across, area.x, pixels->w);
    const int y = list_within(source_rows, grid.down, area.y, pixels->h);
    copy_listed(pixels, copy_target{zoomed, x, y, 0, (int)source_columns.size(), false, 0});
    return zoomed;
}

// The part of a blit that SDL draws: the source clipped to the picture, the
// destination to the clip rectangle, one axis at a time.
struct blit_part {
    int u, v, w, h;  // in the picture
    int x, y;        // on the destination
};

void clip_axis(int& from, int& length, int& to, int picture, int clip_from, int clip_length) {
    if (from < 0) {
        length += from;
        to -= from;
        from = 0;
    }
    length = std::min(length, picture - from);
    if (to < clip_from) {
        length -= clip_from - to;
        from += clip_from - to;
        to = clip_from;
    }
    length = std::min(length, clip_from + clip_length - to);
}

blit_part visible_part(const SDL_Rect& source, const SDL_Rect& at, int picture_w, int picture_h,
                       const SDL_Rect& clip) {
    blit_part part = {source.x, source.y, source.w, source.h, at.x, at.y};
    clip_axis(part.u, part.w, part.x, picture_w, clip.x, clip.w);
    clip_axis(part.v, part.h, part.y, picture_h, clip.y, clip.h);
    return part;
}

// SDL_BlitSurface, with keyed pictures in the display's layout copied here.
void blit_picture(SDL_Surface* picture, const SDL_Rect& area, SDL_Surface* dest, const SDL_Rect& at) {
    if (!keyed_copy_will_do(picture, dest)) {
        SDL_Rect source = area;
        SDL_Rect place = at;
        blit_logged(picture, &source, dest, &place);
        return;
    }
    const blit_part part = visible_part(area, at, picture->w, picture->h, dest->clip_rect);
    if (part.w <= 0 || part.h <= 0) return;
    list_run(source_columns, part.u, part.w);
    list_run(source_rows, part.v, part.h);
    copy_listed(picture, copy_target{dest, part.x, part.y, 0, part.w, true, picture->format->colorkey});
}

// Which zoomed row each of the first `shown_rows` screen rows of the floor
// shows. The strip's `strip_rows` screen rows come in bands, each `depth`
// rows taller than the one above, so the strip is squeezed at its far edge
// and stretched at its near one; the bands share out all `span` rows of the
// strip from `first`, top to bottom.
void list_receding_rows(std::vector<int>& rows, int strip_rows, int shown_rows, double depth, int first, int span) {
    const auto band_height = [depth](int band) { return std::max(1, (int)(1.0 + band * depth)); };
    int bands = 0;
    for (int row = 0; row < strip_rows; bands++) row += band_height(bands);
    rows.resize(shown_rows);
    int row = 0;
    for (int band = 0; row < shown_rows; band++) {
        const int zoomed = first + (bands > 1 ? (int)((Sint64)band * (span - 1) / (bands - 1)) : 0);
        for (int i = band_height(band); i > 0 && row < shown_rows; i--) rows[row++] = zoomed;
    }
}

// The zoomed rows of the floor strip, one per screen row; reused.
std::vector<int> floor_rows;

}  // namespace

const img_mgr::drawing_path img_mgr::SURFACE_PATH = {
    &img_mgr::tohw_sw,          &img_mgr::display_sw,    &img_mgr::display_floor_sw,
    &img_mgr::display_tiled_sw, &img_mgr::show_alpha_sw, &img_mgr::mirror_sw,
};

void img_mgr::show_alpha_sw(Uint8 value) {
    if (value != alpha && has_surface()) SDL_SetAlpha(surface.pixels(), SDL_SRCALPHA, value);
}

// The facing copy is made once; turning exchanges the two, so `surface`
// always holds the picture facing the current way.
void img_mgr::mirror_sw() {
    if (mirror_surface.is_null()) {
        SDL_Surface* pixels = surface->surface;
        if (pixels) {
            mirror_surface.attach_new();
            mirror_surface->store(zoomed_display_copy(pixels, nullptr, pixels->w, pixels->h, 0.0, -1.0, 1.0));
            mirror_surface->green2alpha();
        }
    }
    mirrored = !mirrored;
    surface.swap(mirror_surface);
    SDL_Surface* facing = surface.pixels();
    if (facing && facing->format->alpha != alpha) SDL_SetAlpha(facing, SDL_SRCALPHA, alpha);
}

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

bool img_mgr::needs_patch(const SDL_Surface* dest, float zx, float zy) const {
    // A caller that chose a window of the picture (the stage's scrolled
    // bands) must see that window: the centre patch would ignore it.
    const bool windowed = src_rect.x != 0 || src_rect.y != 0 || src_rect.w != logical_w || src_rect.h != logical_h;
    return !windowed && (logical_w * zx > dest->w || logical_h * zy > dest->h);
}

SDL_Surface* img_mgr::zoomed_picture(SDL_Surface* dest, float& zx, float& zy, int angle, bool& patched) {
    SDL_Surface* pixels = surface.pixels();
    patched = needs_patch(dest, zx, zy);
    if (!patched) return zoomed_copy(pixels, zx, zy, angle);

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
    // The patch is a part of the logical picture as it faces now; the stored
    // pixels start at the trim corner on that side.
    const SDL_Rect area = {(Sint16)(px - stored_left()), (Sint16)(py - trim.top), (Uint16)pw, (Uint16)ph};
    SDL_Surface* zoomed = zoomed_patch(pixels, area, zx, zy, angle);
    if (zoomed) printf("Zoomed to [%d,%d]\n", zoomed->w, zoomed->h);
    const Uint16 seen_w = (Uint16)(int)(dest->w * (1.0f / zx));
    const Uint16 seen_h = (Uint16)(int)(dest->h * (1.0f / zy));
    src_rect = {0, 0, seen_w, seen_h};
    dst_rect = {0, 0, seen_w, seen_h};
    return zoomed;
}

// Returns false when the cache would not take the picture (the caller frees it).
bool img_mgr::keep_zoomed(SDL_Surface* picture, int key, const zoom_view& view) {
    printf("saving [%s@%f,%f@%d] in zcache as [%d]\n", filename, view.zx, view.zy, view.angle, key);
    if (!zcache.add(picture, key, view)) return false;
    printf("Zcache for [%lx]->[%s] is now [%d]\n", (unsigned long)this, filename, (int)zcache.size());
    return true;
}

void img_mgr::place_zoomed(int picture_w, int picture_h, float zx, float zy, int angle) {
    if (angle != 0) {
        // A rotated picture is larger than the original: keep their centres together.
        dst_rect.x = (Sint16)(int)(dst_rect.x - (picture_w - logical_w * zx) * 0.5);
        dst_rect.y = (Sint16)(int)(dst_rect.y - (picture_h - logical_h * zy) * 0.5);
        dst_rect.w = (Uint16)(int)(picture_w / zx);
        dst_rect.h = (Uint16)(int)(picture_h / zy);
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

// A live conversion draws only the part of the zoomed picture that shows,
// straight from the picture's pixels. The stage's bands are several screens
// wide and drawn at a new zoom every frame: zooming them whole cost most of
// the frame.
bool img_mgr::display_zoomed_part(SDL_Surface* dest, float zx, float zy) {
    SDL_Surface* pixels = surface.pixels();
    if (alpha != 255 || !samples_onto(pixels, dest, zx, zy)) return false;
    const zoom_grid grid = grid_of(pixels, zx, zy);
    place_zoomed(grid.across.size, grid.down.size, zx, zy, 0);
    clip_to(dst_rect, dst_rect.x, dst_rect.y, dest);
    const blit_part part = visible_part(src_rect, dst_rect, grid.across.size, grid.down.size, dest->clip_rect);
    if (part.w > 0 && part.h > 0) {
        list_zoomed(source_columns, grid.across, part.u, part.w);
        list_zoomed(source_rows, grid.down, part.v, part.h);
        copy_listed(pixels, copy_target{dest, part.x, part.y, 0, part.w, true, key_green(pixels->format)});
    }
    reset_rects();
    return true;
}

void img_mgr::display_sw(int x, int y, SDL_Surface* dest, float zx, float zy, int angle) {
    if (dest != screen.surface) note_other_destination();
    // The stored picture is the trimmed part: placed where that part of the
    // logical rectangle lands, facing either way.
    draw_sw((int)(x + stored_left() * zx), stored_top(y, zy), dest, zx, zy, angle);
}

void img_mgr::draw_sw(int x0, int y0, SDL_Surface* dest, float zx, float zy, int angle) {
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
        const zoom_view view = {zx, zy, angle, mirrored};
        const int key = live_convert ? -1 : zoom_key(zx, zy, angle);
        if (live_convert) {
            printf("WARNING: Live image conversion [%d=%f,%f@%d] for [%lx/%s]<br>\n", key, zx, zy, angle,
                   (unsigned long)this, filename);
            if (angle == 0 && !needs_patch(dest, zx, zy) && display_zoomed_part(dest, zx, zy)) return;
        }
        picture = live_convert ? nullptr : zcache.find(key, view);
        if (!picture) {
            bool patched = false;
            picture = zoomed_picture(dest, zx, zy, angle, patched);
            if (!picture) return;
            // A patch depends on the destination and is drawn filling it:
            // it is not kept for other draws at this zoom.
            made_for_this_draw = live_convert || patched || !keep_zoomed(picture, key, view);
        }
        if (alpha != 255) SDL_SetAlpha(picture, SDL_SRCALPHA, alpha);
        place_zoomed(picture->w, picture->h, zx, zy, angle);
    }
    clip_to(dst_rect, dst_rect.x, dst_rect.y, dest);
    blit_picture(picture, src_rect, dest, dst_rect);
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
    const zoom_grid grid = grid_of(pixels, zoom, zoom);
    src_rect.x = (Sint16)(int)(src_rect.x * zoom);
    src_rect.y = (Sint16)(int)(src_rect.y * zoom);
    src_rect.w = (Uint16)(int)(src_rect.w * zoom);
    src_rect.h = (Uint16)(int)(src_rect.h * zoom);
    const int left = (int)(x * zoom);
    const int top = y + (pixels->h - grid.down.size);
    dst_rect.w = (Uint16)(int)(dst_rect.w * zoom);
    dst_rect.h = (Uint16)(int)(dst_rect.h * zoom);
    const int strip_rows = dst_rect.h;
    clip_to(dst_rect, left, top, dest);
    // The columns of the window that the zoomed strip holds, and its rows
    // from the window's top down.
    const int first_u = std::max<int>(src_rect.x, 0);
    const int columns = std::min<int>(src_rect.x + src_rect.w, grid.across.size) - first_u;
    const int first_v = std::max<int>(src_rect.y, 0);
    const int span = std::min<int>(src_rect.y + src_rect.h, grid.down.size) - first_v;
    const int rows = std::min<int>(dst_rect.h, strip_rows);
    if (columns <= 0 || span <= 0 || rows <= 0) {
        reset_rects();
        return;
    }
    list_receding_rows(floor_rows, strip_rows, rows, depth, first_v, span);

    // A live strip is drawn straight from the picture's pixels; otherwise the
    // whole strip is zoomed once and kept.
    const bool from_pixels = live_convert && alpha == 255 && samples_onto(pixels, dest, (float)zoom, (float)zoom);
    SDL_Surface* picture = pixels;
    bool made_for_this_draw = false;
    if (from_pixels) {
        list_zoomed(source_columns, grid.across, first_u, columns);
    } else {
        const zoom_view view = {(float)zoom, (float)zoom, zoom_view::FLOOR_ANGLE, mirrored};
        const int key = floor_key(zoom);
        picture = live_convert ? nullptr : zcache.find(key, view);
        if (!picture) {
            picture = zoomed_copy(pixels, (float)zoom, (float)zoom, 0);
            if (!picture) return;
            if (alpha != 255) SDL_SetAlpha(picture, SDL_SRCALPHA, alpha);
            made_for_this_draw = live_convert || !zcache.add(picture, key, view);
        }
    }
    // Every screen row is shifted left by half its index, so the strip
    // leans as it comes nearer.
    for (int row = 0; row < rows; row++) {
        const SDL_Rect area = {(Sint16)first_u, (Sint16)floor_rows[row], (Uint16)columns, 1};
        const SDL_Rect at = {(Sint16)(left + first_u - src_rect.x - row / 2), (Sint16)(top + row), (Uint16)columns, 1};
        dst_rect = at;
        if (!from_pixels) {
            blit_picture(picture, area, dest, at);
            continue;
        }
        const blit_part part = visible_part(area, at, grid.across.size, grid.down.size, dest->clip_rect);
        if (part.w <= 0 || part.h <= 0) continue;
        source_rows.assign(1, grid.down.source(part.v));
        copy_listed(pixels, copy_target{dest, part.x, part.y, part.u - first_u, part.w, true, key_green(pixels->format)});
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
