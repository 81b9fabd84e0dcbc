#include "shell/user_settings.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "config/config_file.h"
#include "input/control_maps.h"
#include "input/input_code.h"
#include "input/key_rebinding.h"
#include "shell/main_menu.h"
#include "shell/match_request.h"
#include "shell/settings.h"
#include "sound/volume.h"

const int user_settings::round_times[ROUND_TIMES] = {0, 30, 60, 99};

namespace {

const char* const FILE_NAME = "settings.ini";
const char* const FOLDER_NAME = "quillmoor";
const char* const KEY_NAMES[key_rebinding::SLOTS] = {"up", "down", "left", "right", "punch", "kick"};
enum { MAX_DIGITS = 9, KEY_FIELD = 32 };

// A whole decimal number, nothing else: atoi would read "6O" as 6 and a
// word as 0, and a damaged file must not pass for a choice.
bool read_number(const char* text, int* value) {
    const char* digit = text[0] == '-' ? text + 1 : text;
    const size_t length = strlen(digit);
    if (length == 0 || length > MAX_DIGITS) return false;
    for (size_t i = 0; i < length; i++) {
        if (digit[i] < '0' || digit[i] > '9') return false;
    }
    *value = atoi(text);
    return true;
}

void key_of(int player, int which, char* out) {
    snprintf(out, KEY_FIELD, "p%d_%s", player, KEY_NAMES[which]);
}

// Every missing folder on the way, as mkdir -p does.
bool make_folders(const std::string& folder) {
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) return true;
    }
}

// The mode table's round wins, counted as a player counts them: a series
// asking for reqwins wins needs one more.
int default_rounds_to_win() {
    const menu_mode* arcade = main_menu::mode_for(0);
    return arcade ? arcade->reqwins + 1 : 1;
}

}  // namespace

user_settings::user_settings()
    : rounds_to_win(default_rounds_to_win()),
      round_seconds(0),
      cpu_difficulty(match_request::NORMAL),
      music_volume(volume::STEPS),
      effects_volume(volume::STEPS),
      width(0),
      height(0),
      fullscreen(0),
      hwaccel(0),
      fps(0),
      infinite_life_left(false),
      infinite_life_right(false),
      one_hit_knock_outs(false),
      file_path(default_folder() + "/" + FILE_NAME) {}

std::string user_settings::default_folder() {
    const char* config_home = getenv("XDG_CONFIG_HOME");
    if (config_home && config_home[0] == '/') return std::string(config_home) + "/" + FOLDER_NAME;
    const char* home = getenv("HOME");
    return std::string(home ? home : ".") + "/.config/" + FOLDER_NAME;
}

void user_settings::use_folder(const std::string& folder) { file_path = folder + "/" + FILE_NAME; }

void user_settings::warn_damaged(const char* key, const char* value, int kept) const {
    printf("WARNING: Settings [%s]: [%s=%s] can't be read, keeping [%d]\n", file_path.c_str(), key, value, kept);
}

bool user_settings::take(const config_file& file, const char* key, int low, int high, int* value) const {
    if (!file.has_key(key)) return false;
    const char* text = file.get_string(key);
    int read = 0;
    if (!read_number(text, &read) || read < low || read > high) {
        warn_damaged(key, text, *value);
        return false;
    }
    *value = read;
    return true;
}

void user_settings::read_values(const config_file& file) {
    take(file, "rounds_to_win", MIN_ROUNDS, MAX_ROUNDS, &rounds_to_win);
    int seconds = round_seconds;
    if (take(file, "round_seconds", 0, round_times[ROUND_TIMES - 1], &seconds)) {
        bool offered = false;
        for (const int each : round_times) offered = offered || each == seconds;
        if (offered) round_seconds = seconds;
        else warn_damaged("round_seconds", file.get_string("round_seconds"), round_seconds);
    }
    take(file, "cpu_difficulty", match_request::EASY, match_request::HARD, &cpu_difficulty);
    take(file, "music_volume", 0, volume::STEPS, &music_volume);
    take(file, "effects_volume", 0, volume::STEPS, &effects_volume);
    take(file, "width", 1, settings::MAX_SIDE, &width);
    take(file, "height", 1, settings::MAX_SIDE, &height);
    take(file, "fullscreen", 0, 1, &fullscreen);
    take(file, "hwaccel", 0, 1, &hwaccel);
    take(file, "fps", settings::MIN_FPS, settings::MAX_FPS, &fps);
    bool* const cheats[] = {&infinite_life_left, &infinite_life_right, &one_hit_knock_outs};
    const char* const cheat_keys[] = {"infinite_life_left", "infinite_life_right", "one_hit_knock_outs"};
    for (int i = 0; i < 3; i++) {
        int on = *cheats[i] ? 1 : 0;
        if (take(file, cheat_keys[i], 0, 1, &on)) *cheats[i] = on != 0;
    }
}

