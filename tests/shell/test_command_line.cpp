#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/command_line.h"
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

}  // namespace
