#include "gfx/img_mgr.h"

#include <SDL/SDL_image.h>
#include <cstdio>
#include <cstring>

#include "gfx/surface_convert.h"
#include "platform/screen_mgr.h"

int image_count = 0;

namespace {

const char ADOPTED_NAME[] = "surfacetaken";

int estimated_memory() { return image_count * (int)sizeof(img_mgr); }

// A JPEG cut short still decodes: the image library fills the missing rows
// with grey and says nothing. Every whole JPEG ends with the end-of-image
// marker, so a file that starts as a JPEG and lacks it is reported.
bool is_cut_jpeg(const char* path) {
    FILE* file = fopen(path, "rb");
    if (!file) return false;
    unsigned char start[2] = {0, 0};
    unsigned char end[2] = {0, 0};
    const bool jpeg = fread(start, 1, 2, file) == 2 && start[0] == 0xFF && start[1] == 0xD8;
    const bool has_end = fseek(file, -2, SEEK_END) == 0 && fread(end, 1, 2, file) == 2;
    fclose(file);
    return jpeg && !(has_end && end[0] == 0xFF && end[1] == 0xD9);
}

// Pixels are read and written by the surface's own depth: 8-, 16-, 24- and
// 32-bit surfaces all occur, and rows may end in padding.
Uint32 read_pixel(const Uint8* at, int bytes) {
    switch (bytes) {
        case 1:
            return at[0];
        case 2: {
            Uint16 value;
            memcpy(&value, at, 2);
            return value;
        }
        case 3:
            return at[0] | (at[1] << 8) | (at[2] << 16);
        default: {
            Uint32 value;
            memcpy(&value, at, 4);
            return value;
        }
    }
}

void write_pixel(Uint8* at, int bytes, Uint32 value) {
    switch (bytes) {
        case 1:
            at[0] = (Uint8)value;
            break;
        case 2: {
            const Uint16 narrow = (Uint16)value;
            memcpy(at, &narrow, 2);
            break;
        }
        case 3:
            at[0] = (Uint8)value;
            at[1] = (Uint8)(value >> 8);
            at[2] = (Uint8)(value >> 16);
            break;
        default:
            memcpy(at, &value, 4);
            break;
    }
}

// The bits of a pixel that hold its colour: an alpha byte is not compared
// and not changed.
Uint32 colour_bits(const SDL_PixelFormat* format) {
    const Uint32 rgb = format->Rmask | format->Gmask | format->Bmask;
    if (format->BytesPerPixel == 1 || rgb == 0) return 0xFFFFFFFFu >> (32 - 8 * format->BytesPerPixel);
    return rgb;
}

Uint8* pixel_at(SDL_Surface* pixels, int x, int y) {
    return (Uint8*)pixels->pixels + y * pixels->pitch + x * pixels->format->BytesPerPixel;
}

// Tells pure green pixels of one format, whatever their alpha byte; a
// palette without pure green has none.
struct key_test {
    explicit key_test(const SDL_PixelFormat* format)
        : keyed(holds_key_green(format)), mask(colour_bits(format)), key(key_green(format) & mask) {}
    bool is_key(Uint32 value) const { return keyed && (value & mask) == key; }
    bool keyed;
    Uint32 mask, key;
};

// The box of the pixels that are not pure green; all zeros when there is none.
img_box visible_box(SDL_Surface* pixels) {
    const key_test green(pixels->format);
    const int bytes = pixels->format->BytesPerPixel;
    img_box box = {pixels->w, pixels->h, 0, 0};
    if (SDL_MUSTLOCK(pixels)) SDL_LockSurface(pixels);
    for (int y = 0; y < pixels->h; y++) {
        for (int x = 0; x < pixels->w; x++) {
            if (green.is_key(read_pixel(pixel_at(pixels, x, y), bytes))) continue;
            if (x < box.left) box.left = x;
            if (x >= box.right) box.right = x + 1;
            if (y < box.top) box.top = y;
            if (y >= box.bottom) box.bottom = y + 1;
        }
    }
    if (SDL_MUSTLOCK(pixels)) SDL_UnlockSurface(pixels);
    if (box.right == 0) box = {0, 0, 0, 0};
    return box;
}

// Whether every pixel of row y is shown.
bool row_is_solid(SDL_Surface* pixels, int y) {
    const key_test green(pixels->format);
    const Uint32 alpha_mask = pixels->format->Amask;
    const int bytes = pixels->format->BytesPerPixel;
    for (int x = 0; x < pixels->w; x++) {
        const Uint32 value = read_pixel(pixel_at(pixels, x, y), bytes);
        if (green.is_key(value) || (value & alpha_mask) != alpha_mask) return false;
    }
    return true;
}

// An exact copy of a box of `pixels`, in the same format (palette included).
SDL_Surface* cut_box(SDL_Surface* pixels, const img_box& box) {
    const SDL_PixelFormat* format = pixels->format;
    const int w = box.right - box.left;
    const int h = box.bottom - box.top;
    SDL_Surface* cut = SDL_CreateRGBSurface(pixels->flags & (SDL_SRCCOLORKEY | SDL_SRCALPHA), w, h,
                                            format->BitsPerPixel, format->Rmask, format->Gmask, format->Bmask,
                                            format->Amask);
    if (!cut) return nullptr;
    if (format->palette) SDL_SetColors(cut, format->palette->colors, 0, format->palette->ncolors);
    if (SDL_MUSTLOCK(pixels)) SDL_LockSurface(pixels);
    for (int y = 0; y < h; y++) {
        memcpy(pixel_at(cut, 0, y), pixel_at(pixels, box.left, box.top + y), (size_t)w * format->BytesPerPixel);
    }
    if (SDL_MUSTLOCK(pixels)) SDL_UnlockSurface(pixels);
    return cut;
}

void recolour(SDL_Surface* pixels, Uint32 from, Uint32 to) {
    const Uint32 mask = colour_bits(pixels->format);
    const int bytes = pixels->format->BytesPerPixel;
    from &= mask;
    to &= mask;
    if (SDL_MUSTLOCK(pixels)) SDL_LockSurface(pixels);
    for (int y = 0; y < pixels->h; y++) {
        for (int x = 0; x < pixels->w; x++) {
            Uint8* at = pixel_at(pixels, x, y);
            const Uint32 value = read_pixel(at, bytes);
            if ((value & mask) == from) write_pixel(at, bytes, (value & ~mask) | to);
        }
    }
    if (SDL_MUSTLOCK(pixels)) SDL_UnlockSurface(pixels);
}

}  // namespace

