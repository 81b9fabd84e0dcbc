#include "sound/sound_handle.h"

#include <cstdio>

sound_handle& sound_handle::operator=(const sound_handle& other) {
    if (this == &other) return *this;
    free_own_chunk();
    refs = other.refs;
    chunk = other.chunk;
    return *this;
}

sound_handle::~sound_handle() { free_own_chunk(); }

void sound_handle::free_own_chunk() {
    if (owns_chunk && chunk) Mix_FreeChunk(chunk);
    owns_chunk = false;
}

Mix_Chunk* sound_handle::load(const char* path) {
    printf("loading sfx [%s]\n", path);
    free_own_chunk();
    chunk = Mix_LoadWAV_RW(SDL_RWFromFile(path, "rb"), 1);
    if (!chunk) printf("Mix_LoadWAV: %s\n", SDL_GetError());
    owns_chunk = chunk != nullptr;
    return chunk;
}

void sound_handle::play(int channel, int loops) const {
    if (chunk) Mix_PlayChannelTimed(channel, chunk, loops, -1);
}
