#ifndef REPLAY_DATA_CHECKSUM_H
#define REPLAY_DATA_CHECKSUM_H

#include <SDL/SDL.h>

// The checksum of the data files that decide play: the fighters, their
// moves and pictures (the pictures' boxes are the hit boxes) under
// game/fighter/, and the stage and every other picture under rsrc/. Sounds,
// music, fonts and the start-up settings decide nothing and are left out, so
// a replay plays on whatever settings the viewer has. Read from the working
// directory, which is the data tree.
class data_checksum {
public:
    static Uint64 of_data_tree();
};

#endif
