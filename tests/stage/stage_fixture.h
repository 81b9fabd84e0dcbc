#ifndef TESTS_STAGE_STAGE_FIXTURE_H
#define TESTS_STAGE_STAGE_FIXTURE_H

// Small stages written into a temporary folder: pictures made in code and
// saved as BMP, a background set and a stage file naming them.

#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "config/config_file.h"
#include "tests/support/temp_folder.h"

namespace fixture {

// 0xRRGGBB for the pixel at (x, y) of a picture.
typedef std::function<Uint32(int x, int y)> painter;

const Uint32 KEY_GREEN = 0x00FF00;

inline painter flat(Uint32 rgb) {
    return [rgb](int, int) { return rgb; };
}

// A 5-bit value spread over a byte as 16-bit textures widen it again, and
// back: both paths then show and read the same value.
inline Uint32 widen(int five_bits) { return Uint32((five_bits << 3) | (five_bits >> 2)); }
inline int narrow(Uint32 byte) { return int((byte * 31 + 127) / 255); }

// Every column says where it comes from, in values that survive the 16-bit
// textures of the OpenGL path: red = column % 32, green = column / 32 % 32,
// blue = 8 x plane + column / 1024. Rows outside [first_row, last_row) are
// transparent, so the planes behind show through.
inline painter columns(int plane, int first_row, int last_row) {
    return [=](int x, int y) -> Uint32 {
        if (y < first_row || y >= last_row) return KEY_GREEN;
        return (widen(x % 32) << 16) | (widen(x / 32 % 32) << 8) | widen(plane * 8 + x / 1024);
    };
}

inline int plane_of(Uint32 rgb) { return narrow(rgb & 255) / 8; }

// The column a pixel painted by columns() came from; -1 when it is not one.
inline int column_of(Uint32 rgb) {
    if (plane_of(rgb) == 0) return -1;
    return narrow(rgb & 255) % 8 * 1024 + narrow((rgb >> 8) & 255) * 32 + narrow(rgb >> 16);
}

class stage_folder {
public:
    stage_folder() : place("stage"), path(place.path()) { config_file::allow_folder(path); }

    std::string picture(const std::string& name, int w, int h, const painter& paint) {
        SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
        for (int y = 0; y < h; y++) {
            Uint8* row = static_cast<Uint8*>(s->pixels) + y * s->pitch;
            for (int x = 0; x < w; x++) {
                const Uint32 rgb = paint(x, y);
                Uint8* p = row + x * 3;
                p[0] = rgb & 255;
                p[1] = (rgb >> 8) & 255;
                p[2] = (rgb >> 16) & 255;
            }
        }
        const std::string file = place.file(name + ".bmp");
        SDL_SaveBMP(s, file.c_str());
        SDL_FreeSurface(s);
        return file;
    }

    // Writes the background set of the given pictures and a stage file with
    // "bgset" and the given keys; returns the stage file's path.
    std::string stage(const std::vector<std::string>& pictures, const std::string& stage_keys) {
        std::string bgset = "width=640 images=" + std::to_string(pictures.size()) + "\n";
        for (size_t i = 0; i < pictures.size(); i++) bgset += "image" + std::to_string(i) + "=" + pictures[i] + "\n";
        const std::string bgset_path = write("bgset.ini", bgset);
        return write("stage.ini", "bgset=" + bgset_path + "\n" + stage_keys + "\n");
    }

    std::string write(const std::string& name, const std::string& text) { return place.write(name, text); }

private:
    temp_folder place;

public:
    const std::string path;
};

}  // namespace fixture

#endif
