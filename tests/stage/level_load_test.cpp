#include <gtest/gtest.h>

#include <string>

#include "gfx/img_mgr.h"
#include "stage/level.h"
#include "tests/gfx_text/screen_probe.h"
#include "tests/stage/stage_fixture.h"
#include "tests/support/captured_log.h"

namespace {

class stage_loading : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(probe::open_screen(false)); }

    // Loads the stage and returns what it printed.
    std::string load(const std::string& stage_path) {
        return captured_log([&] { stage.load(stage_path.c_str()); });
    }

    std::vector<std::string> three_pictures() {
        return {folder.picture("a", 50, 10, fixture::flat(0x102030)), folder.picture("b", 60, 20, fixture::flat(0x203040)),
                folder.picture("c", 40, 30, fixture::flat(0x304050))};
    }

    fixture::stage_folder folder;
    level stage;
};

int occurrences(const std::string& text, const std::string& part) {
    int found = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) found++;
    return found;
}

TEST_F(stage_loading, parts_come_highest_first_and_missing_ones_are_skipped) {
    const std::vector<std::string> pictures = three_pictures();
    load(folder.stage(pictures, "length=3 part0=0 part2=2"));
    ASSERT_EQ(2u, stage.parts.size());
    EXPECT_EQ(pictures[2], stage.parts[0].filename);
    EXPECT_EQ(pictures[0], stage.parts[1].filename);
    ASSERT_EQ(2u, stage.part_layers.size());
    EXPECT_TRUE(stage.part_layers[0].empty());
    EXPECT_EQ(3, stage.part_count);
    EXPECT_EQ(40, stage.total_height);
    EXPECT_EQ(60, stage.level_width);
    EXPECT_EQ(30, stage.level_height);
    EXPECT_EQ(480 - 10, stage.bottom_y);
    EXPECT_EQ(-1, stage.floor);
    EXPECT_EQ(0, stage.verbose);
}

TEST_F(stage_loading, layers_keep_their_order_and_missing_layer_keys_are_passed_over) {
    const std::string log = load(
        folder.stage(three_pictures(), "length=1 part0=0 part0parallax=3 part0parallax0=2 part0parallax2=1 floor=1"));
    ASSERT_EQ(1u, stage.part_layers.size());
    EXPECT_EQ((std::vector<int>{2, 1}), stage.part_layers[0]);
    EXPECT_EQ(2, occurrences(log, "Added layer["));
    EXPECT_EQ(1, stage.floor);
    EXPECT_NE(std::string::npos, log.find("Has floor\n"));
}

TEST_F(stage_loading, indexes_outside_the_background_set_are_skipped_with_a_line) {
    const std::string log = load(folder.stage(
        three_pictures(), "length=2 part0=0 part1=9 part0parallax=2 part0parallax0=-1 part0parallax1=1 floor=3"));
    ASSERT_EQ(1u, stage.parts.size());
    EXPECT_EQ((std::vector<int>{1}), stage.part_layers[0]);
    EXPECT_EQ(-1, stage.floor);
    EXPECT_EQ(3, occurrences(log, "names no image of the background set"));
    stage.advance();
    stage.draw();
}

TEST_F(stage_loading, scale_shrinks_the_level_size_but_not_the_band_heights) {
    const std::vector<std::string> pictures = {folder.picture("odd", 101, 31, fixture::flat(0x808080))};
    const std::string log = load(folder.stage(pictures, "length=1 part0=0 scale=0.5"));
    EXPECT_EQ(50, stage.level_width);
    EXPECT_EQ(15, stage.level_height);
    EXPECT_EQ(31, stage.total_height);
    EXPECT_DOUBLE_EQ(0.5, stage.scale);
    EXPECT_NE(std::string::npos, log.find("Scaling level \n"));
    stage.zoom = 1.2;
    stage.advance();
    stage.draw();
    EXPECT_DOUBLE_EQ(0.6, stage.zoom);
}

TEST_F(stage_loading, a_scale_of_zero_is_refused) {
    load(folder.stage(three_pictures(), "length=1 part0=0 scale=0"));
    EXPECT_DOUBLE_EQ(1.0, stage.scale);
    EXPECT_EQ(60, stage.level_width);
}

TEST_F(stage_loading, unload_empties_the_stage_and_keeps_its_heights) {
    load(folder.stage(three_pictures(), "length=3 part0=0 part1=1 floor=2 loop=1 scale=2"));
    stage.scroll_x = 40;
    stage.flash = 90;
    stage.unload();
    EXPECT_TRUE(stage.images.empty());
    EXPECT_TRUE(stage.parts.empty());
    EXPECT_TRUE(stage.part_layers.empty());
    EXPECT_EQ(-1, stage.floor);
    EXPECT_EQ(-1, stage.loop);
    EXPECT_DOUBLE_EQ(1.0, stage.scale);
    EXPECT_EQ(0, stage.scroll_x);
    EXPECT_EQ(0, stage.flash);
    EXPECT_EQ(0, stage.level_width);
    EXPECT_EQ(60, stage.level_height);
    EXPECT_EQ(30, stage.total_height);
}

TEST_F(stage_loading, an_unreadable_stage_file_leaves_an_empty_stage) {
    const std::string missing = folder.path + "/no_such_stage.ini";
    const std::string log = load(missing);
    EXPECT_NE(std::string::npos, log.find("Can't open [" + missing + "]"));
    EXPECT_NE(std::string::npos, log.find("Can't open []"));
    EXPECT_TRUE(stage.images.empty());
    EXPECT_TRUE(stage.parts.empty());
    EXPECT_EQ(480, stage.bottom_y);
    stage.flash = 30;
    stage.flash_rate = 25;
    stage.advance();
    stage.draw();
    EXPECT_EQ(5, stage.flash);
}

TEST_F(stage_loading, absurd_counts_are_bounded) {
    const std::string bgset = folder.write("huge_bgset.ini", "images=2000000000 image0=" +
                                                                 folder.picture("one", 20, 20, fixture::flat(0x405060)));
    load(folder.write("huge.ini", "bgset=" + bgset + " length=2000000000 part0=0 part0parallax=2000000000"));
    EXPECT_EQ(1024u, stage.images.size());
    EXPECT_EQ(1u, stage.parts.size());
}

TEST(current_level, is_published_and_cleared_when_its_level_goes) {
    level* first = new level();
    level* second = new level();
    first->publish();
    EXPECT_EQ(first, current_level);
    delete second;
    EXPECT_EQ(first, current_level);
    delete first;
    EXPECT_EQ(nullptr, current_level);
}

}  // namespace
