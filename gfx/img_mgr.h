#ifndef GFX_IMG_MGR_H
#define GFX_IMG_MGR_H

#include <SDL/SDL.h>

#include "gfx/surface_handle.h"
#include "gfx/texel_cells.h"
#include "gfx/zoom_cache.h"

// A box inside a picture; right and bottom are exclusive.
struct img_box {
    int left, top, right, bottom;
};

// Rows [first, end) of a picture.
struct row_span {
    int first, end;
    int size() const { return end - first; }
    bool empty() const { return end <= first; }
};

// One picture of the game: fighter frames, stage layers, menu art, rendered
// text. It keeps the software surface (trimmed to its visible pixels) or,
// once drawn in OpenGL mode, the texture; the logical size of the file it
// came from; its facing and opacity. Pure green is the transparent colour.
class img_mgr {
public:
    enum { FILENAME_SIZE = 67 };
    // gl_tiles of a picture whose pixels have no texture (yet).
    enum { NO_TEXTURE = -1 };

    img_mgr();
    img_mgr(const img_mgr& src);
    img_mgr& operator=(const img_mgr& src);
    ~img_mgr();

    // Loads a picture file and trims it to its visible box.
    void load(const char* path);
    // Adopts a ready surface (ownership passes), untrimmed and unkeyed.
    void set_surface(SDL_Surface* pixels);
    // Recolours in place: every pixel of colour `from` becomes `to` (values in
    // the picture's pixel format). A picture whose pixels went to a texture is
    // first read again from its file, so a private copy always recolours.
    void swap_color(Uint32 from, Uint32 to);
    // Hit test between this picture at (x1, y1) and `other` at (x2, y2); the
    // horizontal ends are scaled by `zoom`.
    bool overlaps(int x1, int y1, const img_mgr& other, int x2, int y2, float zoom) const;
    // The box of visible pixels that `overlaps` tests, for the picture placed
    // at (x, y): mirrored as the picture is, its columns zoomed.
    img_box placed_bounds(int x, int y, float zoom) const;
    void set_alpha(Uint8 value);
    // Turns the picture to face the other way.
    void mirror();
    // Turns the picture to `facing` (non-zero: mirrored) unless it already
    // faces that way. Pictures are shared through the cache, so whoever
    // drew one last may have left it turned the other way.
    void face(int facing);
    int width() const { return logical_w; }
    int height() const { return logical_h; }
    // True when software pixels are present (not only a texture).
    bool has_surface() const { return surface.pixels() != nullptr; }
    // Reads the texture back into a software surface (OpenGL mode only).
    void download();
    // The longest run of rows, counted in the trimmed picture, in which every
    // pixel across the picture's whole width is shown: no key colour and no
    // see-through alpha. Empty when there is none, when trimming took
    // columns off, or when the pixels have gone to a texture.
    row_span solid_rows() const;
    // Where display_scaled(x, y, ..., zoom) puts the top of row `row` of the
    // trimmed picture, before rounding, when the draw's window starts
    // `window_top` rows down.
    double scaled_row_top(int y, double zoom, int window_top, int row) const {
        return y + logical_h - logical_h * zoom + (trim.top - window_top + row) * zoom;
    }

    // A video mode change may give OpenGL a new context without the old
    // one's textures. Before the change, keep_textures reads the texture of
    // every live picture back; after it, restore_textures uploads them again
    // under the same names when the context is new (copies share names), and
    // lets go of what was kept.
    static void keep_textures();
    static void restore_textures(bool context_is_new);

    // OpenGL mode: uploads the texture (once); surface mode: moves the
    // pixels to a video-memory surface.
    void tohw();
    void display(int x, int y, SDL_Surface* dest, float zx, float zy, int angle);
    void display(int x, int y);
    void display(int x, int y, SDL_Surface* dest);
    // Position and picture both scaled.
    void display_zoomed(int x, int y, double zx, double zy);
    // Zoomed with the bottom edge kept where the unzoomed picture's would be.
    void display_scaled(int x, int y, SDL_Surface* dest, double zoom);
    // The stage floor, receding from the viewer.
    void display_floor(int x, int y, SDL_Surface* dest, double zoom, double depth);
    // Fills the rectangle with the picture repeated every 115 x 140 pixels.
    void display_tiled(int x1, int y1, int x2, int y2);

