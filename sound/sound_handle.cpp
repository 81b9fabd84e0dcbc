#include "sound/sound_handle.h"

#include <cstdio>

Mix_Chunk* sound_handle::load(const char* path) {
    printf("loading sfx [%s]\n", path);
    chunk = Mix_LoadWAV_RW(SDL_RWFromFile(path, "rb"), 1);
    if (!chunk) printf("Mix_LoadWAV: %s\n", SDL_GetError());
    return chunk;
}

void sound_handle::play(int channel, int loops) const {
    if (chunk) Mix_PlayChannelTimed(channel, chunk, loops, -1);
}
