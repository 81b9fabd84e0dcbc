#ifndef TESTS_GFX_PLACEMENT_CASES_H
#define TESTS_GFX_PLACEMENT_CASES_H

// Where one trimmed picture must land, facing either way and zoomed: the
// same answers hold on the surface path and on both OpenGL programs.
#include "tests/gfx/picture_files.h"

// A 64 x 64 picture whose visible part is 40 x 30 at (10, 20), so trimming
// moves it and a mirrored draw must turn it about the logical rectangle.
const int PLACED_SIZE = 64;
const area PLACED_VISIBLE = {10, 20, 50, 50};

struct placement_case {
    const char* name;
    bool mirrored;
    int x, y;
    float zoom;
    area expected;
    // The marker pixel (the visible box's top-left corner in the file).
    int marker_x, marker_y;
};

const placement_case PLACEMENTS[] = {
    {"plain", false, 50, 60, 1.0f, {60, 80, 100, 110}, 60, 80},
    {"mirrored", true, 50, 60, 1.0f, {64, 80, 104, 110}, 103, 80},
    {"zoomed", false, 20, 10, 2.0f, {40, 50, 120, 110}, 40, 50},
    {"mirrored_zoomed", true, 20, 10, 2.0f, {48, 50, 128, 110}, 127, 50},
};

// The placed picture, mirrored and zoomed six times past a 320 x 240 screen
// with its centre on the screen's centre: the visible part, turned, spans
// logical columns 14-54 and rows 20-50. Paths that zoom only the visible
// centre round its scale a little, hence the slack.
const int PAST_THE_SCREEN_ZOOM = 6;
const int PAST_THE_SCREEN_X = 160 - PLACED_SIZE * PAST_THE_SCREEN_ZOOM / 2;
const int PAST_THE_SCREEN_Y = 120 - PLACED_SIZE * PAST_THE_SCREEN_ZOOM / 2;
const area PAST_THE_SCREEN_AREA = {PAST_THE_SCREEN_X + 14 * 6, PAST_THE_SCREEN_Y + 20 * 6, PAST_THE_SCREEN_X + 54 * 6,
                                   PAST_THE_SCREEN_Y + 50 * 6};
const int PAST_THE_SCREEN_SLACK = 4;
// Inside the turned marker (logical column 53, row 20) on every path.
const int PAST_THE_SCREEN_MARKER_X = 288, PAST_THE_SCREEN_MARKER_Y = 51;

inline void expect_area_near(const area& got, const area& want, int slack) {
    EXPECT_NEAR(got.left, want.left, slack);
    EXPECT_NEAR(got.top, want.top, slack);
    EXPECT_NEAR(got.right, want.right, slack);
    EXPECT_NEAR(got.bottom, want.bottom, slack);
}

// A white 20 x 20 picture at half opacity, drawn as it is at (10, 10) and
// twice as large at (50, 10): both must show half of it over black.
inline void draw_half_faded(img_mgr& picture, const std::string& name) {
    load_picture_file(picture, name, 20, 20, {0, 0, 20, 20}, WHITE);
    picture.set_alpha(128);
    picture.display(10, 10);
    picture.display(50, 10, screen.surface, 2.0f, 2.0f, 0);
}

inline std::string placed_picture_file() {
    return picture_file("placed", PLACED_SIZE, PLACED_SIZE, PLACED_VISIBLE, RED);
}

#endif
