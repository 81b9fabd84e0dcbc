#ifndef TESTS_GFX_TEXT_SCREEN_PROBE_H
#define TESTS_GFX_TEXT_SCREEN_PROBE_H

// Opens the screen on one drawing path and reads its pixels back, so the
// text, primitive and stage tests of either path compare what was drawn.

#include <GL/gl.h>
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/screen_mgr.h"
#include "platform/trig_tables.h"
#include "tests/support/test_screen.h"

// The OpenGL programs of the drawing tests are built with DRAW_ON_GL true.
#ifndef DRAW_ON_GL
#define DRAW_ON_GL false
#endif

namespace probe {

const int SCREEN_W = 640;
const int SCREEN_H = 480;

inline bool open_screen(bool gl) {
    fill_trig_tables();
    return open_test_screen(gl ? (SDL_OPENGL | SDL_DOUBLEBUF) : SDL_SWSURFACE, SCREEN_W, SCREEN_H);
}

inline void clear() {
    screen.clear_screen();
    if (screen.is_gl()) glFinish();
}

// Each case starts on a cleared screen of this program's drawing path.
class screen_test : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(open_screen(DRAW_ON_GL));
        clear();
    }
};

// The screen as 0xRRGGBB values, row by row from the top, on either path.
struct shot {
    std::vector<Uint32> rgb;
    Uint32 at(int x, int y) const { return rgb[y * SCREEN_W + x]; }
    // How many pixels of the rectangle (x, y, w, h) hold exactly colour.
    int count(int x, int y, int w, int h, Uint32 colour) const {
        int found = 0;
        for (int py = y; py < y + h; py++)
            for (int px = x; px < x + w; px++)
                if (at(px, py) == colour) found++;
        return found;
    }
    int count_not(int x, int y, int w, int h, Uint32 colour) const { return w * h - count(x, y, w, h, colour); }
};

inline shot grab() {
    shot taken;
    taken.rgb.resize(SCREEN_W * SCREEN_H);
    if (screen.is_gl()) {
        std::vector<Uint8> rgba(SCREEN_W * SCREEN_H * 4);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, SCREEN_W, SCREEN_H, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        for (int y = 0; y < SCREEN_H; y++) {
            const Uint8* row = &rgba[(SCREEN_H - 1 - y) * SCREEN_W * 4];
            for (int x = 0; x < SCREEN_W; x++)
                taken.rgb[y * SCREEN_W + x] = (Uint32(row[x * 4]) << 16) | (Uint32(row[x * 4 + 1]) << 8) | row[x * 4 + 2];
        }
        return taken;
    }
    SDL_Surface* s = screen.surface;
    for (int y = 0; y < SCREEN_H; y++) {
        const Uint8* row = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
        for (int x = 0; x < SCREEN_W; x++) {
            Uint32 value = 0;
            memcpy(&value, row + x * s->format->BytesPerPixel, s->format->BytesPerPixel);
            Uint8 r, g, b;
            SDL_GetRGB(value, s->format, &r, &g, &b);
            taken.rgb[y * SCREEN_W + x] = (Uint32(r) << 16) | (Uint32(g) << 8) | b;
        }
    }
    return taken;
}

// The game's own face when the tree has it, else a face every test machine has.
inline const char* font_path() {
    static const char* const game_font = "rsrc/Veranda.ttf";
    if (access(game_font, R_OK) == 0) return game_font;
    return "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
}

// Saves the screen as a BMP, for a look by eye: under the build folder, or
// at `name` itself when in_build_folder is false. Returns the path written.
inline std::string save_screen(const std::string& name, bool in_build_folder = true) {
    const std::string path = (in_build_folder ? std::string(BRAWLER_BINARY_DIR) + "/" : std::string()) + name + ".bmp";
    const shot taken = grab();
    SDL_Surface* copy = screen.create_surface(SCREEN_W, SCREEN_H, 32, 0);
    for (int y = 0; y < SCREEN_H; y++) {
        Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(copy->pixels) + y * copy->pitch);
        for (int x = 0; x < SCREEN_W; x++) {
            const Uint32 rgb = taken.at(x, y);
            row[x] = SDL_MapRGBA(copy->format, rgb >> 16, (rgb >> 8) & 255, rgb & 255, 255);
        }
    }
    SDL_SaveBMP(copy, path.c_str());
    SDL_FreeSurface(copy);
    return path;
}

}  // namespace probe

#endif
