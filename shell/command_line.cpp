#include "shell/command_line.h"

#include <cstdlib>
#include <cstring>
#include <climits>
#include <unistd.h>

#include "shell/data_tree.h"
#include "shell/settings.h"

#ifndef BRAWLER_VERSION
#define BRAWLER_VERSION "unknown"
#endif

namespace {

const char* const GAME_NAME = "QuillmooR";

// Options that take a value, as "--name VALUE" or "--name=VALUE".
bool takes_value(const std::string& name) {
    return name == "--size" || name == "--renderer" || name == "--data" || name == "--config";
}

// A whole decimal number in [1, limit]; nothing else (no sign, no spaces).
bool read_side(const char* text, size_t length, int limit, int* side) {
    if (length == 0 || length > 5) return false;
    int value = 0;
    for (size_t i = 0; i < length; i++) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    if (value < 1 || value > limit) return false;
    *side = value;
    return true;
}

}  // namespace

command_line::command_line() : fullscreen(UNSET), width(UNSET), height(UNSET), hwaccel(UNSET) {}

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
            "  --help                show this help and exit\n"
            "  --version             show the version and exit\n"
            "\n"
            "Alt+Return switches between window and full screen while playing.\n");
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

// The game moves into its data tree before it reads the settings: a
// relative folder is taken from where the player started it.
bool command_line::take_config(const char* value) {
    if (value[0] == '\0') return false;
    config = value;
    if (value[0] == '/') return true;
    char here[PATH_MAX];
    if (!getcwd(here, sizeof(here))) return false;
    config = std::string(here) + "/" + value;
    return true;
}

command_line::outcome command_line::take(const std::string& name, const char* value) {
    if (name == "--size") return take_size(value) ? PLAY : refuse("bad size (want WxH, e.g. 800x600):", value);
    if (name == "--renderer") return take_renderer(value) ? PLAY : refuse("unknown renderer:", value);
    if (name == "--config") return take_config(value) ? PLAY : refuse("no folder named:", value);
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
            printf("%s %s\n", GAME_NAME, BRAWLER_VERSION);
            return EXIT_DONE;
        }
        if (word == "--fullscreen" || word == "--windowed") {
            fullscreen = word == "--fullscreen" ? 1 : 0;
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
    return PLAY;
}

void command_line::apply(settings& target) const {
    if (fullscreen != UNSET) target.fullscreen = fullscreen;
    if (width != UNSET) target.width = width;
    if (height != UNSET) target.height = height;
    if (hwaccel != UNSET) target.hwaccel = hwaccel;
}
