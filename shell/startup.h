#ifndef SHELL_STARTUP_H
#define SHELL_STARTUP_H

#include <SDL/SDL_framerate.h>

#include "config/config_file.h"
#include "shell/command_line.h"
#include "shell/settings.h"
#include "shell/user_settings.h"

// The first and last steps of the program: settings, audio, joysticks, mixer,
// video mode and frame pacing; and the orderly shut-down.
class startup {
public:
    startup();

    // Returns 1 when a video mode was set and the screens can run.
    int run();
    void shut_down() const;

    // Filled by main before run(); applied over game/game.ini.
    command_line options;
    config_file ini;
    settings game_settings;
    // The player's choices from the option screens, read over game/game.ini.
    user_settings player_settings;
    FPSmanager framerate;

private:
    void open_mixer() const;
    void go_headless() const;
    void print_resolution() const;
    void print_sdl_version() const;
};

#endif
