#ifndef CONFIG_RANDOM_SOURCE_H
#define CONFIG_RANDOM_SOURCE_H

#include <SDL/SDL.h>

class state_buffer;

// The computer's dice. A series seeds it once; from then on the draws
// depend on nothing but the seed and how many were made, so a match played
// again from the same seed and the same inputs takes the same turns. One
// 64-bit word of state, copied as it stands with the match.
class random_source {
public:
    random_source();

    void seed(Uint64 value);
    Uint32 next();
    // A draw in [0, bound); 0 for a bound below 1.
    int below(int bound);

    void save(state_buffer& out) const;
    void restore(state_buffer& in);

    Uint64 state;
};

#endif
