#ifndef SHELL_COMMAND_LINE_H
#define SHELL_COMMAND_LINE_H

#include <SDL/SDL.h>

#include <cstdio>
#include <string>

class settings;
struct match_request;

// The options a player or a desktop entry gives the program. They override
// game/game.ini for this run only and are all checked before any window
// opens, so a mistyped option never leaves a half-started game behind.
class command_line {
public:
    // What main does after parse(): play, or leave with this exit status.
    enum outcome { PLAY = -1, EXIT_DONE = 0, EXIT_USAGE = 2 };
    enum { UNSET = -1, MAX_SIDE = 16384, MAX_SYNCTEST_FRAMES = 8 };

    command_line();

    // Reads argv; prints the help or the version on standard output, or the
    // complaint and the usage on standard error.
    outcome parse(int argc, const char* const* argv);
    // Applies the options given on the command line over the file's values.
    void apply(settings& target) const;
    // The data tree named with --data, or nullptr to look for one.
    const char* data_folder() const { return data.empty() ? nullptr : data.c_str(); }
    // The folder named with --config (made absolute), or empty for the
    // player's own configuration folder.
    const std::string& config_folder() const { return config; }

    // A series named with --mode or --replay starts at once, without the
    // logo and the menus, and the program ends with it.
    bool starts_series() const { return mode != UNSET || !replay_path.empty(); }
    // Hands the seed, the sync test, recording and replaying to a series.
    void fill(match_request& request) const;

    static void print_usage(FILE* out);
    // This build's version, as --version tells it.
    static const char* game_version();

    int fullscreen;
    int width;
    int height;
    int hwaccel;
    // The match's frame rate; only a replay sets it, to the recorded one.
    int fps;
    // match_request's mode, or UNSET for the menus.
    int mode;
    // Roster indexes: the right fighter (first player) and the left one.
    int first_choice;
    int second_choice;
    bool headless;
    bool seed_given;
    Uint32 seed;
    int synctest_frames;
    // Absolute: the game moves into its data tree before it writes or reads.
    std::string record_path;
    std::string replay_path;

private:
    outcome take(const std::string& name, const char* value);
    bool take_size(const char* value);
    bool take_renderer(const char* value);
    bool take_config(const char* value);
    bool take_mode(const char* value);
    bool take_fighters(const char* value);
    outcome take_series_option(const std::string& name, const char* value);
    outcome check_combination() const;
    outcome refuse(const char* what, const std::string& detail) const;

    std::string data;
    std::string config;
    bool fighters_given;
};

#endif
