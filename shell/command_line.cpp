#include "shell/command_line.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>

#include "shell/data_tree.h"
#include "shell/main_menu.h"
#include "shell/match_request.h"
#include "shell/roster.h"
#include "shell/screen_flow.h"
#include "shell/settings.h"

#ifndef BRAWLER_VERSION
#define BRAWLER_VERSION "unknown"
#endif

namespace {

const char* const GAME_NAME = "QuillmooR";

// Options that take a value, as "--name VALUE" or "--name=VALUE".
bool takes_value(const std::string& name) {
    return name == "--size" || name == "--renderer" || name == "--data" || name == "--config" ||
           name == "--mode" || name == "--fighters" || name == "--seed" || name == "--synctest" ||
           name == "--record" || name == "--replay";
}

const size_t MAX_DIGITS = 10;

// A whole decimal number in [low, high]; nothing else (no sign, no spaces).
bool read_number(const char* text, size_t length, Uint32 low, Uint32 high, Uint32* number) {
    if (length == 0 || length > MAX_DIGITS) return false;
    Uint64 value = 0;
    for (size_t i = 0; i < length; i++) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (Uint64)(text[i] - '0');
    }
    if (value < low || value > high) return false;
    *number = (Uint32)value;
    return true;
}

bool read_side(const char* text, size_t length, int limit, int* side) {
    Uint32 value = 0;
    if (!read_number(text, length, 1, (Uint32)limit, &value)) return false;
    *side = (int)value;
    return true;
}

std::string mode_names() {
    std::string names;
    for (int entry = 0; main_menu::mode_for(entry); entry++) {
        names += (entry > 0 ? ", " : "") + std::string(main_menu::entry_texts[entry]);
    }
    return names;
}

std::string fighter_names() {
    std::string names;
    for (int choice = 0; choice < ROSTER_SIZE; choice++) {
        names += (choice > 0 ? ", " : "") + screen_flow::roster_name(choice);
    }
    return names;
}

// The game changes into its data tree before a series is recorded or
// replayed: a path given on the command line means the folder it was given in.
std::string from_start_folder(const char* path) {
    if (path[0] == '/') return path;
    char here[PATH_MAX];
    if (!getcwd(here, sizeof(here))) return path;
    return std::string(here) + "/" + path;
}

}  // namespace

command_line::command_line()
    : fullscreen(UNSET),
      width(UNSET),
      height(UNSET),
      hwaccel(UNSET),
      fps(UNSET),
      mode(UNSET),
      first_choice(0),
      second_choice(0),
      headless(false),
      seed_given(false),
      seed(0),
      synctest_frames(0),
      fighters_given(false) {}

const char* command_line::game_version() { return BRAWLER_VERSION; }

void command_line::print_usage(FILE* out) {
    fprintf(out,
            "Usage: brawler [OPTION]...\n"
            "A one-on-one fighting game. Options override game/game.ini for this run.\n"
            "\n"
            "  --fullscreen          play in full screen\n"
            "  --windowed            play in a window\n"
            "  --size WxH            screen size in pixels, e.g. 800x600\n"
            "  --renderer NAME       draw with 'surface' (plain SDL) or 'opengl'\n"
            "  --data DIR            use the data tree (game/, rsrc/) in DIR\n"
            "  --config DIR          read and write the player's settings in DIR\n"
            "  --mode MODE           play one series at once and quit when it ends\n"
            "                        (%s)\n"
            "  --fighters NAME,NAME  the fighters of that series, the first player's first\n"
            "                        (%s; the first by default)\n"
            "  --seed N              start the computer's choices from N (0-4294967295)\n"
            "  --synctest N          check every frame by rolling back N frames (1-8)\n"
            "  --record FILE         write each series played into the replay FILE\n"
            "  --replay FILE         show the series recorded in FILE again and quit\n"
            "  --headless            run the series or replay without a window, sound or\n"
            "                        waiting: as fast as the processor allows\n"
            "  --help                show this help and exit\n"
            "  --version             show the version and exit\n"
            "\n"
            "Alt+Return switches between window and full screen while playing.\n",
            mode_names().c_str(), fighter_names().c_str());
}

command_line::outcome command_line::refuse(const char* what, const std::string& detail) const {
    fprintf(stderr, "brawler: %s '%s'\n", what, detail.c_str());
    print_usage(stderr);
    return EXIT_USAGE;
}

bool command_line::take_size(const char* value) {
    const char* cross = strchr(value, 'x');
    if (!cross) return false;
    int new_width = 0, new_height = 0;
    if (!read_side(value, (size_t)(cross - value), MAX_SIDE, &new_width)) return false;
    if (!read_side(cross + 1, strlen(cross + 1), MAX_SIDE, &new_height)) return false;
    width = new_width;
    height = new_height;
    return true;
}

bool command_line::take_renderer(const char* value) {
    if (strcmp(value, "surface") == 0) {
        hwaccel = 0;
    } else if (strcmp(value, "opengl") == 0) {
        hwaccel = 1;
    } else {
        return false;
    }
    return true;
}

