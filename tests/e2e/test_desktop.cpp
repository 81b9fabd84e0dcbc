#include <gtest/gtest.h>

#include <string>

#include "tests/support/game_runner.h"

// The game as a desktop program: its command line, and Alt+Return between
// window and full screen in the middle of a match.
namespace {

const int LIFE_R = 246, LIFE_G = 206, LIFE_B = 127;

screenshot shot_named(const game_run_result& run, const std::string& name) {
    screenshot picture;
    picture.load(run.run_dir + "/" + name + ".png");
    return picture;
}

// Both life bars at the top corners of the 640x480 window.
bool shows_a_match(const screenshot& picture) {
    return picture.share_near(30, 13, 200, 6, LIFE_R, LIFE_G, LIFE_B, 16) > 0.2 &&
           picture.share_near(410, 13, 200, 6, LIFE_R, LIFE_G, LIFE_B, 16) > 0.2;
}

// The X screen is 1280x1024: beyond the place of the 640x480 window it is
// black unless the game fills the screen.
double black_share_beyond(const screen_area& window, const screenshot& picture) {
    return picture.share_near_outside(window, 0, 0, 0, 2);
}

// Colours across the whole X screen: a screen gone black has one. (Whether
// full screen scales the picture up or centres it among black borders is the
// library's choice.)
int colour_variety_on_screen(const screenshot& picture) {
    return picture.colour_variety(-picture.window.x, -picture.window.y, picture.width, picture.height);
}

class fullscreen_switch : public ::testing::TestWithParam<game_variant> {};

TEST_P(fullscreen_switch, alt_return_in_menu_and_match_keeps_the_match_going) {
    game_run_options options;
    options.label = "desktop_switch_" + GetParam().name();
    options.program = GetParam().program;
    options.game_ini = GetParam().game_ini();
    options.timeout_seconds = 60;
    options.key_script =
        "wait_log 60 MAIN MENU:\n"
        "wait 1\n"
        // in the menu: the Return of Alt+Return must not choose arcade
        "key alt+Return\n"
        "wait_logn 10 1 Full screen [1]\n"
        "key alt+Return\n"
        "wait_logn 10 1 Full screen [0]\n"
        "wait 1\n"
        + std::string(SCRIPT_START_DEMO) +
        "wait 3\n"
        "shot before\n"
        "key alt+Return\n"
        "wait_logn 10 2 Full screen [1]\n"
        "wait 1.5\n"
        "shot full\n"
        "key alt+Return\n"
        "wait_logn 10 2 Full screen [0]\n"
        "wait 1.5\n"
        "shot back\n"
        + SCRIPT_LEAVE_MATCH_AND_QUIT;
    const game_run_result run = run_game(options);
    const std::string where = run.where();

    ASSERT_FALSE(run.timed_out) << where << "\n" << run.runner_log;
    EXPECT_EQ("", run.runner_log) << where;
    EXPECT_EQ(0, run.exit_status) << run.err << where;
    EXPECT_EQ(2, run.log_count("Full screen [1]\n")) << where;
    EXPECT_EQ(2, run.log_count("Full screen [0]\n")) << where;
    // One demo match from start to the Escape: no selection screen opened by
    // a stray Return, no match restarted by the mode change.
    EXPECT_FALSE(run.log_has("Selection cursor")) << where;
    EXPECT_EQ(1, run.log_count("Setting FPS [60]\n")) << where;
    EXPECT_EQ(1, run.log_count("Loop finished\n")) << where;
    EXPECT_FALSE(run.log_has("Can't switch full screen")) << where;

    const screenshot before = shot_named(run, "before");
    const screenshot full = shot_named(run, "full");
    const screenshot back = shot_named(run, "back");
    EXPECT_TRUE(shows_a_match(before)) << where;
    EXPECT_TRUE(shows_a_match(back)) << "the match did not come back in the window" << where;
    EXPECT_EQ(640, before.window.w) << where;
    EXPECT_EQ(480, before.window.h) << where;
    EXPECT_GT(black_share_beyond(before.window, before), 0.99) << where;
    EXPECT_GT(colour_variety_on_screen(full), 40) << "full screen shows no match" << where;
    EXPECT_GT(back.colour_variety(0, 100, 640, 300), 40) << "the stage is gone after the switch" << where;
    EXPECT_GT(black_share_beyond(back.window, back), 0.99) << where;
    // The window comes back where it was.
    EXPECT_EQ(before.window.x, back.window.x) << where;
    EXPECT_EQ(before.window.y, back.window.y) << where;
}

INSTANTIATE_TEST_SUITE_P(both_renderers, fullscreen_switch, ::testing::Values(GAME_VARIANTS[0], GAME_VARIANTS[1]),
                         [](const ::testing::TestParamInfo<game_variant>& info) { return info.param.name(); });

game_run_result run_with_arguments(const std::string& label, const std::string& arguments) {
    game_run_options options;
    options.label = "desktop_" + label;
    options.arguments = arguments;
    options.use_xvfb = false;
    options.timeout_seconds = 10;
    return run_game(options);
}

TEST(command_line_run, help_and_version_answer_and_bad_options_stop_before_any_window) {
    const game_run_result help = run_with_arguments("help", "--help");
    EXPECT_EQ(0, help.exit_status);
    EXPECT_NE(std::string::npos, help.out.find("Usage: brawler [OPTION]...")) << help.out;
    EXPECT_NE(std::string::npos, help.out.find("--renderer NAME")) << help.out;
    EXPECT_EQ("", help.err);

    const game_run_result version = run_with_arguments("version", "--version");
    EXPECT_EQ(0, version.exit_status);
    EXPECT_TRUE(version.log_has("QuillmooR " BRAWLER_TEST_VERSION "\n")) << version.out;

    const game_run_result refused = run_with_arguments("refused", "--size 800");
    EXPECT_EQ(2, refused.exit_status);
    EXPECT_NE(std::string::npos, refused.err.find("Usage: brawler [OPTION]...")) << refused.err;
    EXPECT_FALSE(refused.log_has("Usage:"));
    EXPECT_FALSE(refused.log_has("Data tree ["));
}

TEST(command_line_run, options_override_the_settings_file_for_this_run) {
    game_run_options options;
    options.label = "desktop_overrides";
    options.game_ini = "fullscreen=0\nwidth=640\nheight=480\nhwaccel=0\n";
    // The run folder's own tree is set aside: the data comes from --data.
    options.prepare = "mkdir elsewhere && mv game rsrc tahoma.ttf elsewhere/";
    options.arguments = "--fullscreen --size 800x600 --renderer opengl --data elsewhere";
    options.timeout_seconds = 60;
    options.key_script =
        "wait_log 60 MAIN MENU:\n"
        "wait 1\n"
        "key alt+Return\n"
        "wait_log 10 Full screen [\n"
        "press_until 30 Escape 1 Cleaning Image_Manager Cache\n";
    const game_run_result run = run_game(options);
    const std::string where = run.where();
    EXPECT_EQ(0, run.exit_status) << run.err << where;
    EXPECT_TRUE(run.log_has("elsewhere] (command line; started from [")) << where;
    EXPECT_TRUE(run.log_has("Resolution: asked for [800,600@32] got [800,600@")) << where;
    EXPECT_TRUE(run.log_has("Setting up OpenGL 2D\n")) << where;
    // It started in full screen, so the switch leaves it.
    EXPECT_TRUE(run.log_has("Full screen [0]\n")) << where;
    EXPECT_FALSE(run.log_has("Full screen [1]\n")) << where;
}

}  // namespace
