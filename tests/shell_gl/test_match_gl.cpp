// A series on the OpenGL path: the same frames as on surfaces must show the
// stage, both fighters, the life bars, a round-win dot and a spark.
#include <cstdlib>

#include "objects/projectile.h"
#include "tests/gfx_text/screen_probe.h"
#include "tests/shell/match_fixture.h"

namespace {

// Colours drawn from 16-bit textures come back slightly off.
int near_count(const probe::shot& taken, int x, int y, int w, int h, Uint32 rgb, int tolerance) {
    int found = 0;
    for (int py = y; py < y + h; py++) {
        for (int px = x; px < x + w; px++) {
            const Uint32 got = taken.at(px, py);
            bool near = true;
            for (int shift = 0; shift <= 16; shift += 8) {
                near = near && abs((int)((got >> shift) & 255) - (int)((rgb >> shift) & 255)) <= tolerance;
            }
            found += near;
        }
    }
    return found;
}

class match_on_gl : public match_test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(probe::open_screen(true)); }
};

TEST_F(match_on_gl, a_guarded_projectile_shows_its_spark_among_fighters_bars_and_dots) {
    ASSERT_TRUE(screen.is_gl());
    start();
    place(300, 700);
    frames(1);
    left().wins = 1;
    right().life = 60;
    quiet([&] { projectile::launch(left()); });
    hold_only(SDLK_RIGHT);
    int ran = 0;
    while (effects.empty() && ran++ < 100) frames(1);
    ASSERT_FALSE(effects.empty());

    const probe::shot taken = probe::grab();
    probe::save_screen("match_gl");
    EXPECT_GT(near_count(taken, 0, 100, 640, 200, match_data::STAGE_RGB, 8), 50000);
    // The left fighter standing, the right one in its guard picture.
    EXPECT_GT(near_count(taken, 0, 250, 640, 230, 0xC80028, 12), 500);
    EXPECT_GT(near_count(taken, 0, 250, 640, 230, 0xC88C28, 12), 500);
    // Both life bars, the right one with fresh damage, and a win dot.
    EXPECT_GT(taken.count(18, 12, 230, 9, 0xF6CE7F), 1500);
    EXPECT_GT(taken.count(392, 12, 230, 9, 0xF6CE7F), 1000);
    EXPECT_GT(taken.count(392, 12, 230, 9, 0xFA2D40), 300);
    EXPECT_EQ(0xF6CE7Fu, taken.at(21, 31));
    EXPECT_GT(near_count(taken, 0, 200, 640, 280, 0xFFFF00, 8), 100);
}

// Training on OpenGL: the hit boxes outlined over the fighters; paused, the
// same picture darkened under the pause list.
TEST_F(match_on_gl, training_outlines_the_boxes_and_a_pause_darkens_the_picture) {
    request.mode = match_request::TRAINING;
    start();
    place(300, 500);
    frames(3);
    const probe::shot playing = probe::grab();
    probe::save_screen("training_gl");
    EXPECT_GT(playing.count(0, 100, 640, 380, 0x00FFFF), 150);
    EXPECT_GT(playing.count(0, 100, 640, 380, 0xFFFF00), 150);

    platform::set_key(SDLK_p, true);
    frames(1);
    platform::set_key(SDLK_p, false);
    frames(1);
    ASSERT_TRUE(series->paused());
    const probe::shot paused = probe::grab();
    probe::save_screen("paused_gl");
    EXPECT_LT(near_count(paused, 0, 100, 640, 200, match_data::STAGE_RGB, 8), 1000);
    const Uint32 shaded = ((0x3C * 95 / 255) << 16) | ((0x5A * 95 / 255) << 8) | (0x78 * 95 / 255);
    EXPECT_GT(near_count(paused, 0, 100, 640, 200, shaded, 8), 30000);
    EXPECT_GT(paused.count(0, 0, 640, 480, 0xFFFFFF), 500) << "no pause list";
}

// A round time shows its seconds between the life bars.
TEST_F(match_on_gl, a_round_time_shows_between_the_bars) {
    request.round_seconds = 9;
    start();
    frames(2);
    EXPECT_GT(near_count(probe::grab(), 270, 0, 100, 40, 0xF6CE7F, 40), 30);
}

}  // namespace

namespace {

// A frame painted on this path and the same frame stepped again without
// painting leave the same state: drawing decides nothing it doesn't also
// decide unseen.
TEST_F(match_on_gl, the_sync_test_finds_no_mismatch) {
    request.mode = match_request::DEMO;
    request.synctest_frames = 8;
    start();
    left().life = 30;
    right().life = 30;
    for (int ran = 0; ran < 20 * FPS && !series->round_done(); ran++) frames(1);
    EXPECT_GT(series->sync_check().rollbacks(), 100);
    EXPECT_EQ(0, series->sync_check().mismatches());
}

}  // namespace
