#include <gtest/gtest.h>

#include <string>

#include "anim/anim_mgr.h"
#include "anim/loading_group.h"
#include "anim/static_scene.h"
#include "gfx/image_cache.h"
#include "tests/anim/anim_fixture.h"

namespace {

class scene_test : public ::testing::Test {
protected:
    void SetUp() override {
        open_test_screen();
        clear_surface_screen();
    }
    anim_files files;
};

TEST_F(scene_test, every_picture_of_every_entry_is_drawn_bottom_anchored_at_its_zoom) {
    Anim_Mgr logo, title;
    logo.add_picture(Image_Manager.get(files.picture("logo", 40, 20, 200, 30, 30).c_str()), 0);
    title.add_picture(Image_Manager.get(files.picture("title_a", 10, 10, 30, 30, 200).c_str()), 0);
    title.add_picture(Image_Manager.get(files.picture("title_b", 10, 10, 30, 200, 30).c_str()), 0);
    static_scene scene;
    EXPECT_EQ(0, scene.add(&logo, 100, 100, 0.5));
    EXPECT_EQ(1, scene.add(&title, 300, 50, 1.0));
    scene.draw();
    // Zoom 0.5: x 100 becomes 50, the 20-high picture shrinks to 10 with its
    // bottom kept at 120.
    EXPECT_EQ(0xC81E1Eu, screen_rgb(52, 112));
    EXPECT_EQ(0u, screen_rgb(52, 108));
    EXPECT_EQ(0u, screen_rgb(71, 112));
    // Both frames of the second entry are drawn, the later on top.
    EXPECT_EQ(0x1EC81Eu, screen_rgb(305, 55));

    // The surface path keeps nothing between draws: every draw paints the
    // whole scene again, entries added since included.
    Anim_Mgr late;
    late.add_picture(Image_Manager.get(files.picture("late", 10, 10, 30, 30, 200).c_str()), 0);
    scene.add(&late, 200, 200, 1.0);
    clear_surface_screen();
    scene.draw();
    EXPECT_EQ(0xC81E1Eu, screen_rgb(52, 112));
    EXPECT_EQ(0x1EC81Eu, screen_rgb(305, 55));
    EXPECT_EQ(0x1E1EC8u, screen_rgb(205, 205));
}

TEST_F(scene_test, loading_progress_plays_the_loading_animation_in_the_bottom_left_corner) {
    const std::string red = files.picture("load_a", 16, 24, 200, 30, 30);
    const std::string blue = files.picture("load_b", 16, 24, 30, 30, 200);
    Anim_Mgr* spinner = new Anim_Mgr();
    spinner->load(files.text_file("loading.ini", "images=2 loop=1 image0=" + red + " rate0=1 image1=" + blue + " rate1=1").c_str());
    loading_group.adopt(spinner);
    loading_group.width = spinner->width;
    loading_group.height = spinner->height;

    const int bottom = screen.height() - 1;
    show_loading_progress(1.0);
    EXPECT_EQ(0xC81E1Eu, screen_rgb(3, bottom));
    EXPECT_EQ(0u, screen_rgb(3, bottom - 24));
    show_loading_progress(1.0);
    EXPECT_EQ(0x1E1EC8u, screen_rgb(3, bottom));
    show_loading_progress(1.0);
    EXPECT_EQ(0xC81E1Eu, screen_rgb(3, bottom)) << "it loops while loading goes on";

    loading_group.clear();
    show_loading_progress(1.0);  // nothing left to play: no crash
}

}  // namespace
