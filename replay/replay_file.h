#ifndef REPLAY_REPLAY_FILE_H
#define REPLAY_REPLAY_FILE_H

#include <string>
#include <vector>

#include "input/frame_input.h"

// What a series was played with, besides its inputs: everything that decides
// play, so that the replay plays the same series again.
struct replay_header {
    enum { NAME_LIMIT = 32 };
    enum cheat_bits { INFINITE_LIFE_LEFT = 1, INFINITE_LIFE_RIGHT = 2, ONE_HIT_KNOCK_OUTS = 4 };

    replay_header();

    std::string game_version;  // the program that recorded it
    int mode;
    int reqwins;
    std::string first_fighter;   // the right fighter, the first player's
    std::string second_fighter;  // the left fighter
    Uint32 seed;
    int fps;
    int width;   // the screen's size: the floor and the camera follow it
    int height;
    int round_seconds;
    int cpu_difficulty;
    int cheats;  // cheat_bits
    Uint64 data_checksum;  // of the data files that decide play
};

// A recorded series: its header, the inputs of every frame and the match's
// checksum after the last one. save() writes it whole; load() reads a file
// through a bounded parser and says in plain words why it refuses one.
class replay_file {
public:
    enum { FORMAT_VERSION = 1 };
    // A day of play at 60 frames a second: more is no series, only a
    // damaged count.
    enum { MAX_FRAMES = 24 * 60 * 60 * 60 };

    replay_file();

    // false, with the reason, when the file could not be written whole.
    bool save(const char* path, std::string* reason) const;
    bool load(const char* path, std::string* reason);
    // The same on bytes in memory.
    std::vector<Uint8> encode() const;
    bool decode(const Uint8* bytes, size_t size, std::string* reason);

    replay_header header;
    std::vector<frame_input> frames;
    Uint64 final_checksum;
};

#endif
