#include "shell/startup.h"

#include <SDL/SDL_mixer.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "gfx/image_cache.h"
#include "shell/data_tree.h"
#include "shell/platform.h"
#include "shell/screen_mgr.h"

startup::startup() : framerate() {}

void startup::open_mixer() const {
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 8192) < 0) {
        printf("Warning: Couldn't set 44100 Hz 16-bit audio\n- Reason: %s\n", SDL_GetError());
    }
}

void startup::print_resolution() const {
    if (!screen.surface) return;
    printf("Resolution: asked for [%d,%d@%d] got [%d,%d@%d]\n", game_settings.width, game_settings.height,
           game_settings.bpp, screen.surface->w, screen.surface->h, screen.surface->format->BitsPerPixel);
}

int startup::run() {
    atexit(SDL_Quit);
    enter_data_tree();
    srand((unsigned)time(nullptr));
    ini.load("game/game.ini");
    screen.video_flags = SDL_HWSURFACE | SDL_DOUBLEBUF;
    game_settings.read(ini);
    if (game_settings.fullscreen) screen.video_flags |= SDL_FULLSCREEN;
    screen.init_audio();
    screen.init_joysticks(2);
    open_mixer();
    if (game_settings.hwaccel) screen.video_flags |= SDL_OPENGL;
    screen.set_video_mode(game_settings.width, game_settings.height, game_settings.bpp);
    print_resolution();
    if (game_settings.fullscreen) screen.show_cursor(SDL_DISABLE);
    if (!screen.video_ok) return 0;
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
