#ifndef SOUND_SOUND_HANDLE_H
#define SOUND_SOUND_HANDLE_H

#include <SDL/SDL_mixer.h>

// One loaded sound effect. `refs` comes first for ref_ptr. Copies share the
// chunk, which belongs to the record in the sound cache and stays loaded for
// the whole run; a copy's destruction never frees it.
class sound_handle {
public:
    sound_handle() : refs(0), chunk(nullptr) {}

    Mix_Chunk* load(const char* path);
    // Nothing happens when the effect failed to load.
    void play(int channel, int loops) const;

    int refs;
    Mix_Chunk* chunk;
};

#endif