    surface_handle surface;
    surface_handle mirror_surface;
    SDL_Rect dst_rect = {0, 0, 0, 0};
    SDL_Rect src_rect = {0, 0, 0, 0};
    Uint8 mirrored = 0;
    zoom_cache zcache;
    Uint8 live_convert = 0;
    char filename[FILENAME_SIZE] = {};
    int gl_tiles = NO_TEXTURE;
    // brawler_scaled's picture: the list of its solid cells, then the list
    // of its blended cells (display_list + 1).
    unsigned int display_list = 0;
    enum { DISPLAY_LISTS = 2 };
    int tex_w = 0, tex_h = 0;
    int logical_w = 0, logical_h = 0;
    img_box bounds = {0, 0, 0, 0};
    img_box trim = {0, 0, 0, 0};
    Uint8 alpha = 255;

private:
    void find_bounds();
    void set_filename(const char* name);
    void reset_rects();
    void copy_attributes(const img_mgr& src);
    // What loading measured of `src`: the size of its file, its visible box
    // and the box its stored pixels were trimmed to.
    void take_measures(const img_mgr& src);
    bool reload_pixels_from_file();
    void note_other_destination() const;
    // Where display(x, y, ..., zy) puts the top of the stored pixels.
    int stored_top(int y, float zy) const { return (int)(y + trim.top * zy); }
    int trimmed_w() const { return trim.right - trim.left; }
    // The logical column where the stored pixels start on the surface path,
    // where a mirrored picture stores its flipped pixels: its right trim
    // then lies on the left.
    int stored_left() const { return mirrored ? logical_w - trim.right : trim.left; }
    int trimmed_h() const { return trim.bottom - trim.top; }

    // What each drawing path does its own way. Each path file defines its
    // table; path() gives the running one, so the rest of the class reads
    // the same on both.
    struct drawing_path {
        void (img_mgr::*tohw)();
        void (img_mgr::*display)(int x, int y, SDL_Surface* dest, float zx, float zy, int angle);
        void (img_mgr::*display_floor)(int x, int y, SDL_Surface* dest, double zoom, double depth);
        void (img_mgr::*display_tiled)(int x1, int y1, int x2, int y2);
        void (img_mgr::*show_alpha)(Uint8 value);
        void (img_mgr::*mirror)();
    };
    static const drawing_path SURFACE_PATH;
    static const drawing_path GL_PATH;
    static const drawing_path& path();

    // Drawing on plain surfaces (img_sw.cpp).
    void tohw_sw();
    void display_sw(int x, int y, SDL_Surface* dest, float zx, float zy, int angle);
    void draw_sw(int x0, int y0, SDL_Surface* dest, float zx, float zy, int angle);
    void display_floor_sw(int x, int y, SDL_Surface* dest, double zoom, double depth);
    void display_tiled_sw(int x1, int y1, int x2, int y2);
    bool needs_patch(const SDL_Surface* dest, float zx, float zy) const;
    SDL_Surface* zoomed_picture(SDL_Surface* dest, float& zx, float& zy, int angle, bool& patched);
    bool keep_zoomed(SDL_Surface* picture, int key, const zoom_view& view);
    void place_zoomed(int picture_w, int picture_h, float zx, float zy, int angle);
    bool display_zoomed_part(SDL_Surface* dest, float zx, float zy);
    void show_alpha_sw(Uint8 value);
    void mirror_sw();

    // OpenGL upload and the drawing common to both programs (img_gl.cpp).
    void tohw_gl();
    void display_gl(int x, int y, SDL_Surface* dest, float zx, float zy, int angle);
    void display_floor_gl(int x, int y, SDL_Surface* dest, double zoom, double depth);
    void display_tiled_gl(int x1, int y1, int x2, int y2);
    SDL_Surface* read_texture() const;
    bool check_uploaded() const;
    void bind_texture(bool texel_per_pixel) const;
    void show_alpha_gl(Uint8 value);
    void mirror_gl();
    void let_go_of_texture();
    void share_texture(const img_mgr& src);

    // The program's own OpenGL drawing: img_gl_immediate.cpp in brawler,
    // img_gl_scaled.cpp in brawler_scaled.
    void finish_upload();
    // Compiles the display lists again under their names, in a new context.
    void remake_lists();
    void draw_gl(int x0, int y0, float zx, float zy, int angle);

    // Every live picture, so a new GL context can get their textures back.
    static img_mgr* first_live;
    img_mgr* previous_live = nullptr;
    img_mgr* next_live = nullptr;
    void join_live();
    void leave_live();

    bool moved_to_video = false;
    // The parts of the texture to draw, and which of them need blending.
    texel_cells cells;
};

// Live pictures, for the life-cycle log lines.
extern int image_count;

#endif
