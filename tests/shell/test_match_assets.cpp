// What the match takes from the preloading, and the colour swap file that
// tells two copies of one fighter apart.
#include "anim/anim_mgr.h"
#include "anim/frame.h"
#include "gfx/txt_mgr.h"
#include "anim/loading_group.h"
#include "input/control_maps.h"
#include "objects/projectile.h"
#include "shell/colour_swap_file.h"
#include "platform/trig_tables.h"
#include "tests/shell/match_fixture.h"

namespace {

class match_preloading : public match_test {};

TEST_F(match_preloading, builds_everything_a_series_uses) {
    ASSERT_NE(nullptr, p1_controls);
    ASSERT_NE(nullptr, p2_controls);
    EXPECT_EQ(100, sin_table[90]);
    ASSERT_EQ(1u, loading_group.anims.size());
    EXPECT_EQ(1, loading_group.anims[0]->loop);
    EXPECT_EQ(30, loading_group.height);
    ASSERT_NE(nullptr, explosion_template);
    ASSERT_EQ(1u, explosion_template->anims.size());
    EXPECT_EQ(3u, explosion_template->anims[0]->frames.size());
    ASSERT_NE(nullptr, guard_spark_template);
    EXPECT_EQ(2u, guard_spark_template->anims[0]->frames.size());
    ASSERT_NE(nullptr, assets.shadow);
    EXPECT_EQ(64, assets.shadow->alpha);
    ASSERT_NE(nullptr, assets.name_face);
    EXPECT_TRUE(assets.name_face->font_loaded);
    EXPECT_EQ(SDL_MapRGBA(screen.surface->format, 246, 206, 127, 255), assets.life_colour);
    EXPECT_EQ(SDL_MapRGBA(screen.surface->format, 250, 45, 64, 255), assets.damage_colour);
}

// Each spark's definition is made, then the group that holds it; the
// loading animation's definition was built before main and is only read.
TEST_F(match_preloading, logs_the_spark_definition_then_its_group) {
    const std::string log = quiet([&] { assets.preload(nullptr); });
    EXPECT_EQ(2, count_of(log, "Creating Anim_Mgr\n")) << log;
    const size_t spark = log.find("Creating Anim_Mgr\nload config [game/fighter/expl.ini]");
    ASSERT_NE(std::string::npos, spark) << log;
    EXPECT_NE(std::string::npos, log.find("Creating anim_group\n", spark)) << log;
}

TEST_F(match_preloading, release_frees_it_all_and_may_run_twice) {
    quiet([&] {
        assets.release();
        assets.release();
    });
    EXPECT_EQ(nullptr, p1_controls);
    EXPECT_TRUE(loading_group.anims.empty());
    EXPECT_EQ(nullptr, explosion_template);
    EXPECT_EQ(nullptr, assets.shadow);
    EXPECT_EQ(nullptr, assets.win_text);
}

TEST_F(match_preloading, a_series_can_follow_another_without_leftovers) {
    start();
    quiet([&] { projectile::launch(left()); });
    frames(3);
    quiet([&] { series->end_series(); });
    EXPECT_TRUE(game_objects.empty());
    EXPECT_TRUE(effects.empty());
    start();
    EXPECT_EQ(2u, game_objects.size());
    EXPECT_EQ(440, left().x);
}

TEST(colour_swap_file_reading, reads_pairs_of_red_green_blue_colours) {
    anim_files folder;
    open_test_screen();
    const SDL_PixelFormat* format = screen.surface->format;
    const std::string path = folder.text_file(
        "swap.ini", "colors=3 color0source=200,0,40 color0target=0,0,200 color1source=1,2 color1target=3,4,5 "
                    "color2source=300,-4,7 color2target=9,9,9\n");
    testing::internal::CaptureStdout();
    const std::vector<colour_swap> swaps = colour_swap_file::read(path.c_str(), format);
    const std::string log = testing::internal::GetCapturedStdout();
    // The pair with a short colour is left out with a line in the log.
    ASSERT_EQ(2u, swaps.size());
    EXPECT_NE(log.find("colour swap [1]"), std::string::npos);
    EXPECT_EQ(SDL_MapRGB(format, 200, 0, 40), swaps[0].source);
    EXPECT_EQ(SDL_MapRGB(format, 0, 0, 200), swaps[0].target);
    EXPECT_EQ(SDL_MapRGB(format, 255, 0, 7), swaps[1].source);
}

TEST(colour_swap_file_reading, a_missing_file_or_a_huge_count_does_no_harm) {
    anim_files folder;
    open_test_screen();
    testing::internal::CaptureStdout();
    EXPECT_TRUE(colour_swap_file::read((folder.folder + "/none.ini").c_str(), screen.surface->format).empty());
    const std::string huge = folder.text_file("huge.ini", "colors=2000000000\n");
    EXPECT_TRUE(colour_swap_file::read(huge.c_str(), screen.surface->format).empty());
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(log.find("using the first [256]"), std::string::npos);
}

}  // namespace