img_mgr* img_mgr::first_live = nullptr;

void img_mgr::join_live() {
    next_live = first_live;
    if (first_live) first_live->previous_live = this;
    first_live = this;
}

void img_mgr::leave_live() {
    if (previous_live) previous_live->next_live = next_live;
    if (next_live) next_live->previous_live = previous_live;
    if (first_live == this) first_live = next_live;
}

img_mgr::img_mgr() {
    join_live();
    image_count++;
    printf("___Creating image [%lx] images[%d] estsz[%d]\n", (unsigned long)this, image_count, estimated_memory());
}

img_mgr::img_mgr(const img_mgr& src) {
    join_live();
    image_count++;
    printf(" images[%d] estmemusage[%d]", image_count, estimated_memory());
    printf("\n");
    if (src.surface.is_null()) {
        printf("%s: copying an empty img_mgr [%s] gl[%d]\n", src.gl_tiles == NO_TEXTURE ? "WARNING" : "NOTICE",
               src.filename, src.gl_tiles);
        if (src.gl_tiles == NO_TEXTURE) {
            printf("ERROR: Can't copy src.image (NULL and no gl) to image [%s]\n", src.filename);
            return;
        }
    } else {
        SDL_Surface* source = src.surface.pixels();
        if (!source) printf("ERROR: Empty source surface\n");
        surface.attach_new();
        surface->store(source ? SDL_DisplayFormat(source) : nullptr);
        surface->green2alpha();
    }
    mirror_surface = src.mirror_surface;
    if (!mirror_surface.is_null()) mirror_surface->green2alpha();
    copy_attributes(src);
}

img_mgr& img_mgr::operator=(const img_mgr& src) {
    printf("Image assignment [%lx] to [%lx]\n", (unsigned long)&src, (unsigned long)this);
    if (this == &src) return *this;
    if (!src.surface.is_null()) {
        surface = src.surface;
    } else if (src.gl_tiles == NO_TEXTURE) {
        printf("ERROR: no image to copy from\n");
        return *this;
    } else {
        printf("Downloading [%d,%d]/32 surface from hw to sw\n", src.logical_w, src.logical_h);
        surface.attach_new();
        surface->store(src.read_texture());
    }
    surface->green2alpha();
    mirror_surface = src.mirror_surface;
    if (!mirror_surface.is_null()) mirror_surface->green2alpha();
    printf("Copy2 gl_tiles [%d]\n", src.gl_tiles);
    copy_attributes(src);
    // Zoomed versions of the pixels this picture had are no longer its own.
    zcache.clear();
    return *this;
}

img_mgr::~img_mgr() {
    leave_live();
    image_count--;
    printf("___NOTICE: deconstring an image[%lx] images[%d] mysize[%d]\n", (unsigned long)this, image_count,
           (int)sizeof(img_mgr));
    printf("___filename [%s]\n", filename);
    surface.reset();
    mirror_surface.reset();
    zcache.clear();
    let_go_of_texture();
}

