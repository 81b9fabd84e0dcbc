#include <cstdio>

#include "gfx/zoom_cache.h"
#include "tests/gfx/sw_fixture.h"

namespace {

class zoom_cache_use : public surface_path {
protected:
    void TearDown() override { zoom_cache::set_budget(zoom_cache::DEFAULT_BUDGET); }
};

TEST(zoom_key, combines_both_zooms_and_the_angle) {
    EXPECT_EQ(zoom_key(1.5f, 1.5f, 0), 385);
    EXPECT_EQ(zoom_key(0.5f, 2.0f, 0), 130);
    EXPECT_EQ(zoom_key(1.0f, 1.0f, 330), 330 * 65536 + 257);
    // Distinct pairs may meet on one key; the cache tells them apart.
    EXPECT_EQ(zoom_key(1.0f, 2.0f, 0), zoom_key(1.0f + 1.0f / 256, 1.0f, 0));
    EXPECT_EQ(floor_key(0.5), 12);
    EXPECT_EQ(floor_key(1.04), 26);
}

TEST_F(zoom_cache_use, a_version_is_made_once_per_zoom_angle_and_facing) {
    img_mgr picture;
    load_picture_file(picture, "cached", 40, 40, {0, 0, 40, 40}, RED);
    picture.display(0, 0, screen.surface, 1.5f, 1.5f, 0);
    EXPECT_EQ(picture.zcache.size(), 1u);
    testing::internal::CaptureStdout();
    picture.display(0, 0, screen.surface, 1.5f, 1.5f, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout().find("saving"), std::string::npos);
    EXPECT_EQ(picture.zcache.size(), 1u);
    picture.mirror();
    picture.display(0, 0, screen.surface, 1.5f, 1.5f, 0);
    EXPECT_EQ(picture.zcache.size(), 2u);
    // -30 degrees is drawn as 330, and 725 as 5.
    picture.display(0, 0, screen.surface, 1.0f, 1.0f, -30);
    picture.display(0, 0, screen.surface, 1.0f, 1.0f, 330);
    EXPECT_EQ(picture.zcache.size(), 3u);
    picture.display(0, 0, screen.surface, 1.0f, 1.0f, 725);
    picture.display(0, 0, screen.surface, 1.0f, 1.0f, 5);
    EXPECT_EQ(picture.zcache.size(), 4u);
    // Zoom 1 without rotation draws the picture itself.
    picture.display(0, 0);
    EXPECT_EQ(picture.zcache.size(), 4u);
}

// A fighter's shadow is its picture squashed to zoom y 0.1; at a camera zoom
// of 0.75 both have the key 192. The picture must not come from the shadow's
// version, nor the floor's versions from a picture's.
TEST_F(zoom_cache_use, pairs_on_one_key_keep_their_own_versions) {
    img_mgr picture;
    load_picture_file(picture, "shadowed", 40, 40, {0, 0, 40, 40}, RED);
    ASSERT_EQ(zoom_key(0.75f, 0.1f, 0), zoom_key(0.75f, 0.75f, 0));
    picture.display(0, 0, screen.surface, 0.75f, 0.1f, 0);
    expect_area(painted(), {0, 0, 30, 4});
    clear();
    picture.display(0, 0, screen.surface, 0.75f, 0.75f, 0);
    expect_area(painted(), {0, 0, 30, 30});
    EXPECT_EQ(picture.zcache.size(), 2u);
    // Both versions are found again: no third one is made.
    picture.display(0, 0, screen.surface, 0.75f, 0.1f, 0);
    picture.display(0, 0, screen.surface, 0.75f, 0.75f, 0);
    EXPECT_EQ(picture.zcache.size(), 2u);

    // Floor key trunc(1.04 x 25) = 26 meets picture key trunc(0.1 x 256 + 0.4).
    ASSERT_EQ(floor_key(1.04), zoom_key(0.1f, 0.4f, 0));
    clear();
    picture.display(0, 0, screen.surface, 0.1f, 0.4f, 0);
    picture.display_floor(0, 0, screen.surface, 1.04, 1.0);
    // The floor's rows are 41 wide; the picture's version is 4 x 16.
    EXPECT_EQ(pixel(20, 30), RED);
}

TEST_F(zoom_cache_use, live_conversion_keeps_nothing) {
    img_mgr picture;
    load_picture_file(picture, "live", 40, 40, {0, 0, 40, 40}, RED);
    picture.live_convert = 1;
    const size_t before = zoom_cache::bytes_in_use();
    picture.display(0, 0, screen.surface, 1.5f, 1.5f, 0);
    EXPECT_EQ(picture.zcache.size(), 0u);
    EXPECT_EQ(zoom_cache::bytes_in_use(), before);
    EXPECT_EQ(pixel(50, 50), RED);
}

// Sweeps a fighter-sized picture through zooms 0.5 to 2.0 the way the match
// camera does, and returns the bytes the cache holds afterwards.
size_t sweep(img_mgr& picture) {
    for (int step = 0; step <= 150; step++) {
        const float zoom = 0.5f + step * 0.01f;
        picture.display(0, 0, screen.surface, zoom, zoom, 0);
    }
    return zoom_cache::bytes_in_use();
}

TEST_F(zoom_cache_use, sweeping_the_zoom_stays_within_the_byte_budget) {
    const std::string file = picture_file("fighter", 100, 110, {0, 0, 100, 110}, RED);
    zoom_cache::set_budget((size_t)-1);
    size_t unbounded = 0;
    {
        img_mgr picture;
        picture.load(file.c_str());
        unbounded = sweep(picture);
        EXPECT_EQ(picture.zcache.size(), 150u);  // zoom 1.0 draws the picture itself
    }
    EXPECT_EQ(zoom_cache::bytes_in_use(), 0u);

    const size_t budget = 1024 * 1024;
    zoom_cache::set_budget(budget);
    img_mgr picture;
    picture.load(file.c_str());
    const size_t bounded = sweep(picture);
    printf("zoom cache after a 0.5-2.0 sweep of a 100x110 picture: unbounded %zu bytes, budget %zu: %zu bytes in %zu versions\n",
           unbounded, budget, bounded, picture.zcache.size());
    EXPECT_GT(unbounded, budget);
    EXPECT_LE(bounded, budget);
    EXPECT_GT(picture.zcache.size(), 0u);

    // The most recent zooms are still there; the first ones went.
    testing::internal::CaptureStdout();
    picture.display(0, 0, screen.surface, 2.0f, 2.0f, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout().find("saving"), std::string::npos);
    testing::internal::CaptureStdout();
    picture.display(0, 0, screen.surface, 0.5f, 0.5f, 0);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("saving"), std::string::npos);
}

TEST_F(zoom_cache_use, the_budget_is_shared_and_the_least_recently_drawn_goes_first) {
    img_mgr first;
    const std::string file = load_picture_file(first, "pair", 100, 100, {0, 0, 100, 100}, RED);
    img_mgr second;
    second.load(file.c_str());
    first.display(0, 0, screen.surface, 1.5f, 1.5f, 0);
    const size_t one_version = zoom_cache::bytes_in_use();
    second.display(0, 0, screen.surface, 1.5f, 1.5f, 0);
    first.display(0, 0, screen.surface, 1.5f, 1.5f, 0);  // first is now the more recent
    zoom_cache::set_budget(one_version);
    EXPECT_EQ(first.zcache.size(), 1u);
    EXPECT_EQ(second.zcache.size(), 0u);
    // A version larger than the whole budget is drawn and not kept.
    zoom_cache::set_budget(one_version / 2);
    second.display(0, 0, screen.surface, 1.5f, 1.5f, 0);
    EXPECT_EQ(second.zcache.size(), 0u);
    EXPECT_EQ(pixel(140, 140), RED);
}

}  // namespace
