#include "config/random_source.h"

#include "config/state_buffer.h"

namespace {

// The golden-ratio step and the two mixing multipliers of a well-known
// 64-bit finaliser: every seed, 0 included, gives a full-period sequence
// whose neighbouring seeds do not follow each other.
const Uint64 STEP = 0x9E3779B97F4A7C15ULL;
const Uint64 MIX_1 = 0xBF58476D1CE4E5B9ULL;
const Uint64 MIX_2 = 0x94D049BB133111EBULL;

}  // namespace

random_source::random_source() : state(0) {}

void random_source::seed(Uint64 value) { state = value; }

Uint32 random_source::next() {
    state += STEP;
    Uint64 mixed = state;
    mixed = (mixed ^ (mixed >> 30)) * MIX_1;
    mixed = (mixed ^ (mixed >> 27)) * MIX_2;
    mixed ^= mixed >> 31;
    return (Uint32)(mixed >> 32);
}

int random_source::below(int bound) {
    if (bound < 1) return 0;
    return (int)(next() % (Uint32)bound);
}

void random_source::save(state_buffer& out) const { out.put(state, "dice"); }

void random_source::restore(state_buffer& in) { in.get(state); }
