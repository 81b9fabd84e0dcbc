#include "shell/settings.h"

#include <cstdio>

#include "config/config_file.h"

settings::settings() : fullscreen(0), width(640), height(480), bpp(32), fps(60), hwaccel(0) {}

void settings::read(const config_file& config) {
    if (config.get_int("fullscreen")) fullscreen = config.get_int("fullscreen");
    if (config.get_int("width")) width = config.get_int("width");
    if (config.get_int("height")) {
        height = config.get_int("height");
        printf("Setting size to [%d,%d]\n", width, height);
    }
    if (config.get_int("bpp")) {
        bpp = config.get_int("bpp");
        printf("Setting bpp to [%d]\n", bpp);
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
