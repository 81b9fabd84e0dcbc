#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "anim/anim_mgr.h"
#include "anim/frame.h"
#include "gfx/image_cache.h"
#include "gfx/img_mgr.h"
#include "tests/anim/anim_fixture.h"

namespace {

// A frame's numbers in the words of its file line, so that one comparison
// shows every key that was read, or not, at once.
std::string frame_keys(const frame& shown) {
    const frame_settings& set = shown.settings;
    char keys[200];
    snprintf(keys, sizeof keys, "rate=%d shake=%d flash=%d flashrate=%d fire=%d spin=%d trail=%d xoffset=%d yoffset=%d",
             set.rate, set.shake, set.flash, set.flashrate, set.fire, set.spin, set.trail, set.xoffset, set.yoffset);
    return keys;
}

class anim_mgr_test : public ::testing::Test {
protected:
    void SetUp() override {
        open_test_screen();
        clear_surface_screen();
    }

    anim_files files;
};

TEST_F(anim_mgr_test, a_file_fills_the_frames_and_missing_keys_take_their_defaults) {
    const std::string small = files.picture("small", 30, 40, 200, 30, 30);
    const std::string tall = files.picture("tall", 20, 90, 30, 200, 30);
    Anim_Mgr definition;
    definition.load(files.text_file("two.ini",
        "images=2 loop=1 image0=" + small + " rate0=3 shake0=6 flash0=200 flashrate0=40 fire0=1 spin0=5 trail0=2 xoffset0=-4 yoffset0=7 "
        "image1=" + tall + " sound1=" + files.folder + "/no_such.wav").c_str());
    ASSERT_EQ(2u, definition.frames.size());
    EXPECT_EQ(1, definition.loop);
    EXPECT_EQ(30, definition.width);
    EXPECT_EQ(90, definition.height);

    const frame& first = definition.frames[0];
    EXPECT_EQ(Image_Manager.get(small.c_str()), first.image) << "pictures come from the shared cache";
    EXPECT_EQ("rate=3 shake=6 flash=200 flashrate=40 fire=1 spin=5 trail=2 xoffset=-4 yoffset=7", frame_keys(first));
    EXPECT_EQ(0, first.settings.has_sound);

    const frame& second = definition.frames[1];
    EXPECT_EQ(0, second.settings.rate);
    EXPECT_EQ(0, second.settings.flash);
    EXPECT_EQ(25, second.settings.flashrate) << "a missing flash rate fades by 25";
    EXPECT_EQ(0, second.settings.shake);
    EXPECT_EQ(1, second.settings.has_sound) << "an effect that failed to load stays silent";
    ASSERT_NE(nullptr, second.sound);
}

TEST_F(anim_mgr_test, bad_files_log_and_leave_an_empty_definition) {
    Anim_Mgr unreadable;
    testing::internal::CaptureStdout();
    unreadable.load((files.folder + "/none.ini").c_str());
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStdout().find("Can't load animation from [" + files.folder + "/none.ini]"));
    EXPECT_TRUE(unreadable.frames.empty());

    Anim_Mgr empty_file;
    empty_file.load(files.text_file("empty.ini", "").c_str());
    EXPECT_TRUE(empty_file.frames.empty());
    EXPECT_EQ(0, empty_file.loop);

    const std::string shown = files.picture("present", 10, 10, 90, 90, 200);
    Anim_Mgr missing_pictures;
    testing::internal::CaptureStdout();
    missing_pictures.load(files.text_file("missing.ini", "images=3 image0=" + files.folder + "/gone.png image1=" + shown + " rate1=2 image2=").c_str());
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, log.find("WARNING: frame [0] of [" + files.folder + "/missing.ini] has no picture"));
    EXPECT_NE(std::string::npos, log.find("WARNING: frame [2] of ["));
    ASSERT_EQ(1u, missing_pictures.frames.size());
    EXPECT_EQ(2, missing_pictures.frames[0].settings.rate);

    // Rates outside what a frame can mean are brought in with a line: the
    // most negative int would overflow the playback's count down.
    Anim_Mgr extreme_rates;
    testing::internal::CaptureStdout();
    extreme_rates.load(files.text_file("rates.ini", "images=3 image0=" + shown + " rate0=-2147483648 image1=" + shown +
                                                        " rate1=2147483647 image2=" + shown + " rate2=-1").c_str());
    const std::string rate_log = testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, rate_log.find("WARNING: [rate0] of [" + files.folder + "/rates.ini] is [-2147483648], using [0]"));
    EXPECT_NE(std::string::npos, rate_log.find("WARNING: [rate1] of ["));
    EXPECT_NE(std::string::npos, rate_log.find("WARNING: [rate2] of ["));
    ASSERT_EQ(3u, extreme_rates.frames.size());
    EXPECT_EQ(0, extreme_rates.frames[0].settings.rate);
    EXPECT_EQ(0, extreme_rates.frames[2].settings.rate);
    EXPECT_GT(extreme_rates.frames[1].settings.rate, 0);
    EXPECT_LE(extreme_rates.frames[1].settings.rate, 60 * 60 * 200) << "a frame may not hold for an hour";

    // Drawing what is empty draws nothing and breaks nothing.
    paint_frame(empty_file, 10, 10, 0);
    paint_frame(missing_pictures, 10, 10, 7);
    EXPECT_EQ(0x5A5AC8u, screen_rgb(15, 15)) << "an index past the end draws the last frame";
}

