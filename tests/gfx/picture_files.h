#ifndef TESTS_GFX_PICTURE_FILES_H
#define TESTS_GFX_PICTURE_FILES_H

// Test pictures made in code and saved as BMP files in a temporary folder,
// and reading back what a draw put on the screen.
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "gfx/img_mgr.h"
#include "platform/screen_mgr.h"
#include "tests/support/temp_folder.h"

struct rgb {
    Uint8 r, g, b;
    bool operator==(const rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const rgb& o) const { return !(*this == o); }
};

inline std::ostream& operator<<(std::ostream& out, const rgb& c) {
    return out << "(" << (int)c.r << "," << (int)c.g << "," << (int)c.b << ")";
}

const rgb GREEN = {0, 255, 0};
const rgb RED = {255, 0, 0};
const rgb BLUE = {0, 0, 255};
const rgb WHITE = {255, 255, 255};
const rgb BLACK = {0, 0, 0};
const rgb YELLOW = {255, 255, 0};

// A rectangle of screen or picture pixels; right and bottom exclusive.
struct area {
    int left, top, right, bottom;
};

// One folder for the whole test program, removed when the program ends.
inline const std::string& picture_folder() {
    static const temp_folder folder("brawler_gfx");
    return folder.path();
}

// A 24-bit picture: all pure green, `visible` filled with `fill`, and one
// yellow marker pixel at the visible box's top-left corner (to tell facing).
inline SDL_Surface* make_picture(int w, int h, area visible, rgb fill) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xFF, 0xFF00, 0xFF0000, 0);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0, 255, 0));
    SDL_Rect box = {(Sint16)visible.left, (Sint16)visible.top, (Uint16)(visible.right - visible.left),
                    (Uint16)(visible.bottom - visible.top)};
    SDL_FillRect(s, &box, SDL_MapRGB(s->format, fill.r, fill.g, fill.b));
    SDL_Rect marker = {(Sint16)visible.left, (Sint16)visible.top, 1, 1};
    if (box.w > 1) SDL_FillRect(s, &marker, SDL_MapRGB(s->format, 255, 255, 0));
    return s;
}

inline std::string save_picture(SDL_Surface* s, const std::string& name) {
    const std::string path = picture_folder() + "/" + name + ".bmp";
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
    return path;
}

inline std::string picture_file(const std::string& name, int w, int h, area visible, rgb fill) {
    return save_picture(make_picture(w, h, visible, fill), name);
}

// Makes the picture file and loads it into `picture`; the file's path.
inline std::string load_picture_file(img_mgr& picture, const std::string& name, int w, int h, area visible, rgb fill) {
    const std::string file = picture_file(name, w, h, visible, fill);
    picture.load(file.c_str());
    return file;
}

inline rgb surface_pixel(SDL_Surface* s, int x, int y) {
    if (SDL_MUSTLOCK(s)) SDL_LockSurface(s);
    const int bytes = s->format->BytesPerPixel;
    const Uint8* at = (const Uint8*)s->pixels + y * s->pitch + x * bytes;
    Uint32 value = 0;
    for (int i = 0; i < bytes; i++) value |= (Uint32)at[i] << (8 * i);
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    rgb c;
    SDL_GetRGB(value, s->format, &c.r, &c.g, &c.b);
    return c;
}

// The box of the bright screen pixels, from a pixel reader.
template <class Reader>
area painted_box(int w, int h, Reader pixel) {
    area box = {w, h, 0, 0};
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            const rgb c = pixel(x, y);
            // Filtered edges on the OpenGL path fade out: only bright pixels count.
            if (c.r < 128 && c.g < 128 && c.b < 128) continue;
            if (x < box.left) box.left = x;
            if (x >= box.right) box.right = x + 1;
            if (y < box.top) box.top = y;
            if (y >= box.bottom) box.bottom = y + 1;
        }
    }
    if (box.right == 0) box = {0, 0, 0, 0};
    return box;
}

template <class Reader>
int count_colour(int w, int h, Reader pixel, rgb colour) {
    int found = 0;
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) found += pixel(x, y) == colour;
    }
    return found;
}

inline void expect_area(const area& got, const area& want) {
    EXPECT_EQ(got.left, want.left);
    EXPECT_EQ(got.top, want.top);
    EXPECT_EQ(got.right, want.right);
    EXPECT_EQ(got.bottom, want.bottom);
}

#endif
