#include <gtest/gtest.h>

#include <string>

#include "tests/support/game_runner.h"

// The menus of the real game in a real X server, driven through the keyboard
// on both programs and both renderers: Escape on the character selection back
// to the menu, the Escape that ends a match still held when the menu comes
// back, a demo chosen with the arrows, and Q to quit.
namespace {

const char* MENU_SESSION =
    "wait_log 60 MAIN MENU:\n"
    "wait 0.5\n"
    "key Return\n"
    "wait 2.5\n"
    "shot select\n"
    "hold Escape 0.3\n"
    "wait_logn 60 2 MAIN MENU:\n"
    "wait 1\n"
    "key Return\n"
    "wait 2.5\n"
    "press_until 60 Return 1 Setting FPS [60]\n"
    "wait 2\n"
    "hold Escape 0.8\n"
    "wait_logn 60 3 MAIN MENU:\n"
    "wait 1.5\n"
    "shot menu_after_match\n"
    "tap_until 30 Down Main menu cursor [3]\n"
    "key Return\n"
    "wait_logn 60 2 Setting FPS [60]\n"
    "wait 2\n"
    "key Escape\n"
    "wait_logn 60 4 MAIN MENU:\n"
    "wait 1\n"
    "hold q 0.3\n";

// One variant of the game run through a key script until it quits.
game_run_result run_session(const game_variant& variant, const std::string& label, const char* script, int timeout) {
    game_run_options options;
    options.program = variant.program;
    options.label = label + "_" + variant.name();
    options.game_ini = variant.game_ini();
    options.key_script = script;
    options.timeout_seconds = timeout;
    return run_game(options);
}

class menu_session : public testing::TestWithParam<game_variant> {};

TEST_P(menu_session, arcade_demo_and_quit_through_the_keys) {
    const game_run_result run = run_session(GetParam(), "menus", MENU_SESSION, 120);
    const std::string where = " (run folder " + run.run_dir + ")";

    ASSERT_FALSE(run.timed_out) << "the game did not quit" << where;
    EXPECT_EQ(0, run.exit_status) << run.err << where;
    // Escape on the selection went back to the menu without a match; the
    // second arcade series was the first fighter against the first.
    EXPECT_EQ(0, run.log_count("Selection cursor [")) << where;
    EXPECT_EQ(1, run.log_count("mode [1] reqwins[3]")) << where;
    // The held Escape that ended the match did not quit: the menu came back
    // and stayed until the demo, which pits the first fighter against itself.
    EXPECT_EQ(4, run.log_count("MAIN MENU:\n")) << where;
    EXPECT_TRUE(run.log_has("mode [4] reqwins[3]")) << where;
    EXPECT_EQ(4, run.log_count("load config [game/fighter/lunet_char.ini]\n")) << where;
    // Q put the cursor on "quit" last, and the shut-down followed.
    const std::string quit_line = "Main menu cursor [6]\n";
    const size_t quit = run.out.rfind(quit_line);
    const size_t cleaning = run.out.find("Cleaning Image_Manager Cache\n");
    ASSERT_NE(std::string::npos, quit) << where;
    EXPECT_EQ(std::string::npos, run.out.find("cursor [", quit + quit_line.size())) << where;
    EXPECT_LT(quit, cleaning) << where;
    EXPECT_NE(std::string::npos, run.out.find("Done\n", cleaning)) << where;

    for (const char* name : {"select", "menu_after_match"}) {
        screenshot picture;
        ASSERT_TRUE(picture.load(run.run_dir + "/" + name + ".png")) << name << where;
        EXPECT_GT(picture.colour_variety(0, 0, 640, 480), 5) << name << " looks empty" << where;
    }
}

INSTANTIATE_TEST_SUITE_P(programs_and_renderers, menu_session,
                         testing::ValuesIn(GAME_VARIANTS),
                         [](const testing::TestParamInfo<game_variant>& info) { return info.param.name(); });

// A short session that waits only for what the log says, never for a fixed
// time, so it holds however slowly the program runs (under the sanitizers
// several times slower): the menu, a demo match, Escape back to the menu,
// and Q. One per program, each on the drawing path only it has: the scaled
// program differs only on OpenGL.
const char* DEMO_SESSION =
    "wait_log 180 MAIN MENU:\n"
    "tap_until 120 Down Main menu cursor [3]\n"
    "key Return\n"
    "wait_log 180 Setting FPS [60]\n"
    "wait 3\n"
    "press_until 120 Escape 2 MAIN MENU:\n"
    "press_until 120 q 1 Cleaning Image_Manager Cache\n";

class demo_session : public testing::TestWithParam<game_variant> {};

TEST_P(demo_session, menu_demo_match_and_quit_end_in_order) {
    const game_run_result run = run_session(GetParam(), "demo", DEMO_SESSION, 600);
    const std::string where = " (run folder " + run.run_dir + ")\n" + run.runner_log;
    ASSERT_FALSE(run.timed_out) << "the game did not quit" << where;
    EXPECT_EQ(0, run.exit_status) << run.err << where;
    EXPECT_TRUE(run.log_has("mode [4] reqwins[3]")) << where;
    EXPECT_EQ(2, run.log_count("MAIN MENU:\n")) << where;
    EXPECT_TRUE(run.log_has("Done\n")) << where;
}

INSTANTIATE_TEST_SUITE_P(each_program, demo_session,
                         testing::Values(GAME_VARIANTS[0], GAME_VARIANTS[3]),
                         [](const testing::TestParamInfo<game_variant>& info) { return info.param.name(); });

}  // namespace
