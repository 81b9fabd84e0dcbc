#ifndef SHELL_COMMAND_LINE_H
#define SHELL_COMMAND_LINE_H

#include <cstdio>
#include <string>

class settings;

// The options a player or a desktop entry gives the program. They override
// game/game.ini for this run only and are all checked before any window
// opens, so a mistyped option never leaves a half-started game behind.
class command_line {
public:
    // What main does after parse(): play, or leave with this exit status.
    enum outcome { PLAY = -1, EXIT_DONE = 0, EXIT_USAGE = 2 };
    enum { UNSET = -1, MAX_SIDE = 16384 };

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

    static void print_usage(FILE* out);

    int fullscreen;
    int width;
    int height;
    int hwaccel;

private:
    outcome take(const std::string& name, const char* value);
    bool take_size(const char* value);
    bool take_renderer(const char* value);
    bool take_config(const char* value);
    outcome refuse(const char* what, const std::string& detail) const;

    std::string data;
    std::string config;
};

#endif