void img_mgr::copy_attributes(const img_mgr& src) {
    share_texture(src);
    dst_rect = src.dst_rect;
    src_rect = src.src_rect;
    take_measures(src);
    alpha = src.alpha;
    live_convert = src.live_convert;
    memcpy(filename, src.filename, sizeof(filename));
    mirrored = src.mirrored;
}

void img_mgr::take_measures(const img_mgr& src) {
    logical_w = src.logical_w;
    logical_h = src.logical_h;
    bounds = src.bounds;
    trim = src.trim;
}

void img_mgr::set_filename(const char* name) {
    if (strlen(name) >= sizeof(filename)) {
        printf("WARNING: file name [%s] is longer than %d characters, cut\n", name, (int)sizeof(filename) - 1);
    }
    snprintf(filename, sizeof(filename), "%s", name);
}

void img_mgr::reset_rects() {
    src_rect.x = 0;
    src_rect.y = 0;
    src_rect.w = (Uint16)logical_w;
    src_rect.h = (Uint16)logical_h;
    dst_rect.w = (Uint16)logical_w;
    dst_rect.h = (Uint16)logical_h;
}

void img_mgr::load(const char* path) {
    if (!path) path = "";
    printf("Loading img_mgr [%s] into [%lx]/[%lx] gl[%d]\n", path, (unsigned long)this,
           (unsigned long)surface.get(), gl_tiles);
    surface.attach_new();
    zcache.clear();
    set_filename(path);
    SDL_Surface* loaded = IMG_Load(path);
    if (!loaded) {
        printf("Couldn't load %s: %s\n", path, SDL_GetError());
        fprintf(stderr, "Couldn't load %s: %s\n", path, SDL_GetError());
        return;
    }
    if (is_cut_jpeg(path)) printf("WARNING: [%s] is cut short: its last rows are missing\n", path);
    if (loaded->format->BitsPerPixel == 32) {
        printf("WARNING: 32bit image<br>\n");
        SDL_Surface* converted = SDL_DisplayFormat(loaded);
        if (converted) {
            SDL_FreeSurface(loaded);
            loaded = converted;
        }
        printf("Resurface to [%d]\n", loaded->format->BitsPerPixel);
    }
    surface->store(loaded);
    SDL_Palette* palette = loaded->format->palette;
    if (palette && screen.surface && screen.surface->format->palette) {
        printf("Paletting image<br>\n");
        SDL_SetColors(screen.surface, palette->colors, 0, palette->ncolors);
    }
    logical_w = loaded->w;
    logical_h = loaded->h;
    dst_rect = {0, 0, (Uint16)logical_w, (Uint16)logical_h};
    src_rect = dst_rect;
    find_bounds();
    if (gl_tiles != NO_TEXTURE) printf("WARNING: I just loaded an image and it says its already HW acceled\n");
    // Pure green is transparent in every picture file, on either path and at
    // any zoom, so the key is set as soon as the pixels are in.
    surface->green2alpha();
}

void img_mgr::find_bounds() {
    SDL_Surface* pixels = surface->surface;
    if (!pixels) return;
    bounds = visible_box(pixels);
    printf("Bounds for [%s] are [%d,%d,%d,%d] bsz[%d,%d] isz[%d,%d] gl[%d]\n", filename, bounds.left, bounds.top,
           bounds.right, bounds.bottom, bounds.right - bounds.left, bounds.bottom - bounds.top, logical_w,
           logical_h, gl_tiles);
    img_box kept = bounds;
    if (kept.right <= kept.left || kept.bottom <= kept.top) {
        // Nothing visible: keep the whole (keyed) picture rather than none, so
        // drawing it is quiet and shows nothing.
        printf("NOTICE: [%s] is all key colour, kept untrimmed\n", filename);
        kept = {0, 0, pixels->w, pixels->h};
    }
    if (pixels->w > 0 && pixels->h > 0) {
        SDL_Surface* cut = cut_box(pixels, kept);
        SDL_Surface* converted = cut ? SDL_DisplayFormat(cut) : nullptr;
        if (converted) {
            SDL_FreeSurface(cut);
            surface->replace(converted);
        } else if (cut) {
            surface->replace(cut);
        }
    }
    dst_rect = {0, 0, (Uint16)logical_w, (Uint16)logical_h};
    src_rect = dst_rect;
    trim = kept;
}

void img_mgr::set_surface(SDL_Surface* pixels) {
    surface.attach_new();
    zcache.clear();
    surface->store(pixels);
    if (!pixels) return;
    logical_w = pixels->w;
    logical_h = pixels->h;
    printf("source size [%d,%d]\n", pixels->w, pixels->h);
    printf("image size [%d,%d]\n", logical_w, logical_h);
    set_filename(ADOPTED_NAME);
    dst_rect = {0, 0, (Uint16)logical_w, (Uint16)logical_h};
    src_rect = dst_rect;
    trim = {0, 0, logical_w, logical_h};
}

