#ifndef SHELL_MATCH_REQUEST_H
#define SHELL_MATCH_REQUEST_H

#include <SDL/SDL_framerate.h>

#include <string>
#include <vector>

// What the screen flow hands to a match once a mode and the fighters are
// chosen.
struct match_request {
    enum { ARCADE = 1, VERSUS = 2, SURVIVAL = 3, DEMO = 4, TRAINING = 5 };
    enum difficulty { EASY = 0, NORMAL = 1, HARD = 2 };

    match_request()
        : mode(ARCADE),
          reqwins(3),
          first_choice(0),
          second_choice(0),
          framerate(nullptr),
          fps(60),
          cancelled(false),
          seed_given(false),
          seed(0),
          headless(false),
          synctest_frames(0),
          round_seconds(0),
          cpu_difficulty(NORMAL),
          infinite_life_left(false),
          infinite_life_right(false),
          one_hit_knock_outs(false) {}

    int mode;
    // A fighter needs reqwins + 1 round wins; 0 in survival.
    int reqwins;
    // Index into fighter_files of the right fighter (arrow keys, "p1" map).
    int first_choice;
    // Index of the left fighter (letter keys in versus, else the CPU).
    int second_choice;
    std::vector<std::string> fighter_files;
    FPSmanager* framerate;
    int fps;
    // A player left a character selection: no match, back to the menu.
    bool cancelled;
    // The CPU's random generator starts from `seed` when one was given,
    // else from the clock when the series starts.
    bool seed_given;
    Uint32 seed;
    // No window, no sound, no waiting for the frame rate.
    bool headless;
    // Frames each sync-test rollback goes back; 0 runs no sync test.
    int synctest_frames;
    // Where the series is recorded to, or replayed from; empty for neither.
    std::string record_path;
    std::string replay_path;
    // Seconds a round lasts before time runs out; 0: no limit.
    int round_seconds;
    // How often and how soon the computer acts; NORMAL is its own pace.
    int cpu_difficulty;
    // Cheats; a series played with one shows it by the life bars.
    bool infinite_life_left;
    bool infinite_life_right;
    bool one_hit_knock_outs;
};

#endif
