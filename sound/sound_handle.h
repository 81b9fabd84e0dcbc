#ifndef SOUND_SOUND_HANDLE_H
#define SOUND_SOUND_HANDLE_H

#include <SDL/SDL_mixer.h>

// One loaded sound effect. `refs` comes first for ref_ptr. Copies share the
// chunk, which belongs to the record in the sound cache and stays loaded for
// the whole run; a copy's destruction never frees it. The record that loaded
// the chunk frees it when it goes: the cache's record, at the end of the
// program, after the shut-down has faded every channel out.
class sound_handle {
public:
    sound_handle() : refs(0), chunk(nullptr), owns_chunk(false) {}
    sound_handle(const sound_handle& other) : refs(other.refs), chunk(other.chunk), owns_chunk(false) {}
    sound_handle& operator=(const sound_handle& other);
    ~sound_handle();

    Mix_Chunk* load(const char* path);
    // Nothing happens when the effect failed to load.
    void play(int channel, int loops) const;

    int refs;
    Mix_Chunk* chunk;

private:
    void free_own_chunk();

    bool owns_chunk;
};

#endif