// The game moves into its data tree before it reads the settings.
bool command_line::take_config(const char* value) {
    if (value[0] == '\0') return false;
    config = from_start_folder(value);
    return true;
}

bool command_line::take_mode(const char* value) {
    for (int entry = 0; main_menu::mode_for(entry); entry++) {
        if (strcmp(value, main_menu::entry_texts[entry]) != 0) continue;
        mode = main_menu::mode_for(entry)->mode;
        return true;
    }
    return false;
}

// "first" or "first,second"; an unnamed fighter is the roster's first.
bool command_line::take_fighters(const char* value) {
    const char* comma = strchr(value, ',');
    const std::string first = comma ? std::string(value, (size_t)(comma - value)) : std::string(value);
    const std::string second = comma ? std::string(comma + 1) : std::string();
    const int first_index = screen_flow::roster_choice(first);
    const int second_index = comma ? screen_flow::roster_choice(second) : 0;
    if (first_index < 0 || second_index < 0) return false;
    first_choice = first_index;
    second_choice = second_index;
    fighters_given = true;
    return true;
}

command_line::outcome command_line::take_series_option(const std::string& name, const char* value) {
    if (name == "--mode") return take_mode(value) ? PLAY : refuse("unknown mode:", value);
    if (name == "--fighters") return take_fighters(value) ? PLAY : refuse("unknown fighter in", value);
    if (name == "--seed") {
        seed_given = read_number(value, strlen(value), 0, 0xFFFFFFFFu, &seed);
        return seed_given ? PLAY : refuse("bad seed (want 0 to 4294967295):", value);
    }
    if (name == "--synctest") {
        Uint32 frames = 0;
        if (!read_number(value, strlen(value), 1, MAX_SYNCTEST_FRAMES, &frames)) {
            return refuse("bad sync test depth (want 1 to 8 frames):", value);
        }
        synctest_frames = (int)frames;
        return PLAY;
    }
    if (value[0] == '\0') return refuse("missing file name for", name);
    (name == "--record" ? record_path : replay_path) = from_start_folder(value);
    return PLAY;
}

// A replay plays what it recorded; a headless game has nobody at the menus.
command_line::outcome command_line::check_combination() const {
    if (!replay_path.empty() && (mode != UNSET || fighters_given || seed_given)) {
        return refuse("a replay plays its recorded mode, fighters and seed; leave out", "--mode, --fighters, --seed");
    }
    if (fighters_given && mode == UNSET) return refuse("choosing fighters needs", "--mode");
    if (headless && !starts_series()) return refuse("running headless needs a series:", "--mode or --replay");
    return PLAY;
}

command_line::outcome command_line::take(const std::string& name, const char* value) {
    if (name == "--size") return take_size(value) ? PLAY : refuse("bad size (want WxH, e.g. 800x600):", value);
    if (name == "--renderer") return take_renderer(value) ? PLAY : refuse("unknown renderer:", value);
    if (name == "--config") return take_config(value) ? PLAY : refuse("no folder named:", value);
    if (name != "--data") return take_series_option(name, value);
    if (!holds_data_tree(value)) return refuse("no data tree (game/ and rsrc/) in", value);
    data = value;
    return PLAY;
}

command_line::outcome command_line::parse(int argc, const char* const* argv) {
    for (int i = 1; i < argc; i++) {
        const std::string word = argv[i];
        const size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        if (word == "--help") {
            print_usage(stdout);
            return EXIT_DONE;
        }
        if (word == "--version") {
            printf("%s %s\n", GAME_NAME, game_version());
            return EXIT_DONE;
        }
        if (word == "--fullscreen" || word == "--windowed") {
            fullscreen = word == "--fullscreen" ? 1 : 0;
            continue;
        }
        if (word == "--headless") {
            headless = true;
            continue;
        }
        if (!takes_value(name)) return refuse("unknown option", word);
        const char* value = nullptr;
        if (equals != std::string::npos) {
            value = argv[i] + equals + 1;
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            return refuse("missing value for", word);
        }
        const outcome taken = take(name, value);
        if (taken != PLAY) return taken;
    }
    return check_combination();
}

void command_line::apply(settings& target) const {
    if (fullscreen != UNSET) target.fullscreen = fullscreen;
    if (width != UNSET) target.width = width;
    if (height != UNSET) target.height = height;
    if (hwaccel != UNSET) target.hwaccel = hwaccel;
    if (fps != UNSET) target.fps = fps;
    // Without a window there is nothing to draw OpenGL into and no screen
    // to fill.
    if (headless) {
        target.hwaccel = 0;
        target.fullscreen = 0;
    }
}

void command_line::fill(match_request& request) const {
    request.seed_given = seed_given;
    request.seed = seed;
    request.headless = headless;
    request.synctest_frames = synctest_frames;
    request.record_path = record_path;
    request.replay_path = replay_path;
}
