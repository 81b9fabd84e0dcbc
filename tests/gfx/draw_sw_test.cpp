#include <SDL/SDL_rotozoom.h>

#include <vector>

#include "gfx/surface_convert.h"
#include "tests/gfx/placement_cases.h"
#include "tests/gfx/sw_fixture.h"

namespace {

class draw_sw : public surface_path {};

TEST_F(draw_sw, trimmed_pictures_land_where_the_whole_picture_would_facing_either_way) {
    const std::string file = placed_picture_file();
    for (const placement_case& c : PLACEMENTS) {
        SCOPED_TRACE(c.name);
        clear();
        img_mgr picture;
        picture.load(file.c_str());
        if (c.mirrored) picture.mirror();
        picture.display(c.x, c.y, screen.surface, c.zoom, c.zoom, 0);
        expect_area(painted(), c.expected);
        EXPECT_EQ(pixel(c.marker_x, c.marker_y), YELLOW);
        EXPECT_EQ(count(GREEN), 0);
    }
}

TEST_F(draw_sw, pure_green_never_shows_at_any_zoom_or_angle) {
    img_mgr picture;
    load_picture_file(picture, "keyed", 40, 40, {5, 5, 35, 35}, RED);
    // A hole of key colour in the middle of the visible part.
    SDL_Surface* pixels = picture.surface.pixels();
    SDL_Rect hole = {10, 10, 10, 10};
    SDL_FillRect(pixels, &hole, SDL_MapRGB(pixels->format, 0, 255, 0));
    const float zooms[] = {1.0f, 1.5f, 0.5f};
    for (float zoom : zooms) {
        for (int angle : {0, 30}) {
            clear();
            picture.display(100, 100, screen.surface, zoom, zoom, angle);
            EXPECT_EQ(count(GREEN), 0) << "zoom " << zoom << " angle " << angle;
            EXPECT_GT(count(RED), 0);
        }
    }
    // The hole shows the background at zoom 1.
    clear();
    picture.display(100, 100);
    EXPECT_EQ(pixel(100 + 5 + 15, 100 + 5 + 15), BLACK);
}

TEST_F(draw_sw, a_rotated_picture_leaves_its_uncovered_corners_transparent) {
    img_mgr picture;
    load_picture_file(picture, "turned", 40, 40, {0, 0, 40, 40}, RED);
    picture.display(100, 100, screen.surface, 1.0f, 1.0f, 45);
    // The rotated square's bounding box corners stay background.
    const area box = painted();
    EXPECT_EQ(pixel(box.left, box.top), BLACK);
    EXPECT_EQ(pixel(box.right - 1, box.bottom - 1), BLACK);
    EXPECT_GT(box.right - box.left, 50);
}

TEST_F(draw_sw, opacity_blends_with_what_is_underneath_on_every_draw) {
    img_mgr picture;
    draw_half_faded(picture, "faded");
    picture.mirror();
    picture.display(120, 10);
    for (int x : {15, 60, 125}) {
        const rgb c = pixel(x, 15);
        EXPECT_NEAR(c.r, 128, 3) << "at x " << x;
        EXPECT_EQ(c.r, c.b);
    }
    // Back to opaque.
    picture.set_alpha(255);
    picture.display(200, 10, screen.surface, 2.0f, 2.0f, 0);
    EXPECT_EQ(pixel(205, 15).r, 255);
}

TEST_F(draw_sw, display_scaled_keeps_the_bottom_edge_and_display_zoomed_scales_the_position) {
    img_mgr picture;
    load_picture_file(picture, "scaled", 100, 80, {0, 0, 100, 80}, RED);
    picture.display_scaled(40, 100, screen.surface, 0.5);
    // x: 40 x 0.5 = 20; y: 100 + 80 - 40 = 140; 50 x 40 pixels.
    expect_area(painted(), {20, 140, 70, 180});
    EXPECT_EQ(picture.dst_rect.x, 20);
    EXPECT_EQ(picture.dst_rect.y, 140);
    // The rectangles are reset to the logical picture after a draw.
    EXPECT_EQ(picture.src_rect.w, 100);
    EXPECT_EQ(picture.dst_rect.w, 100);

    clear();
    picture.display_zoomed(40, 100, 0.5, 0.5);
    expect_area(painted(), {20, 50, 70, 90});
}

TEST_F(draw_sw, a_source_rectangle_draws_part_of_the_picture) {
    img_mgr picture;
    load_picture_file(picture, "part", 40, 20, {0, 0, 40, 20}, RED);
    picture.src_rect.w = 10;
    picture.display(0, 0);
    expect_area(painted(), {0, 0, 10, 20});
    EXPECT_EQ(picture.src_rect.w, 40);
}

TEST_F(draw_sw, the_tiled_backdrop_repeats_every_115_by_140_pixels) {
    SDL_Surface* tile = make_picture(128, 128, {0, 0, 128, 128}, BLUE);
    const std::string file = save_picture(tile, "tile");
    img_mgr picture;
    picture.load(file.c_str());
    picture.display_tiled(0, 0, 300, 200);
    // Each tile's top-left corner is the yellow marker, zoomed to 115 x 140.
    for (int x : {0, 115, 230}) {
        for (int y : {0, 140}) EXPECT_EQ(pixel(x, y), YELLOW) << x << "," << y;
    }
    EXPECT_EQ(pixel(114, 139), BLUE);
    EXPECT_EQ(picture.zcache.size(), 1u);
}

TEST_F(draw_sw, the_floor_recedes_row_by_row) {
    // Rows of alternating colours so that repeated and shifted rows show.
    SDL_Surface* floor = SDL_CreateRGBSurface(SDL_SWSURFACE, 64, 16, 24, 0xFF, 0xFF00, 0xFF0000, 0);
    for (int y = 0; y < 16; y++) {
        SDL_Rect row = {0, (Sint16)y, 64, 1};
        SDL_FillRect(floor, &row, y % 2 ? SDL_MapRGB(floor->format, 255, 0, 0) : SDL_MapRGB(floor->format, 0, 0, 255));
    }
    const std::string file = save_picture(floor, "floor");
    img_mgr picture;
    picture.load(file.c_str());
    picture.display_floor(100, 100, screen.surface, 0.5, 1.0);
    // Zoom 0.5: a 32 x 8 strip from x 50, y 100 + (16 - 8); row i starts i/2 further left.
    for (int row = 0; row < 8; row++) {
        const int left = 50 - row / 2;
        EXPECT_NE(pixel(left, 108 + row), BLACK) << "row " << row;
        EXPECT_EQ(pixel(left - 1, 108 + row), BLACK) << "row " << row;
    }
    EXPECT_EQ(picture.zcache.size(), 1u);
    // Zoom 1 is a plain draw.
    clear();
    picture.display_floor(0, 0, screen.surface, 1.0, 1.0);
    expect_area(painted(), {0, 0, 64, 16});
}

TEST_F(draw_sw, a_zoom_past_the_screen_grabs_the_visible_centre_only) {
    // 4 x 4 blocks of distinct colours over a screen-sized picture.
    SDL_Surface* big = SDL_CreateRGBSurface(SDL_SWSURFACE, 320, 240, 24, 0xFF, 0xFF00, 0xFF0000, 0);
    for (int by = 0; by < 4; by++) {
        for (int bx = 0; bx < 4; bx++) {
            SDL_Rect block = {(Sint16)(bx * 80), (Sint16)(by * 60), 80, 60};
            SDL_FillRect(big, &block, SDL_MapRGB(big->format, (Uint8)(bx * 60 + 10), (Uint8)(by * 60 + 10), 200));
        }
    }
    const std::string file = save_picture(big, "big");
    img_mgr picture;
    picture.load(file.c_str());
    picture.display(0, 0, screen.surface, 2.0f, 2.0f, 0);
    // The centre 160 x 120 (from 80, 60) fills the screen: blocks (1,1) to (2,2).
    EXPECT_EQ(pixel(0, 0), (rgb{70, 70, 200}));
    EXPECT_EQ(pixel(319, 239), (rgb{130, 130, 200}));
    EXPECT_EQ(pixel(159, 119), (rgb{70, 70, 200}));
    EXPECT_EQ(pixel(160, 120), (rgb{130, 130, 200}));
    // A patch belongs to this destination: it is not kept for later draws.
    EXPECT_EQ(picture.zcache.size(), 0u);
}

TEST_F(draw_sw, a_mirrored_trimmed_picture_zoomed_past_the_screen_shows_its_own_centre) {
    img_mgr picture;
    picture.load(placed_picture_file().c_str());
    picture.mirror();
    picture.display(PAST_THE_SCREEN_X, PAST_THE_SCREEN_Y, screen.surface, PAST_THE_SCREEN_ZOOM, PAST_THE_SCREEN_ZOOM, 0);
    expect_area_near(painted(), PAST_THE_SCREEN_AREA, PAST_THE_SCREEN_SLACK);
    EXPECT_EQ(pixel(PAST_THE_SCREEN_MARKER_X, PAST_THE_SCREEN_MARKER_Y), YELLOW);
}

TEST_F(draw_sw, broken_pictures_draw_nothing_and_do_not_crash) {
    img_mgr missing;
    missing.load("no/such/file.png");
    EXPECT_FALSE(missing.has_surface());
    missing.display(10, 10);
    missing.display(10, 10, screen.surface, 2.0f, 2.0f, 30);
    missing.display_floor(0, 0, screen.surface, 0.5, 1.0);
    missing.display_tiled(0, 0, 100, 100);
    missing.mirror();
    missing.display(10, 10);
    EXPECT_EQ(painted().right, 0);

    img_mgr empty;
    load_picture_file(empty, "all_green", 30, 30, {0, 0, 0, 0}, GREEN);
    empty.display(10, 10);
    empty.display(10, 10, screen.surface, 1.5f, 1.5f, 0);
    EXPECT_EQ(painted().right, 0);
}

// What the screen holds, pixel for pixel.
std::vector<Uint32> screen_pixels() {
    SDL_Surface* s = screen.surface;
    std::vector<Uint32> copy(s->w * s->h);
    for (int y = 0; y < s->h; y++) memcpy(&copy[y * s->w], (Uint8*)s->pixels + y * s->pitch, s->w * 4);
    return copy;
}

// A picture of scattered colours with holes of key colour, and a key-coloured
// border `border` pixels wide on its left and top, so that it is trimmed.
std::string noisy_picture_file(const std::string& name, int w, int h, int border) {
    SDL_Surface* noisy = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xFF, 0xFF00, 0xFF0000, 0);
    for (int y = 0; y < noisy->h; y++) {
        for (int x = 0; x < noisy->w; x++) {
            const Uint32 hash = (Uint32)(x * 7919 + y * 104729) * 2654435761u;
            const bool hole = x < border || y < border || ((x + 3 * y) % 7 == 0 && x > border && y > border);
            const Uint32 colour = hole ? SDL_MapRGB(noisy->format, 0, 255, 0)
                                       : SDL_MapRGB(noisy->format, hash >> 24, hash >> 16, hash >> 8);
            memcpy((Uint8*)noisy->pixels + y * noisy->pitch + x * 3, &colour, 3);
        }
    }
    return save_picture(noisy, name);
}

