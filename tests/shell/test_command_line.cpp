#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/command_line.h"
#include "shell/match_request.h"
#include "shell/settings.h"

namespace {

command_line::outcome parse(command_line& options, std::vector<const char*> words) {
    words.insert(words.begin(), "brawler");
    return options.parse((int)words.size(), words.data());
}

settings from_file() {
    settings file;
    file.fullscreen = 1;
    file.width = 1024;
    file.height = 768;
    file.hwaccel = 1;
    file.fps = 30;
    return file;
}

TEST(command_line, given_options_override_the_file_and_the_rest_stay) {
    command_line options;
    ASSERT_EQ(command_line::PLAY, parse(options, {"--windowed", "--size=800x600", "--renderer", "surface"}));
    settings game = from_file();
    options.apply(game);
    EXPECT_EQ(0, game.fullscreen);
    EXPECT_EQ(800, game.width);
    EXPECT_EQ(600, game.height);
    EXPECT_EQ(0, game.hwaccel);
    EXPECT_EQ(30, game.fps);
    EXPECT_EQ(nullptr, options.data_folder());

    command_line later_wins;
    ASSERT_EQ(command_line::PLAY,
              parse(later_wins, {"--windowed", "--renderer=opengl", "--fullscreen", "--data", BRAWLER_SOURCE_DIR}));
    settings game2;
    later_wins.apply(game2);
    EXPECT_EQ(1, game2.fullscreen);
    EXPECT_EQ(1, game2.hwaccel);
    EXPECT_EQ(640, game2.width);
    EXPECT_STREQ(BRAWLER_SOURCE_DIR, later_wins.data_folder());
}

TEST(command_line, bad_options_and_values_ask_for_the_usage) {
    const std::vector<std::vector<const char*>> refused = {
        {"--bogus"}, {"-x"}, {"fullscreen"}, {"--fullscreen=1"}, {"--size"}, {"--size", "800"},
        {"--size", "0x600"}, {"--size", "800x-1"}, {"--size", "800x600x2"}, {"--size", " 80x60"},
        {"--size", "99999x600"}, {"--renderer", "vulkan"}, {"--renderer="}, {"--data", "/nonexistent/quillmoor"},
        // A series straight from the command line, and what cannot go with it.
        {"--mode", "Demo"}, {"--mode", "options"}, {"--mode", "demo", "--fighters", "lunet,"},
        {"--mode", "demo", "--fighters", "a,b,c"}, {"--fighters", "lunet"}, {"--seed", "-1"},
        {"--seed", "4294967296"}, {"--synctest", "0"}, {"--synctest", "9"}, {"--record="}, {"--headless"},
        {"--replay", "r.rpl", "--mode", "demo"}, {"--replay", "r.rpl", "--seed", "3"},
    };
    for (const std::vector<const char*>& words : refused) {
        command_line options;
        testing::internal::CaptureStderr();
        const command_line::outcome got = parse(options, words);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(command_line::EXIT_USAGE, got) << words[0] << " " << (words.size() > 1 ? words[1] : "");
        EXPECT_NE(std::string::npos, err.find("Usage: brawler")) << err;
        // Nothing of a refused command line reaches the settings.
        settings game = from_file();
        options.apply(game);
        EXPECT_EQ(1024, game.width);
        EXPECT_EQ(768, game.height);
    }
}

TEST(command_line, a_series_straight_from_the_command_line_reaches_its_request) {
    command_line options;
    ASSERT_EQ(command_line::PLAY, parse(options, {"--mode", "survival", "--fighters=Morrow,tamsin", "--seed",
                                                  "4294967295", "--synctest=8", "--headless", "--record", "r.rpl"}));
    EXPECT_TRUE(options.starts_series());
    EXPECT_EQ(match_request::SURVIVAL, options.mode);
    EXPECT_EQ(3, options.first_choice);
    EXPECT_EQ(2, options.second_choice);
    match_request request;
    options.fill(request);
    EXPECT_TRUE(request.seed_given);
    EXPECT_EQ(4294967295u, request.seed);
    EXPECT_EQ(8, request.synctest_frames);
    EXPECT_TRUE(request.headless);
    // The game moves into its data tree before writing: the path is kept
    // from where the player started it.
    ASSERT_FALSE(request.record_path.empty());
    EXPECT_EQ('/', request.record_path[0]);
    EXPECT_EQ("/r.rpl", request.record_path.substr(request.record_path.size() - 6));
    settings game = from_file();
    options.apply(game);
    EXPECT_EQ(0, game.hwaccel);
    EXPECT_EQ(0, game.fullscreen);

    command_line one_fighter;
    ASSERT_EQ(command_line::PLAY, parse(one_fighter, {"--mode=demo", "--fighters", "halvard"}));
    EXPECT_EQ(1, one_fighter.first_choice);
    EXPECT_EQ(0, one_fighter.second_choice);

    command_line menus;
    ASSERT_EQ(command_line::PLAY, parse(menus, {"--record", "/tmp/r.rpl", "--seed", "0"}));
    EXPECT_FALSE(menus.starts_series());
    EXPECT_EQ("/tmp/r.rpl", menus.record_path);
}

}  // namespace