bool img_mgr::reload_pixels_from_file() {
    if (filename[0] == '\0' || strcmp(filename, ADOPTED_NAME) == 0) return false;
    printf("NOTICE: reading [%s] again to recolour a copy of its texture\n", filename);
    img_mgr fresh;
    fresh.load(filename);
    if (!fresh.has_surface()) return false;
    surface = fresh.surface;
    mirror_surface.reset();
    zcache.clear();
    take_measures(fresh);
    reset_rects();
    // The texture stays with the picture it was copied from; this one
    // uploads its own, recoloured, on its first draw.
    let_go_of_texture();
    tex_w = 0;
    tex_h = 0;
    return true;
}

void img_mgr::swap_color(Uint32 from, Uint32 to) {
    if (!has_surface() && gl_tiles != NO_TEXTURE) reload_pixels_from_file();
    SDL_Surface* pixels = surface->surface;
    if (!pixels) return;
    recolour(pixels, from, to);
    // The facing copy (shared with the picture this one was copied from) and
    // the zoomed versions show the old colours: they are made again.
    mirror_surface.reset();
    zcache.clear();
}

void img_mgr::set_alpha(Uint8 value) {
    (this->*path().show_alpha)(value);
    alpha = value;
}

void img_mgr::mirror() { (this->*path().mirror)(); }

void img_mgr::face(int facing) {
    if ((mirrored != 0) != (facing != 0)) mirror();
}

img_box img_mgr::placed_bounds(int x, int y, float zoom) const {
    const int left = mirrored ? x + (logical_w - bounds.right) : x + bounds.left;
    const int right = mirrored ? x + (logical_w - bounds.left) : x + bounds.right;
    return img_box{(int)(left * zoom), y + bounds.top, (int)(right * zoom), y + bounds.bottom};
}

bool img_mgr::overlaps(int x1, int y1, const img_mgr& other, int x2, int y2, float zoom) const {
    const img_box own = placed_bounds(x1, y1, zoom);
    const img_box theirs = other.placed_bounds(x2, y2, zoom);
    if (own.bottom < theirs.top) return false;
    if (own.top > theirs.bottom) return false;
    if (own.right < theirs.left) return false;
    return own.left <= theirs.right;
}

row_span img_mgr::solid_rows() const {
    SDL_Surface* pixels = surface.pixels();
    row_span longest = {0, 0};
    if (!pixels || trim.left != 0 || trim.right != logical_w) return longest;
    if (SDL_MUSTLOCK(pixels)) SDL_LockSurface(pixels);
    row_span run = {0, 0};
    for (int y = 0; y < pixels->h; y++) {
        if (!row_is_solid(pixels, y)) {
            run = {y + 1, y + 1};
            continue;
        }
        run.end = y + 1;
        if (run.size() > longest.size()) longest = run;
    }
    if (SDL_MUSTLOCK(pixels)) SDL_UnlockSurface(pixels);
    return longest;
}

const img_mgr::drawing_path& img_mgr::path() { return screen.is_gl() ? GL_PATH : SURFACE_PATH; }

void img_mgr::tohw() { (this->*path().tohw)(); }

void img_mgr::display(int x, int y, SDL_Surface* dest, float zx, float zy, int angle) {
    (this->*path().display)(x, y, dest, zx, zy, angle);
}

void img_mgr::note_other_destination() const { printf("Detected non-screen output for [%s]\n", filename); }

void img_mgr::display(int x, int y) { display(x, y, screen.surface, 1.0f, 1.0f, 0); }

void img_mgr::display(int x, int y, SDL_Surface* dest) { display(x, y, dest, 1.0f, 1.0f, 0); }

void img_mgr::display_zoomed(int x, int y, double zx, double zy) {
    display((int)(x * zx), (int)(y * zy), screen.surface, (float)zx, (float)zy, 0);
}

void img_mgr::display_scaled(int x, int y, SDL_Surface* dest, double zoom) {
    display((int)(x * zoom), (int)(y + logical_h - logical_h * zoom), dest, (float)zoom, (float)zoom, 0);
}

void img_mgr::display_floor(int x, int y, SDL_Surface* dest, double zoom, double depth) {
    if (zoom == 1.0) {
        display(x, y, dest, 1.0f, 1.0f, 0);
    } else {
        (this->*path().display_floor)(x, y, dest, zoom, depth);
    }
}

void img_mgr::display_tiled(int x1, int y1, int x2, int y2) {
    tohw();
    (this->*path().display_tiled)(x1, y1, x2, y2);
}