TEST_F(anim_mgr_test, colour_swaps_recolour_private_copies_freed_with_the_definition) {
    const std::string path = files.picture("swapped", 16, 16, 200, 30, 30);
    img_mgr* cached = Image_Manager.get(path.c_str());
    const std::string anim_path = files.text_file("swap.ini", "images=2 image0=" + path + " image1=" + path);
    const int images_before = image_count;
    Anim_Mgr* recoloured = new Anim_Mgr();
    recoloured->colour_swaps.push_back(colour_swap{SDL_MapRGB(screen.surface->format, 200, 30, 30),
                                                   SDL_MapRGB(screen.surface->format, 30, 30, 200)});
    recoloured->load(anim_path.c_str());
    ASSERT_EQ(2u, recoloured->frames.size());
    EXPECT_NE(cached, recoloured->frames[0].image);
    EXPECT_NE(recoloured->frames[0].image, recoloured->frames[1].image);
    EXPECT_EQ(images_before + 2, image_count);

    paint_frame(*recoloured, 0, 0, 0);
    EXPECT_EQ(0x1E1EC8u, screen_rgb(5, 5));
    cached->display(40, 0);
    EXPECT_EQ(0xC81E1Eu, screen_rgb(45, 5)) << "the cached picture keeps its colours";

    delete recoloured;
    EXPECT_EQ(images_before, image_count);
}

TEST_F(anim_mgr_test, scaling_keeps_the_bottom_edge_and_only_x_follows_the_zoom) {
    Anim_Mgr definition;
    definition.load(files.text_file("scaled.ini", "images=1 image0=" + files.picture("scaled", 20, 100, 200, 200, 30)).c_str());
    definition.scale = 2.0;
    paint_frame(definition, 50, 300, 0);
    img_mgr* picture = definition.frames[0].image;
    EXPECT_EQ(200, picture->dst_rect.y);
    EXPECT_EQ(0u, screen_rgb(60, 199));
    EXPECT_EQ(0xC8C81Eu, screen_rgb(60, 200));
    EXPECT_EQ(0xC8C81Eu, screen_rgb(89, 399));
    EXPECT_EQ(0u, screen_rgb(60, 400));
    EXPECT_EQ(0u, screen_rgb(90, 300));

    definition.scale = 1.0;
    definition.owner_scale = 1.0;
    clear_surface_screen();
    paint_frame(definition, 100, 300, 0, 1.5);
    // 100 x 1.5 across; 100 tall at zoom 1.5 grows upward from 400 to 250.
    EXPECT_EQ(150, picture->dst_rect.x);
    EXPECT_EQ(250, picture->dst_rect.y);
    EXPECT_EQ(0xC8C81Eu, screen_rgb(155, 255));
    EXPECT_EQ(0u, screen_rgb(155, 245));
}

TEST_F(anim_mgr_test, a_frame_reports_its_flash_with_its_rate_and_its_shake) {
    Anim_Mgr definition;
    definition.load(files.text_file("effects.ini",
        "images=2 image0=" + files.picture("fx", 10, 10, 90, 90, 90) + " flash0=180 shake0=5 image1=" + files.picture("fx2", 10, 10, 90, 90, 90) + " flash1=120 flashrate1=60").c_str());
    frame_effects asked = paint_frame(definition, 0, 0, 0);
    EXPECT_EQ(180, asked.flash);
    EXPECT_EQ(25, asked.flash_rate) << "the rate a file leaves out";
    EXPECT_EQ(5, asked.shake);
    asked.add(paint_frame(definition, 0, 0, 1));
    EXPECT_EQ(120, asked.flash) << "a later frame's flash takes the place of an earlier one";
    EXPECT_EQ(60, asked.flash_rate);
    EXPECT_EQ(5, asked.shake) << "a frame without shake leaves the one asked for alone";
}

TEST_F(anim_mgr_test, definitions_facing_opposite_ways_share_one_picture) {
    const Uint32 left = 0xC81E1E, right = 0x1E1EC8;
    const std::string path = files.two_halves("facing", 20, 10, left, right);
    const std::string anim_path = files.text_file("facing.ini", "images=1 image0=" + path);
    Anim_Mgr facing_left, facing_right;
    facing_left.load(anim_path.c_str());
    facing_right.load(anim_path.c_str());
    facing_right.mirrored = 1;
    for (int round = 0; round < 2; round++) {
        clear_surface_screen();
        paint_frame(facing_left, 0, 0, 0);
        paint_frame(facing_right, 40, 0, 0);
        EXPECT_EQ(left, screen_rgb(2, 5));
        EXPECT_EQ(right, screen_rgb(17, 5));
        EXPECT_EQ(right, screen_rgb(42, 5));
        EXPECT_EQ(left, screen_rgb(57, 5));
    }
}

}  // namespace
