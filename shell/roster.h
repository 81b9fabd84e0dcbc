#ifndef SHELL_ROSTER_H
#define SHELL_ROSTER_H

// The fighters a player can choose, in the order the selection shows them:
// each one's definition file and its picture on the selection screen.
struct roster_entry {
    const char* fighter_file;
    const char* picture_file;
};

enum { ROSTER_SIZE = 4 };

extern const roster_entry ROSTER[ROSTER_SIZE];

#endif
