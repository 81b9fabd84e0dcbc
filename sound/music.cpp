#include "sound/music.h"

#include <cstdio>

#include "platform/platform.h"
#include "platform/screen_mgr.h"
#include "sound/volume.h"

namespace music {

Mix_Music* load(const char* path) {
    Mix_Music* loaded = Mix_LoadMUS(path);
    if (!loaded) printf("Mix_LoadMUS [%s]: %s\n", path, SDL_GetError());
    return loaded;
}

namespace {

const int FADE_MS = 1000;

bool can_play(const Mix_Music* tune) { return screen.audio_ok == 1 && tune != nullptr; }

}  // namespace

void set_level() { Mix_VolumeMusic(volume::music_level()); }

void fade_in_intro(Mix_Music* intro) {
    if (!can_play(intro)) return;
    set_level();
    Mix_FadeInMusic(intro, 0, FADE_MS);
}

void start_loop(Mix_Music* loop) {
    if (!can_play(loop)) return;
    set_level();
    Mix_PlayMusic(loop, -1);
}

void keep_looping(Mix_Music* loop) {
    if (can_play(loop) && !Mix_PlayingMusic()) start_loop(loop);
}

void fade_out_all() {
    if (screen.audio_ok != 1) return;
    Mix_FadeOutChannel(-1, FADE_MS);
    Mix_FadeOutMusic(FADE_MS);
    platform::delay(FADE_MS);
}

}  // namespace music
