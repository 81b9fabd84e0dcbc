#ifndef REPLAY_CHECKSUM64_H
#define REPLAY_CHECKSUM64_H

#include <SDL/SDL.h>

#include <cstddef>

// A 64-bit running checksum (FNV-1a): the data tree's and a replay file's
// own. Not a guard against tampering, only against other or damaged bytes.
class checksum64 {
public:
    checksum64() : state(OFFSET_BASIS) {}

    void add(const void* bytes, size_t size) {
        const Uint8* byte = static_cast<const Uint8*>(bytes);
        for (size_t i = 0; i < size; i++) state = (state ^ byte[i]) * PRIME;
    }
    Uint64 value() const { return state; }

private:
    static const Uint64 OFFSET_BASIS = 0xcbf29ce484222325ULL;
    static const Uint64 PRIME = 0x100000001b3ULL;
    Uint64 state;
};

#endif
