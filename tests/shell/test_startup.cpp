#include <gtest/gtest.h>

#include <string>

#include "config/config_file.h"
#include "shell/settings.h"
#include "platform/trig_tables.h"
#include "tests/shell/screen_size.h"
#include "tests/support/game_runner.h"
#include "tests/support/temp_folder.h"

namespace {

settings settings_from(const char* text) {
    const temp_folder folder("settings_test");
    config_file config;
    config.load(folder.write("game.ini", text).c_str());
    settings result;
    result.read(config);
    return result;
}

TEST(settings, defaults_hold_for_missing_zero_and_word_values) {
    const settings game = settings_from("width=0 height=word fps=0\n");
    const struct {
        const char* key;
        int settings::*field;
        int value;
    } defaults[] = {{"width", &settings::width, 640}, {"height", &settings::height, 480},
                    {"bpp", &settings::bpp, 32},      {"fps", &settings::fps, 60},
                    {"fullscreen", &settings::fullscreen, 0}, {"hwaccel", &settings::hwaccel, 0}};
    for (const auto& expected : defaults) EXPECT_EQ(expected.value, game.*expected.field) << expected.key;
}

TEST(settings, menu_rate_is_four_times_fps_up_to_200) {
    EXPECT_EQ(200, settings_from("").menu_rate());
    EXPECT_EQ(120, settings_from("fps=30\n").menu_rate());
    EXPECT_EQ(200, settings_from("fps=50\n").menu_rate());
}

TEST(settings, fps_below_four_is_raised_so_menus_can_poll) {
    testing::internal::CaptureStdout();
    const settings game = settings_from("fps=2\n");
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(4, game.fps);
    EXPECT_EQ(16, game.menu_rate());
    EXPECT_NE(std::string::npos, log.find("Setting fps to [2]\n"));
    EXPECT_NE(std::string::npos, log.find("WARNING: fps [2] is too low"));
}

TEST(settings, huge_fps_is_capped_at_the_pacing_limit) {
    testing::internal::CaptureStdout();
    const settings game = settings_from("fps=2147483647\n");
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStdout().find("WARNING: fps [2147483647] is too high"));
    EXPECT_EQ(200, game.fps);
    EXPECT_EQ(200, game.menu_rate());
}

TEST(settings, size_line_only_with_height_and_shows_width_in_force) {
    testing::internal::CaptureStdout();
    settings_from("width=800\n");
    EXPECT_EQ(std::string::npos, testing::internal::GetCapturedStdout().find("Setting size to"));
    testing::internal::CaptureStdout();
    settings_from("height=600 width=1024\n");
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStdout().find("Setting size to [1024,600]\n"));
}

TEST(settings, sizes_and_depths_no_screen_can_have_keep_the_defaults) {
    testing::internal::CaptureStdout();
    const settings negative = settings_from("width=-5 height=100000 bpp=7\n");
    const settings wide = settings_from("width=9000 bpp=64\n");
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ("640x480", screen_size(negative));
    EXPECT_EQ(32, negative.bpp);
    EXPECT_EQ(640, wide.width);
    EXPECT_EQ(32, wide.bpp);
    EXPECT_NE(std::string::npos, log.find("WARNING: width [-5] is outside [1, 8192], using [640]\n")) << log;
    EXPECT_NE(std::string::npos, log.find("WARNING: height [100000] is outside [1, 8192], using [480]\n"));
    EXPECT_NE(std::string::npos, log.find("WARNING: bpp [7] is not 8, 15, 16, 24 or 32, using [32]\n"));
    EXPECT_NE(std::string::npos, log.find("WARNING: bpp [64]"));
    const settings fine = settings_from("width=8192 height=1 bpp=16\n");
    EXPECT_EQ("8192x1", screen_size(fine));
    EXPECT_EQ(16, fine.bpp);
}

TEST(trig_tables, hold_rounded_hundredths) {
    fill_trig_tables();
    EXPECT_EQ(50, sin_table[30]);
    EXPECT_EQ(100, sin_table[90]);
    EXPECT_EQ(-2, sin_table[359]);
    EXPECT_EQ(100, cos_table[0]);
    EXPECT_EQ(0, cos_table[90]);
    EXPECT_EQ(-100, cos_table[180]);
}

