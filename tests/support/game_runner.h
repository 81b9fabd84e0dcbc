#ifndef TESTS_SUPPORT_GAME_RUNNER_H
#define TESTS_SUPPORT_GAME_RUNNER_H

#include <string>
#include <vector>

// Runs the real game as a player meets it: in its own X server (Xvfb) with a
// private copy of the data tree and a chosen game/game.ini, driven by a key
// script through xdotool, with screenshots taken along the way.
//
// Key script, one command a line:
//   wait S            sleep S seconds (fractions allowed)
//   key K             press and release K (held 0.15 s)
//   hold K S          hold K for S seconds
//   down K / up K     press / release K
//   shot NAME         screenshot of the whole X screen to NAME.png
//   wait_log S TEXT   wait up to S seconds until the log holds TEXT (the rest of the line)
//   wait_logn S N TEXT  wait up to S seconds until N log lines hold TEXT
//   tap_until S K TEXT  tap K until the last "cursor [" log line holds TEXT
//   press_until S K N TEXT  tap K briefly until N log lines hold TEXT
//   soak S            keep demo matches running for S seconds, sampling the
//                     resident memory once a minute into memory.txt
// Key names are X keysyms: Return, Escape, Left, space, a, Tab ...
struct game_run_options {
    std::string label = "run";         // names the run's folder
    std::string program = "brawler";   // or "brawler_scaled"; a path from / runs that program
    std::string arguments;             // the program's command line, split at spaces
    bool write_ini = true;             // false: the tree has no game/game.ini
    std::string game_ini;              // contents of game/game.ini
    std::string key_script;
    int timeout_seconds = 30;          // the game is killed after this
    bool use_xvfb = true;              // false: SDL's dummy video driver
    std::string audio_file;            // set: the mixer's output goes to this file
    std::string prepare;               // shell commands run in the run folder first
    std::string environment;           // extra VAR=value words for the program
};

struct game_run_result {
    int exit_status = -1;              // the program's exit status; -1 when killed
    bool timed_out = false;
    std::string out;                   // standard output
    std::string err;                   // standard error
    std::string run_dir;               // where the screenshots and logs stay
    std::vector<std::string> screenshots;
    std::string runner_log;            // the key script's own complaints (timeouts)

    bool log_has(const std::string& text) const { return out.find(text) != std::string::npos; }
    // Names the run folder in a failure message.
    std::string where() const { return " (run folder " + run_dir + ")"; }
    int log_count(const std::string& text) const;
};

game_run_result run_game(const game_run_options& options);

// Key-script pieces: from the main menu into a demo match; out of a match
// back to the menu and out of the game.
extern const char* const SCRIPT_START_DEMO;
extern const char* const SCRIPT_LEAVE_MATCH_AND_QUIT;

// One of the four ways the game runs: either program, on the surface path
// or on OpenGL. GAME_VARIANTS lists all four for parameterised tests.
struct game_variant {
    const char* program;
    bool gl;

    // "brawler_surface", "brawler_scaled_gl", ...: names tests and run folders.
    std::string name() const { return std::string(program) + (gl ? "_gl" : "_surface"); }
    std::string game_ini() const { return gl ? "hwaccel=1\n" : "hwaccel=0\n"; }
};
extern const game_variant GAME_VARIANTS[4];

// A rectangle on the X screen.
struct screen_area {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// A PNG shot of the whole X screen as RGB rows, with where the game's window
// lay on it (read from the NAME.window file the key script writes beside
// NAME.png; the whole screen when there is none). Rectangles are given in
// the window's own coordinates, so a test reads the picture wherever the
// library opened the window.
struct screenshot {
    int width = 0;
    int height = 0;
    screen_area window;
    std::vector<unsigned char> rgb;
    // False when the picture can't be read.
    bool load(const std::string& path);
    // Share of pixels in the rectangle that are near the colour (0..1).
    double share_near(int x, int y, int w, int h, int r, int g, int b, int tolerance) const;
    // Number of distinct colours (quantised) in the rectangle: a blank screen has 1.
    int colour_variety(int x, int y, int w, int h) const;
    // Share of the screen's pixels outside `area` that are near the colour.
    double share_near_outside(const screen_area& area, int r, int g, int b, int tolerance) const;

  private:
    bool is_near(int column, int row, int r, int g, int b, int tolerance) const;
};

#endif
