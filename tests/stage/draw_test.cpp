// Stage drawing that must look alike on both paths: test_stage runs these
// cases on the surface path, test_stage_gl through OpenGL.
#include "tests/stage/draw_fixture.h"

namespace {

TEST_F(stage_drawing, shake_swings_and_dies_down) {
    stage.shake = 5;
    std::vector<int> seen;
    for (int frame = 0; frame < 6; frame++) {
        stage.advance();
        stage.draw();
        seen.push_back(stage.shake);
    }
    EXPECT_EQ((std::vector<int>{-4, 3, -2, 1, 0, 0}), seen);
    stage.shake = -3;
    seen.clear();
    for (int frame = 0; frame < 3; frame++) {
        stage.advance();
        stage.draw();
        seen.push_back(stage.shake);
    }
    EXPECT_EQ((std::vector<int>{2, -1, 0}), seen);
}

// Frames shown after the stage advanced ask for the next frame's flash and
// shake: the background of this frame keeps the ones it advanced to.
TEST_F(stage_drawing, effects_asked_after_the_advance_show_from_the_next_frame) {
    stage.flash = 100;
    stage.flash_rate = 25;
    probe::clear();
    stage.advance();
    stage.start_effects(frame_effects{250, 10, 6});
    stage.draw();
    EXPECT_NEAR(100, (int)(probe::grab().at(320, 240) >> 16), 2);
    EXPECT_EQ(6, stage.shake);
    probe::clear();
    stage.advance();
    stage.draw();
    EXPECT_NEAR(250, (int)(probe::grab().at(320, 240) >> 16), 2);
    EXPECT_EQ(240, stage.flash);
    EXPECT_EQ(-5, stage.shake);
}

TEST_F(stage_drawing, flash_fades_by_its_rate) {
    stage.flash = 200;
    stage.flash_rate = 25;
    for (int opacity = 200; opacity > 0; opacity -= 25) {
        probe::clear();
        stage.advance();
        stage.draw();
        const int red = probe::grab().at(320, 240) >> 16;
        EXPECT_NEAR(opacity, red, 2) << "flash of " << opacity;
    }
    EXPECT_EQ(0, stage.flash);
    probe::clear();
    stage.advance();
    stage.draw();
    EXPECT_EQ(BLACK, probe::grab().at(320, 240));
}

TEST_F(stage_drawing, planes_scroll_by_their_parallax_fractions) {
    load_parallax_stage(false);
    stage.shake = 3;  // -2 once this frame advances it
    draw(300, 1.0);
    const probe::shot taken = probe::grab();
    EXPECT_EQ(98, fixture::column_of(taken.at(0, screen_row(20, 1))));
    EXPECT_EQ(1, fixture::plane_of(taken.at(0, screen_row(20, 1))));
    EXPECT_EQ(148, fixture::column_of(taken.at(0, screen_row(60, 1))));
    EXPECT_EQ(2, fixture::plane_of(taken.at(0, screen_row(60, 1))));
    EXPECT_EQ(298, fixture::column_of(taken.at(0, screen_row(100, 1))));
    EXPECT_EQ(3, fixture::plane_of(taken.at(0, screen_row(100, 1))));
    EXPECT_EQ(298 + 639, fixture::column_of(taken.at(639, screen_row(100, 1))));
}

// Zoomed out, each plane takes a wider slice of its picture so that it
// still reaches the right edge, starting from the same parallax offset.
TEST_F(stage_drawing, zoomed_out_planes_fill_the_screen_width) {
    load_parallax_stage(false);
    for (double zoom : {0.5, 0.68, 0.8}) {
        draw(300, zoom);
        const probe::shot taken = probe::grab();
        const int offsets[] = {100, 150, 300};
        for (int plane = 0; plane < 3; plane++) {
            const int row = screen_row(plane * 40 + 30, zoom);
            EXPECT_NEAR(offsets[plane], fixture::column_of(taken.at(0, row)), 2) << "zoom " << zoom << " plane " << plane;
            EXPECT_NEAR(offsets[plane] + 320 / zoom, fixture::column_of(taken.at(320, row)), 3)
                << "zoom " << zoom << " plane " << plane;
            EXPECT_EQ(plane + 1, fixture::plane_of(taken.at(639, row))) << "zoom " << zoom << " plane " << plane;
        }
    }
}

// The front layer's solid rows hide the sky band and the planes behind, so
// those are not drawn there; everything that shows must still be drawn: the
// sky above the band, the middle plane right down to the front layer's
// edge, and all of it when the front layer's window runs past its picture.
TEST_F(stage_drawing, rows_under_the_front_layer_are_skipped_without_a_gap) {
    const Uint32 sky_colour = 0x3984C6;
    const std::vector<std::string> pictures = {
        folder.picture("far", BAND_W, BAND_H, fixture::flat(fixture::KEY_GREEN)),
        folder.picture("middle", BAND_W, BAND_H, fixture::columns(2, 40, BAND_H)),
        folder.picture("near", BAND_W, BAND_H, fixture::columns(3, 80, BAND_H)),
        folder.picture("sky", BAND_W, 4 * BAND_H, fixture::flat(sky_colour))};
    stage.load(folder.stage(pictures, "length=2 part0=0 part0parallax=2 part0parallax0=1 part0parallax1=2 part1=3")
                   .c_str());
    // The sky band reaches from row 240 to the bottom of the screen.
    const int sky_top = 240;
    for (int scroll : {300, 1400}) {
        for (double zoom : {0.5, 0.68, 1.0}) {
            SCOPED_TRACE(testing::Message() << "scroll " << scroll << " zoom " << zoom);
            draw(scroll, zoom);
            const probe::shot taken = probe::grab();
            EXPECT_EQ(0, taken.count(0, sky_top, probe::SCREEN_W, probe::SCREEN_H - sky_top, BLACK));
            EXPECT_EQ(sky_colour, taken.at(320, screen_row(20, zoom)));
            EXPECT_EQ(2, fixture::plane_of(taken.at(320, screen_row(76, zoom))));
            EXPECT_EQ(3, fixture::plane_of(taken.at(320, screen_row(100, zoom))));
            // The clip is lifted again: a clear reaches the whole screen.
            screen.clear_screen();
            EXPECT_EQ(probe::SCREEN_W * probe::SCREEN_H,
                      probe::grab().count(0, 0, probe::SCREEN_W, probe::SCREEN_H, BLACK));
        }
    }
}

// Leaving out what the front layer hides is only a saving: at every camera
// (scrolling right and back left, zoomed in and out, raised and lowered,
// shaking) the screen must be what drawing every plane whole gives. Both the
// road stage and a band whose front layer is solid from its first stored
// row, which a raised camera's window cuts into.
TEST_F(stage_drawing, skipping_hidden_rows_draws_what_the_plain_drawing_draws) {
    const std::vector<std::string> pictures = {
        folder.picture("far", BAND_W, BAND_H, fixture::flat(fixture::KEY_GREEN)),
        folder.picture("middle", BAND_W, BAND_H, fixture::columns(2, 40, BAND_H)),
        folder.picture("near", BAND_W, BAND_H, fixture::columns(3, 80, BAND_H)),
        folder.picture("sky", BAND_W, 4 * BAND_H, fixture::flat(0x3984C6))};
    std::vector<std::string> stages = {
        folder.stage(pictures, "length=2 part0=0 part0parallax=2 part0parallax0=1 part0parallax1=2 part1=3")};
    const char* road = "rsrc/road/stage_road.ini";
    if (access(road, R_OK) == 0) stages.push_back(road);
    int cameras = 0, differing = 0;
    for (const std::string& file : stages) {
        stage.unload();
        stage.load(file.c_str());
        for (int scroll_x : {0, 123, 700, 300}) {
            for (double zoom : {0.5, 0.68, 0.85, 1.0, 1.2}) {
                for (int scroll_y : {-60, -7, 0, 7, 11, 30}) {
                    std::vector<probe::shot> taken;
                    for (bool skip : {true, false}) {
                        stage.skip_hidden_rows = skip;
                        stage.shake = scroll_x % 2 ? -3 : 2;
                        stage.scroll_y = scroll_y;
                        draw(scroll_x, zoom);
                        taken.push_back(probe::grab());
                    }
                    cameras++;
                    if (taken[0].rgb == taken[1].rgb) continue;
                    differing++;
                    ADD_FAILURE() << file << " scroll_x " << scroll_x << " zoom " << zoom << " scroll_y " << scroll_y;
                }
            }
        }
    }
    EXPECT_EQ(0, differing) << "of " << cameras << " cameras";
}

// A raised camera lifts each plane by its parallax fraction of scroll_y
// (the band 6 / 3 = 2 rows, the middle layer 3, the front layer 6) and the
// floor strip by scroll_y times the zoom.
TEST_F(stage_drawing, a_raised_camera_lifts_planes_by_their_fractions_and_the_floor_by_the_zoom) {
    load_parallax_stage(true);
    stage.scroll_y = 6;
    draw(0, 1.0);
    const probe::shot taken = probe::grab();
    EXPECT_EQ(3, fixture::plane_of(taken.at(10, 453)));
    EXPECT_EQ(FLOOR_COLOUR, taken.at(10, 454));
    EXPECT_EQ(FLOOR_COLOUR, taken.at(10, 473));
    EXPECT_EQ(2, fixture::plane_of(taken.at(10, 474)));
    EXPECT_EQ(2, fixture::plane_of(taken.at(10, 476)));
    EXPECT_EQ(1, fixture::plane_of(taken.at(10, 477)));
    EXPECT_EQ(BLACK, taken.at(10, 478));

    const auto floor_top = [this](int scroll_y) {
        stage.scroll_y = scroll_y;
        draw(0, 0.5);
        const probe::shot zoomed = probe::grab();
        for (int row = 0; row < probe::SCREEN_H; row++)
            if (zoomed.at(320, row) == FLOOR_COLOUR) return row;
        return -1;
    };
    EXPECT_EQ(floor_top(0) - 3, floor_top(6));
}

TEST_F(stage_drawing, floor_strip_lies_along_the_front_layer) {
    load_parallax_stage(true);
    draw(200, 1.0);
    probe::shot taken = probe::grab();
    EXPECT_EQ(FLOOR_COLOUR, taken.at(10, 470));
    EXPECT_EQ(3, fixture::plane_of(taken.at(10, 455)));

    stage.unload();
    load_parallax_stage(false);
    draw(200, 1.0);
    taken = probe::grab();
    EXPECT_EQ(0, taken.count(0, 0, probe::SCREEN_W, probe::SCREEN_H, FLOOR_COLOUR));
}

// A road-like strip: a kerb along its far edge, lane marks low down. Zoomed
// out, both paths show all of it, the lane marks included.
TEST_F(stage_drawing, zoomed_out_floor_shows_the_whole_strip) {
    const Uint32 kerb = 0x848484;
    const Uint32 lane = 0xE7C639;
    load_parallax_stage(true, BAND_H, [=](int x, int y) {
        if (y < 4) return kerb;
        return y >= 66 && y < 72 && x % 160 < 80 ? lane : FLOOR_COLOUR;
    });
    for (double zoom : {0.5, 0.68, 0.85}) {
        draw(0, zoom);
        const probe::shot taken = probe::grab();
        const int top = screen_row(0, zoom);
        const int rows = probe::SCREEN_H - top;
        EXPECT_GT(taken.count(0, top, probe::SCREEN_W, rows, kerb), 0) << "zoom " << zoom;
        EXPECT_GT(taken.count(0, top, probe::SCREEN_W, rows, lane), 0) << "zoom " << zoom;
        EXPECT_GT(taken.count(0, top, probe::SCREEN_W, rows, FLOOR_COLOUR), 0) << "zoom " << zoom;
    }
}

TEST_F(stage_drawing, a_band_is_drawn_while_any_row_of_it_is_on_screen) {
    const Uint32 sky = 0x4284C6;
    stage.load(folder.stage({folder.picture("sky", 700, 100, fixture::flat(sky))}, "length=1 part0=0").c_str());
    struct placement {
        int y;
        bool drawn;
    };
    for (placement at : {placement{-99, true}, placement{-100, false}, placement{479, true}, placement{480, false}}) {
        stage.bottom_y = at.y;
        draw(0, 1.0);
        const probe::shot taken = probe::grab();
        EXPECT_EQ(at.drawn, taken.count(0, 0, probe::SCREEN_W, probe::SCREEN_H, sky) > 0) << "band at y " << at.y;
    }
    // A plain band is not zoomed: it fills the width at any camera zoom.
    stage.bottom_y = 300;
    draw(50, 0.5);
    EXPECT_EQ(640 * 100, probe::grab().count(0, 300, probe::SCREEN_W, 100, sky));
}

// The game's own stage at the cameras a match uses: every plane reaches
// both screen edges. With BRAWLER_STAGE_SHOTS set to a folder, each view is
// saved there for a look by eye.
TEST_F(stage_drawing, road_stage_fills_the_screen_at_match_cameras) {
    const char* road = "rsrc/road/stage_road.ini";
    if (access(road, R_OK) != 0) GTEST_SKIP() << "no road stage in this tree";
    ::testing::internal::CaptureStdout();
    stage.load(road);
    fflush(stdout);
    const std::string log = ::testing::internal::GetCapturedStdout();
    for (const char* line : {"load level\n", "loading [rsrc/road/stage_road.ini]\n", "Has loop\n", "Has floor\n",
                             "Added layer[", "level: insert img#[", "Copying layered segment\n", "reset at [",
                             "done loading\n", "ml["}) {
        EXPECT_NE(std::string::npos, log.find(line)) << line;
    }
    struct camera {
        int scroll_x;
        double zoom;
        int flash;
    };
    const char* shots = getenv("BRAWLER_STAGE_SHOTS");
    for (camera at : {camera{0, 1.0, 0}, camera{300, 0.68, 0}, camera{640, 1.0, 0}, camera{0, 0.5, 0},
                      camera{150, 0.85, 120}}) {
        stage.flash = at.flash;
        stage.flash_rate = 25;
        draw(at.scroll_x, at.zoom);
        const probe::shot taken = probe::grab();
        const std::string view = std::string(DRAW_ON_GL ? "road_gl" : "road_sw") + "_x" +
                                 std::to_string(at.scroll_x) + "_z" + std::to_string(int(at.zoom * 100));
        for (int row : {probe::SCREEN_H - 1, probe::SCREEN_H - 60, probe::SCREEN_H / 2, 10})
            EXPECT_EQ(0, taken.count(0, row, probe::SCREEN_W, 1, BLACK)) << view << " row " << row;
        if (shots) probe::save_screen(std::string(shots) + "/" + view, false);
    }
}

}  // namespace
