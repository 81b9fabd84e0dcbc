#include "shell/startup.h"

#include <SDL/SDL_mixer.h>
#include <cstdio>
#include <cstdlib>

#include "anim/anim_group.h"
#include "anim/anim_mgr.h"
#include "anim/animation.h"
#include "anim/frame.h"
#include "gfx/image_cache.h"
#include "gfx/img_mgr.h"
#include "objects/lifeform.h"
#include "shell/data_tree.h"
#include "platform/platform.h"
#include "platform/screen_mgr.h"
#include "stage/level.h"

namespace {

// The record sizes of this build, so a log tells what the memory estimates
// of the image and frame life-cycle lines are made of.
void print_type_sizes() {
    printf("lifeform size [%d]\n", (int)sizeof(lifeform));
    printf("level size [%d]\n", (int)sizeof(level));
    printf("img_mgr size [%d]\n", (int)sizeof(img_mgr));
    printf("frame size [%d]\n", (int)sizeof(frame));
    printf("anim_mgr size [%d]\n", (int)sizeof(Anim_Mgr));
    printf("anim_group size [%d]\n", (int)sizeof(anim_group));
    printf("animation size [%d]\n", (int)sizeof(animation));
}

}  // namespace

startup::startup() : framerate() {}

void startup::open_mixer() const {
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 8192) < 0) {
        printf("Warning: Couldn't set 44100 Hz 16-bit audio\n- Reason: %s\n", SDL_GetError());
    }
}

// The SDL 1.2 interface is served by the classic library or by a layer over
// SDL2; a log from a player's machine should say which one it ran on.
void startup::print_sdl_version() const {
    const SDL_version* linked = SDL_Linked_Version();
    printf("SDL version [%d.%d.%d]\n", linked->major, linked->minor, linked->patch);
}

// No window, no sound, no joystick and no waiting: SDL's dummy video
// driver gives the match a surface to draw on that nobody sees.
void startup::go_headless() const {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    platform::use_frame_clock();
    screen.painting = false;
}

void startup::print_resolution() const {
    if (!screen.surface) return;
    printf("Resolution: asked for [%d,%d@%d] got [%d,%d@%d]\n", game_settings.width, game_settings.height,
           game_settings.bpp, screen.surface->w, screen.surface->h, screen.surface->format->BitsPerPixel);
}

int startup::run() {
    atexit(SDL_Quit);
    print_sdl_version();
    enter_data_tree(options.data_folder());
    print_type_sizes();
    ini.load("game/game.ini");
    screen.video_flags = SDL_HWSURFACE | SDL_DOUBLEBUF;
    game_settings.read(ini);
    if (!options.config_folder().empty()) player_settings.use_folder(options.config_folder());
    player_settings.read(game_settings);
    options.apply(game_settings);
    if (game_settings.fullscreen) screen.video_flags |= SDL_FULLSCREEN;
    if (options.headless) {
        go_headless();
    } else {
        screen.init_audio();
        screen.init_joysticks(2);
        open_mixer();
    }
    player_settings.apply_volumes();
    if (game_settings.hwaccel) screen.video_flags |= SDL_OPENGL;
    screen.set_video_mode(game_settings.width, game_settings.height, game_settings.bpp);
    print_resolution();
    if (game_settings.fullscreen) screen.show_cursor(SDL_DISABLE);
    if (!screen.video_ok) return 0;
    platform::watch_fullscreen_switch();
    SDL_initFramerate(&framerate);
    SDL_setFramerate(&framerate, game_settings.menu_rate());
    return 1;
}

void startup::shut_down() const {
    printf("Cleaning Image_Manager Cache\n");
    Image_Manager.clean();
    printf("Done\n");
    if (screen.audio_ok) {
        Mix_FadeOutChannel(-1, 1000);
        Mix_FadeOutMusic(1000);
        platform::delay(1000);
    }
}