// A player's keys count only as a whole layout that does nothing twice with
// the other player's: one damaged key would otherwise leave a fighter
// without a move, or two controls on one key.
void user_settings::read_keys(const config_file& file) {
    key_layout layouts[2] = {keys_of_player(1), keys_of_player(2)};
    bool damaged[2] = {false, false};
    for (int player = 1; player <= 2; player++) {
        for (int which = 0; which < key_rebinding::SLOTS; which++) {
            char key[KEY_FIELD];
            key_of(player, which, key);
            if (!file.has_key(key)) continue;
            key_layout& layout = layouts[player - 1];
            const int before = key_rebinding::key_in(layout, which);
            int code = before;
            std::string refusal;
            if (!take(file, key, 1, input_code::END - 1, &code)) {
                damaged[player - 1] = true;
            } else if (!key_rebinding::can_bind(player, code, &refusal)) {
                warn_damaged(key, file.get_string(key), before);
                damaged[player - 1] = true;
            } else {
                key_rebinding::set_key_in(layout, which, code);
            }
        }
    }
    for (int player = 1; player <= 2; player++) {
        if (damaged[player - 1]) layouts[player - 1] = keys_of_player(player);
    }
    if (!key_rebinding::layouts_apart(layouts[0], layouts[1])) {
        printf("WARNING: Settings [%s]: a key does two things, using the default keys\n", file_path.c_str());
        key_rebinding::restore_defaults();
        return;
    }
    set_keys_of_player(1, layouts[0]);
    set_keys_of_player(2, layouts[1]);
}

void user_settings::read(settings& screen_settings) {
    width = screen_settings.width;
    height = screen_settings.height;
    fullscreen = screen_settings.fullscreen ? 1 : 0;
    hwaccel = screen_settings.hwaccel ? 1 : 0;
    fps = screen_settings.fps;
    struct stat found;
    if (stat(file_path.c_str(), &found) != 0 && errno == ENOENT) {
        printf("Settings [%s] not written yet, using the defaults\n", file_path.c_str());
        return;
    }
    config_file file;
    if (!S_ISREG(found.st_mode) || !file.load(file_path.c_str())) {
        printf("WARNING: Settings [%s] can't be read, using the defaults\n", file_path.c_str());
        return;
    }
    printf("Settings [%s]\n", file_path.c_str());
    read_values(file);
    read_keys(file);
    screen_settings.width = width;
    screen_settings.height = height;
    screen_settings.fullscreen = fullscreen;
    screen_settings.hwaccel = hwaccel;
    screen_settings.fps = fps;
}

bool user_settings::write() const {
    const size_t slash = file_path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : file_path.substr(0, slash);
    const std::string temporary = file_path + ".new";
    FILE* out = make_folders(folder) ? fopen(temporary.c_str(), "w") : nullptr;
    if (!out) {
        printf("ERROR: Can't write settings [%s]: %s\n", file_path.c_str(), strerror(errno));
        return false;
    }
    fprintf(out, "rounds_to_win=%d\nround_seconds=%d\ncpu_difficulty=%d\n", rounds_to_win, round_seconds,
            cpu_difficulty);
    fprintf(out, "music_volume=%d\neffects_volume=%d\n", music_volume, effects_volume);
    fprintf(out, "width=%d\nheight=%d\nfullscreen=%d\nhwaccel=%d\nfps=%d\n", width, height, fullscreen, hwaccel, fps);
    fprintf(out, "infinite_life_left=%d\ninfinite_life_right=%d\none_hit_knock_outs=%d\n", infinite_life_left ? 1 : 0,
            infinite_life_right ? 1 : 0, one_hit_knock_outs ? 1 : 0);
    for (int player = 1; player <= 2; player++) {
        for (int which = 0; which < key_rebinding::SLOTS; which++) {
            char key[KEY_FIELD];
            key_of(player, which, key);
            fprintf(out, "%s=%d\n", key, key_rebinding::key_in(keys_of_player(player), which));
        }
    }
    // The data must be on the disk before the rename makes it the file.
    const bool written = fflush(out) == 0 && fsync(fileno(out)) == 0 && !ferror(out);
    const int reason = errno;
    const bool closed = fclose(out) == 0;
    if (!written || !closed || rename(temporary.c_str(), file_path.c_str()) != 0) {
        printf("ERROR: Can't write settings [%s]: %s\n", file_path.c_str(), strerror(written ? errno : reason));
        unlink(temporary.c_str());
        return false;
    }
    printf("Settings written to [%s]\n", file_path.c_str());
    return true;
}

void user_settings::apply_volumes() const {
    volume::set_music_step(music_volume);
    volume::set_effects_step(effects_volume);
}

void user_settings::fill(match_request& request) const {
    // Survival asks for no round wins: it ends with the player's first loss.
    if (request.reqwins > 0) request.reqwins = rounds_to_win - 1;
    request.round_seconds = round_seconds;
    request.cpu_difficulty = cpu_difficulty;
    request.infinite_life_left = infinite_life_left;
    request.infinite_life_right = infinite_life_right;
    request.one_hit_knock_outs = one_hit_knock_outs;
}
