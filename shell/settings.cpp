#include "shell/settings.h"

#include <cstdio>

#include "config/config_file.h"

namespace {

// The depths SDL can be asked for; any other leaves the mode unset.
const int DEPTHS[] = {8, 15, 16, 24, 32};

// A window side outside [1, MAX_SIDE] can't be opened (or would ask for
// gigabytes of screen): the default side is kept instead.
int checked_side(const char* key, int side, int fallback) {
    if (side >= 1 && side <= settings::MAX_SIDE) return side;
    printf("WARNING: %s [%d] is outside [1, %d], using [%d]\n", key, side, (int)settings::MAX_SIDE, fallback);
    return fallback;
}

}  // namespace

bool settings::is_depth(int bpp) {
    for (const int depth : DEPTHS) {
        if (bpp == depth) return true;
    }
    return false;
}

settings::settings() : fullscreen(0), width(640), height(480), bpp(32), fps(60), hwaccel(0) {}

void settings::read(const config_file& config) {
    const settings defaults;
    if (config.get_int("fullscreen")) fullscreen = config.get_int("fullscreen");
    if (config.get_int("width")) width = checked_side("width", config.get_int("width"), defaults.width);
    if (config.get_int("height")) {
        height = config.get_int("height");
        printf("Setting size to [%d,%d]\n", width, height);
        height = checked_side("height", height, defaults.height);
    }
    if (config.get_int("bpp")) {
        bpp = config.get_int("bpp");
        printf("Setting bpp to [%d]\n", bpp);
        if (!is_depth(bpp)) {
            printf("WARNING: bpp [%d] is not 8, 15, 16, 24 or 32, using [%d]\n", bpp, defaults.bpp);
            bpp = defaults.bpp;
        }
    }
    if (config.get_int("fps")) {
        fps = config.get_int("fps");
        printf("Setting fps to [%d]\n", fps);
        // Below 4 frames a second neither a menu nor a match is playable.
        if (fps < MIN_FPS) {
            printf("WARNING: fps [%d] is too low, using [%d]\n", fps, (int)MIN_FPS);
            fps = MIN_FPS;
        }
        // The frame-rate manager paces at most 200 frames a second, and
        // every frame count of the match is a multiple of fps.
        if (fps > MAX_FPS) {
            printf("WARNING: fps [%d] is too high, using [%d]\n", fps, (int)MAX_FPS);
            fps = MAX_FPS;
        }
    }
    if (config.get_int("hwaccel")) hwaccel = config.get_int("hwaccel");
}

int settings::menu_rate() const {
    const int rate = fps * 4;
    return rate > MAX_MENU_RATE ? MAX_MENU_RATE : rate;
}
