#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "input/control_maps.h"
#include "input/key_rebinding.h"
#include "shell/command_line.h"
#include "shell/settings.h"
#include "shell/user_settings.h"
#include "tests/shell/screen_size.h"
#include "tests/support/captured_log.h"

namespace {

// Each test has a settings folder of its own under the build tree; every
// test leaves the default keys behind.
class saved_settings : public testing::Test {
protected:
    void SetUp() override {
        folder = std::string(BRAWLER_BINARY_DIR) + "/test-settings/" +
                 testing::UnitTest::GetInstance()->current_test_info()->name();
        system(("rm -rf '" + folder + "'").c_str());
        SDL_InitSubSystem(SDL_INIT_VIDEO);
    }
    void TearDown() override { key_rebinding::restore_defaults(); }

    void write_file(const std::string& text) const {
        mkdir((std::string(BRAWLER_BINARY_DIR) + "/test-settings").c_str(), 0700);
        mkdir(folder.c_str(), 0700);
        std::ofstream(folder + "/settings.ini") << text;
    }
    std::string file_text() const {
        std::ifstream in(folder + "/settings.ini");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // Reads the folder's file over game/game.ini's screen settings and
    // returns the log it printed.
    std::string read_back(user_settings& chosen, settings& screen_settings) const {
        chosen.use_folder(folder);
        return captured_log([&] { chosen.read(screen_settings); });
    }

    std::string folder;
};

TEST_F(saved_settings, everything_written_is_found_again_after_a_restart) {
    user_settings chosen;
    chosen.use_folder(folder + "/not/there/yet");
    chosen.rounds_to_win = 2;
    chosen.round_seconds = 60;
    chosen.cpu_difficulty = 2;
    chosen.music_volume = 3;
    chosen.effects_volume = 0;
    chosen.width = 1024;
    chosen.height = 768;
    chosen.fullscreen = 1;
    chosen.hwaccel = 1;
    chosen.fps = 30;
    chosen.infinite_life_right = true;
    chosen.one_hit_knock_outs = true;
    std::string refusal;
    ASSERT_TRUE(key_rebinding::bind(1, key_rebinding::PUNCH, SDLK_j, &refusal));
    ASSERT_TRUE(key_rebinding::bind(2, key_rebinding::KICK, SDLK_x, &refusal));
    ASSERT_TRUE(chosen.write());
    struct stat left_over;
    EXPECT_NE(0, stat((folder + "/not/there/yet/settings.ini.new").c_str(), &left_over)) << "temporary file stays";

    // A new run: default keys, game/game.ini's values, then the file.
    key_rebinding::restore_defaults();
    folder += "/not/there/yet";
    user_settings again;
    settings screen_settings;
    const std::string log = read_back(again, screen_settings);
    EXPECT_NE(std::string::npos, log.find("Settings [" + folder + "/settings.ini]\n")) << log;
    EXPECT_EQ(std::string::npos, log.find("WARNING")) << log;
    EXPECT_EQ(2, again.rounds_to_win);
    EXPECT_EQ(60, again.round_seconds);
    EXPECT_EQ(2, again.cpu_difficulty);
    EXPECT_EQ(3, again.music_volume);
    EXPECT_EQ(0, again.effects_volume);
    EXPECT_TRUE(again.infinite_life_right);
    EXPECT_FALSE(again.infinite_life_left);
    EXPECT_TRUE(again.one_hit_knock_outs);
    EXPECT_EQ("1024x768", screen_size(screen_settings));
    EXPECT_EQ(1, screen_settings.fullscreen);
    EXPECT_EQ(1, screen_settings.hwaccel);
    EXPECT_EQ(30, screen_settings.fps);
    EXPECT_EQ(SDLK_j, keys_of_player(1).punch);
    EXPECT_EQ(SDLK_x, keys_of_player(2).kick);
    EXPECT_EQ(SDLK_UP, keys_of_player(1).up);

    // The game's own defaults stand until the player saves a choice.
    user_settings fresh;
    settings from_ini;
    from_ini.width = 800;
    folder += "/nothing here";
    read_back(fresh, from_ini);
    EXPECT_EQ(800, from_ini.width);
    EXPECT_EQ(4, fresh.rounds_to_win) << "the mode table's three wins before the deciding one";
}

TEST_F(saved_settings, a_damaged_file_keeps_what_can_be_read_and_says_what_cannot) {
    write_file("rounds_to_win=2 music_volume=eleven width=99999 fps=30 round_seconds=45 \x01\x02garbage\n"
               "p1_up=0 p1_punch=106 p2_kick=120 height=600 hwaccel=1");
    user_settings chosen;
    settings screen_settings;
    screen_settings.width = 800;
    const std::string log = read_back(chosen, screen_settings);
    EXPECT_EQ(2, chosen.rounds_to_win);
    EXPECT_EQ(10, chosen.music_volume);
    EXPECT_EQ(0, chosen.round_seconds);
    EXPECT_EQ("800x600", screen_size(screen_settings));
    EXPECT_EQ(30, screen_settings.fps);
    EXPECT_EQ(1, screen_settings.hwaccel);
    EXPECT_NE(std::string::npos, log.find("[music_volume=eleven] can't be read, keeping [10]")) << log;
    EXPECT_NE(std::string::npos, log.find("[width=99999]")) << log;
    EXPECT_NE(std::string::npos, log.find("[p1_up=0]")) << log;
    // A damaged key keeps its player on the default keys; the other
    // player's keys are read.
    EXPECT_EQ(SDLK_UP, keys_of_player(1).up);
    EXPECT_EQ(SDLK_i, keys_of_player(1).punch);
    EXPECT_EQ(SDLK_x, keys_of_player(2).kick);

    // Two controls on one key: both players play on the defaults.
    key_rebinding::restore_defaults();
    write_file("p1_punch=122");
    user_settings doubled;
    const std::string doubled_log = read_back(doubled, screen_settings);
    EXPECT_NE(std::string::npos, doubled_log.find("a key does two things")) << doubled_log;
    EXPECT_EQ(SDLK_i, keys_of_player(1).punch);
    EXPECT_EQ(SDLK_z, keys_of_player(2).kick);

    // Unreadable: a folder where the file should be.
    mkdir((folder + "/unreadable").c_str(), 0700);
    mkdir((folder + "/unreadable/settings.ini").c_str(), 0700);
    folder += "/unreadable";
    user_settings unread;
    settings untouched;
    const std::string unread_log = read_back(unread, untouched);
    EXPECT_NE(std::string::npos, unread_log.find("can't be read, using the defaults")) << unread_log;
    EXPECT_EQ(640, untouched.width);
}

TEST_F(saved_settings, a_write_that_fails_leaves_the_old_file_whole_and_says_so) {
    write_file("rounds_to_win=2");
    // The temporary file can't be made: a folder has its name.
    mkdir((folder + "/settings.ini.new").c_str(), 0700);
    user_settings chosen;
    chosen.use_folder(folder);
    chosen.rounds_to_win = 5;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(chosen.write());
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, log.find("ERROR: Can't write settings [" + folder + "/settings.ini]")) << log;
    EXPECT_EQ("rounds_to_win=2", file_text());
}

TEST(settings_folder, config_names_the_folder_from_where_the_game_was_started) {
    command_line absolute;
    const char* given[] = {"brawler", "--config", "/tmp/elsewhere"};
    ASSERT_EQ(command_line::PLAY, absolute.parse(3, given));
    EXPECT_EQ("/tmp/elsewhere", absolute.config_folder());

    command_line relative;
    const char* here[] = {"brawler", "--config=mine"};
    ASSERT_EQ(command_line::PLAY, relative.parse(2, here));
    EXPECT_EQ('/', relative.config_folder()[0]);
    EXPECT_EQ("/mine", relative.config_folder().substr(relative.config_folder().size() - 5));

    const char* const names[] = {"XDG_CONFIG_HOME", "HOME"};
    std::string saved[2];
    bool was_set[2];
    for (int i = 0; i < 2; i++) {
        was_set[i] = getenv(names[i]) != nullptr;
        saved[i] = was_set[i] ? getenv(names[i]) : "";
    }
    setenv("XDG_CONFIG_HOME", "/tmp/config home", 1);
    EXPECT_EQ("/tmp/config home/quillmoor", user_settings::default_folder());
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/player", 1);
    EXPECT_EQ("/home/player/.config/quillmoor", user_settings::default_folder());
    for (int i = 0; i < 2; i++) {
        if (was_set[i]) setenv(names[i], saved[i].c_str(), 1);
        else unsetenv(names[i]);
    }
}

}  // namespace