// Stage bands are zoomed only where they show, fighters' versions and
// patches by sampling, and keyed pictures copied without SDL's blitter: the
// screen must hold exactly what a zoom through SDL_gfx, blitted by SDL,
// puts there.
TEST_F(draw_sw, zoomed_draws_show_exactly_what_zooming_the_whole_picture_shows) {
    img_mgr picture;
    picture.load(noisy_picture_file("noisy", 151, 61, 0).c_str());
    SDL_Surface* stored = picture.surface.pixels();
    ASSERT_EQ(stored->w, 151);
    const float zooms[][2] = {{1.0f, 1.0f}, {0.37f, 0.37f}, {0.5f, 0.5f}, {0.68f, 0.71f},
                              {0.751174f, 0.751174f}, {1.3f, 1.3f}, {1.77f, 0.9f}};
    const SDL_Rect windows[] = {{0, 0, 151, 61}, {20, 5, 90, 40}, {100, 30, 90, 40}};
    const SDL_Rect places[] = {{13, 17, 0, 0}, {-25, 190, 0, 0}};
    for (const auto& zoom : zooms) {
        SDL_Surface* whole = zoomed_display_copy(stored, nullptr, stored->w, stored->h, 0, zoom[0], zoom[1]);
        for (const SDL_Rect& window : windows) {
            for (const SDL_Rect& place : places) {
                SDL_Rect source = {(Sint16)(int)(window.x * zoom[0]), (Sint16)(int)(window.y * zoom[1]),
                                   (Uint16)(int)(window.w * zoom[0]), (Uint16)(int)(window.h * zoom[1])};
                SDL_Rect at = place;
                clear();
                SDL_BlitSurface(whole, &source, screen.surface, &at);
                const std::vector<Uint32> expected = screen_pixels();
                for (Uint8 live : {0, 1}) {
                    clear();
                    picture.live_convert = live;
                    picture.src_rect = window;
                    picture.display(place.x, place.y, screen.surface, zoom[0], zoom[1], 0);
                    EXPECT_TRUE(screen_pixels() == expected)
                        << "zoom " << zoom[0] << "," << zoom[1] << " window x " << window.x << " at " << place.x
                        << "," << place.y << " live " << (int)live;
                }
            }
        }
        SDL_FreeSurface(whole);
    }

    // Zoom 2 onto the 320 x 240 screen: the centre 160 x 120 of the logical
    // picture, which reaches past the trimmed pixels, fills the screen.
    img_mgr trimmed;
    trimmed.load(noisy_picture_file("noisy_trimmed", 200, 150, 30).c_str());
    ASSERT_EQ(trimmed.trim.left, 30);
    SDL_Rect centre = {(Sint16)(100 - 80 - 30), (Sint16)(75 - 60 - 30), 160, 120};
    SDL_Surface* patch = zoomed_display_copy(trimmed.surface.pixels(), &centre, 160, 120, 0, 2.0, 2.0);
    // Not black: what the patch leaves transparent must show through.
    const Uint32 backdrop = SDL_MapRGB(screen.surface->format, 40, 80, 120);
    SDL_FillRect(screen.surface, nullptr, backdrop);
    SDL_BlitSurface(patch, nullptr, screen.surface, nullptr);
    SDL_FreeSurface(patch);
    const std::vector<Uint32> expected = screen_pixels();
    SDL_FillRect(screen.surface, nullptr, backdrop);
    trimmed.display(0, 0, screen.surface, 2.0f, 2.0f, 0);
    EXPECT_TRUE(screen_pixels() == expected);
}

}  // namespace
