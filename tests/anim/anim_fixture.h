#ifndef TESTS_ANIM_ANIM_FIXTURE_H
#define TESTS_ANIM_ANIM_FIXTURE_H

#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "anim/anim_group.h"
#include "anim/anim_mgr.h"
#include "anim/shown_pictures.h"
#include "config/config_file.h"
#include "platform/screen_mgr.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_screen.h"

// Pictures and animation files made on the spot in a private folder, so the
// tests depend on no game data. Every name carries the folder, so the image
// cache never hands one test's picture to another.
class anim_files {
public:
    anim_files() : place("anim_test"), folder(place.path()) { config_file::allow_folder(folder); }

    // A w x h picture of one colour; with `border` > 0, a frame of pure green
    // (the transparent colour) of that width around it.
    std::string picture(const std::string& name, int w, int h, Uint8 r, Uint8 g, Uint8 b, int border = 0) const {
        SDL_Surface* pixels = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
        SDL_FillRect(pixels, nullptr, SDL_MapRGB(pixels->format, 0, 255, 0));
        SDL_Rect inside = {(Sint16)border, (Sint16)border, (Uint16)(w - 2 * border), (Uint16)(h - 2 * border)};
        SDL_FillRect(pixels, &inside, SDL_MapRGB(pixels->format, r, g, b));
        return save(name, pixels);
    }

    // A w x h picture whose left half is one colour and right half another,
    // so its facing can be seen.
    std::string two_halves(const std::string& name, int w, int h, Uint32 left_rgb, Uint32 right_rgb) const {
        SDL_Surface* pixels = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
        SDL_Rect left = {0, 0, (Uint16)(w / 2), (Uint16)h};
        SDL_Rect right = {(Sint16)(w / 2), 0, (Uint16)(w - w / 2), (Uint16)h};
        SDL_FillRect(pixels, &left, left_rgb);
        SDL_FillRect(pixels, &right, right_rgb);
        return save(name, pixels);
    }

    // A file holding exactly `contents`, whatever bytes they are.
    std::string text_file(const std::string& name, const std::string& contents) const {
        return place.write(name, contents);
    }

private:
    temp_folder place;

public:
    const std::string folder;

private:
    std::string save(const std::string& name, SDL_Surface* pixels) const {
        const std::string path = folder + "/" + name + ".bmp";
        SDL_SaveBMP(pixels, path.c_str());
        SDL_FreeSurface(pixels);
        return path;
    }
};

// Shows frame `index` of `definition` at `zoom` and paints it at once, as a
// frame of the game that is seen; returns what it asks of the screen.
inline frame_effects paint_frame(Anim_Mgr& definition, int x, int y, int index, double zoom = 1.0) {
    shown_pictures shown;
    const frame_effects asked = definition.show_frame(x, y, index, zoom, shown);
    shown.draw();
    return asked;
}

// One tick of `group` at zoom 1, painted at once.
inline frame_effects paint_tick(anim_group& group, int x, int y) {
    shown_pictures shown;
    const frame_effects asked = group.play(x, y, 1.0, shown);
    shown.draw();
    return asked;
}

inline void clear_surface_screen() { SDL_FillRect(screen.surface, nullptr, 0); }

// The colour of one screen pixel as 0xRRGGBB.
inline Uint32 screen_rgb(int x, int y) {
    SDL_Surface* shown = screen.surface;
    Uint8 r = 0, g = 0, b = 0;
    const Uint8* row = (const Uint8*)shown->pixels + y * shown->pitch;
    Uint32 value = 0;
    memcpy(&value, row + x * shown->format->BytesPerPixel, shown->format->BytesPerPixel);
    SDL_GetRGB(value, shown->format, &r, &g, &b);
    return ((Uint32)r << 16) | ((Uint32)g << 8) | b;
}

#endif
