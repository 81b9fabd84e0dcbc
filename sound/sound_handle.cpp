#include "sound/sound_handle.h"

#include <cstdio>
#include <vector>

#include "platform/platform.h"
#include "sound/sound_levels.h"

namespace {

// A frame drawn again within one game frame (a rush afterimage, a dizzy
// ghost) would start its effect again at the same instant: the copies add
// up to one sound several times as loud, which clipped. An effect starts at
// most once in this many milliseconds, far less than a frame.
const Uint32 SAME_MOMENT_MS = 4;

struct effect_start {
    const Mix_Chunk* chunk;
    Uint32 at;
};
// The last start of each effect played so far; one entry per effect file.
std::vector<effect_start> last_starts;

// Records a start of `chunk` at `now`, unless it started a moment ago.
bool claim_start(const Mix_Chunk* chunk, Uint32 now) {
    for (effect_start& last : last_starts) {
        if (last.chunk != chunk) continue;
        if (now - last.at < SAME_MOMENT_MS) return false;
        last.at = now;
        return true;
    }
    last_starts.push_back(effect_start{chunk, now});
    return true;
}

}  // namespace

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
    // The level travels with the chunk, whichever channel plays it.
    if (chunk) Mix_VolumeChunk(chunk, sound_levels::EFFECT_VOLUME);
    owns_chunk = chunk != nullptr;
    return chunk;
}

void sound_handle::play(int channel, int loops) const {
    if (chunk && claim_start(chunk, platform::ticks())) Mix_PlayChannelTimed(channel, chunk, loops, -1);
}