// The real program in its own X server. Once the menus run, the script
// leaves through Escape; before that the program ends by itself.

game_run_result run_brawler(const std::string& label, bool write_ini, const std::string& ini) {
    game_run_options options;
    options.label = label;
    options.write_ini = write_ini;
    options.game_ini = ini;
    options.key_script = "wait_log 30 MAIN MENU:\npress_until 30 Escape 1 Cleaning Image_Manager Cache\n";
    options.timeout_seconds = 60;
    return run_game(options);
}

TEST(startup_in_x, no_settings_file_gives_the_default_surface_mode) {
    const game_run_result run = run_brawler("startup_defaults", false, "");
    // What is built before main: the screen, then the loading animation's
    // definition and its group.
    EXPECT_TRUE(run.log_has("Initialize SDL.\nSDL Initialized.\nCreating Anim_Mgr\nCreating anim_group\n")) << run.out;
    EXPECT_TRUE(run.log_has("Can't open [game/game.ini]\n"));
    EXPECT_TRUE(run.log_has("Resolution: asked for [640,480@32] got [640,480@32]\n")) << run.out;
    EXPECT_FALSE(run.log_has("Setting GL Atts"));
    EXPECT_EQ(0, run.exit_status) << run.err;
}

TEST(startup_in_x, hwaccel_selects_opengl_with_a_2d_projection) {
    const game_run_result run = run_brawler("startup_gl", true, "hwaccel=1\n");
    EXPECT_TRUE(run.log_has("Setting GL Atts [2]\n")) << run.out;
    EXPECT_TRUE(run.log_has("Setting up OpenGL 2D\n"));
    EXPECT_TRUE(run.log_has("Max texture size["));
    EXPECT_EQ(0, run.exit_status) << run.err;
}

TEST(startup_in_x, width_without_height_keeps_the_default_height) {
    const game_run_result run = run_brawler("startup_width", true, "width=800\n");
    EXPECT_TRUE(run.log_has("Resolution: asked for [800,480@32] got [800,480@"));
    EXPECT_FALSE(run.log_has("Setting size to"));
    EXPECT_EQ(0, run.exit_status) << run.err;
}

TEST(startup_in_x, opengl_without_a_display_fails_in_order_with_status_1) {
    game_run_options options;
    options.label = "startup_no_display";
    options.game_ini = "hwaccel=1\n";
    options.use_xvfb = false;
    options.environment = "SDL_VIDEODRIVER=x11 DISPLAY=:4321";
    options.timeout_seconds = 30;
    const game_run_result run = run_game(options);
    EXPECT_TRUE(run.log_has("Couldn't initialize SDL Video:")) << run.out;
    EXPECT_NE(std::string::npos, run.err.find("Couldn't set 640 x 480 x 32 video mode")) << run.err;
    EXPECT_TRUE(run.log_has("ERROR: Couldn't set 640 x 480 x 32 OpenGL video mode: ")) << run.out;
    EXPECT_TRUE(run.log_has("Done\n"));
    EXPECT_EQ(1, run.exit_status);
}

// A size within the settings' range that the display still refuses.
TEST(startup_in_x, impossible_mode_fails_in_order_with_status_1) {
    const game_run_result run = run_brawler("startup_bad_mode", true, "fullscreen=1 width=8000 height=8000\n");
    EXPECT_NE(std::string::npos, run.err.find("Couldn't set 8000 x 8000 x 32 video mode")) << run.err;
    EXPECT_TRUE(run.log_has("ERROR: Couldn't set 8000 x 8000 x 32 surface full-screen video mode: ")) << run.out;
    EXPECT_FALSE(run.log_has("Resolution:"));
    EXPECT_TRUE(run.log_has("Cleaning Image_Manager Cache\n"));
    EXPECT_TRUE(run.log_has("Done\n"));
    EXPECT_EQ(1, run.exit_status);
}

}  // namespace
