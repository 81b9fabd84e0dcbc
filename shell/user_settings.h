#ifndef SHELL_USER_SETTINGS_H
#define SHELL_USER_SETTINGS_H

#include <string>

class config_file;
class settings;
struct match_request;

// What a player chooses on the option screens, kept between runs in
// settings.ini of the player's configuration folder
// ($XDG_CONFIG_HOME/quillmoor, else ~/.config/quillmoor, or the folder given
// with --config). game/game.ini stays the defaults: the file holds only the
// player's own choices over it, in the same key=value format.
//
// The player's keys live in the control layouts (keys_of_player); this
// record reads them from the file into the layouts and writes them back.
class user_settings {
public:
    enum {
        MIN_ROUNDS = 1,
        MAX_ROUNDS = 5,
        ROUND_TIMES = 4,
        DIFFICULTIES = 3,
    };
    // The round time choices in seconds; 0 is no limit.
    static const int round_times[ROUND_TIMES];

    user_settings();

    // Where the file is read from and written to.
    void use_folder(const std::string& folder);
    static std::string default_folder();
    const std::string& path() const { return file_path; }

    // Takes game/game.ini's screen settings as the defaults, reads the file
    // over them and gives the screen settings back. A missing file leaves
    // every default; a damaged one keeps what it holds that can be read,
    // with a line for each part that can't.
    void read(settings& screen_settings);
    // The whole record, to a temporary file renamed over the old one: a
    // crash leaves the old file or the new one, never half of one. False,
    // with a line saying why, when it can't be written.
    bool write() const;

    // Music and effect levels to the mixer.
    void apply_volumes() const;
    // The choices a series is played with.
    void fill(match_request& request) const;

    int rounds_to_win;
    int round_seconds;
    int cpu_difficulty;
    int music_volume;
    int effects_volume;
    int width;
    int height;
    int fullscreen;
    int hwaccel;
    int fps;
    bool infinite_life_left;
    bool infinite_life_right;
    bool one_hit_knock_outs;

private:
    void read_values(const config_file& file);
    void read_keys(const config_file& file);
    bool take(const config_file& file, const char* key, int low, int high, int* value) const;
    void warn_damaged(const char* key, const char* value, int kept) const;

    std::string file_path;
};

#endif
