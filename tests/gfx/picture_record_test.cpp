#include <cstring>

#include "tests/gfx/sw_fixture.h"

namespace {

class picture_record : public surface_path {};

// An 8-bit file of two palette entries: `box` in `fill`, the rest in
// `background` (index 0).
std::string two_colour_file(const std::string& name, int w, int h, SDL_Color background, SDL_Color fill,
                            SDL_Rect box) {
    SDL_Surface* indexed = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 8, 0, 0, 0, 0);
    SDL_Color colours[2] = {background, fill};
    SDL_SetColors(indexed, colours, 0, 2);
    SDL_FillRect(indexed, nullptr, 0);
    SDL_FillRect(indexed, &box, 1);
    return save_picture(indexed, name);
}

TEST_F(picture_record, loading_trims_to_the_visible_box_and_keeps_the_logical_size) {
    img_mgr picture;
    const std::string file = load_picture_file(picture, "trim", 100, 80, {10, 5, 60, 75}, RED);
    EXPECT_EQ(picture.bounds.left, 10);
    EXPECT_EQ(picture.bounds.top, 5);
    EXPECT_EQ(picture.bounds.right, 60);
    EXPECT_EQ(picture.bounds.bottom, 75);
    EXPECT_EQ(picture.surface.pixels()->w, 50);
    EXPECT_EQ(picture.surface.pixels()->h, 70);
    EXPECT_EQ(picture.width(), 100);
    EXPECT_EQ(picture.height(), 80);
    EXPECT_EQ(memcmp(&picture.trim, &picture.bounds, sizeof(img_box)), 0);
    EXPECT_STREQ(picture.filename, file.c_str());
    EXPECT_EQ(surface_pixel(picture.surface.pixels(), 0, 0), YELLOW);
}

// A stage layer hides what is behind it only in rows with no key colour:
// the longest such run, in the trimmed picture's rows.
TEST_F(picture_record, solid_rows_are_the_longest_run_without_key_colour) {
    SDL_Surface* art = make_picture(40, 60, {0, 10, 40, 60}, RED);
    const auto key = [&art](int x, int y) {
        SDL_Rect dot = {(Sint16)x, (Sint16)y, 1, 1};
        SDL_FillRect(art, &dot, SDL_MapRGB(art->format, 0, 255, 0));
    };
    key(5, 20);   // rows 10-19 solid, then 21-29
    key(39, 30);  // then 31-59: the longest
    img_mgr picture;
    picture.load(save_picture(art, "solid_rows").c_str());
    const row_span solid = picture.solid_rows();
    EXPECT_EQ(solid.first, 31 - 10);
    EXPECT_EQ(solid.end, 60 - 10);

    // A key pixel in every row, none at the edges, so nothing is trimmed.
    art = make_picture(20, 20, {0, 0, 20, 20}, RED);
    for (int y = 0; y < 20; y++) key(1 + y % 18, y);
    img_mgr none;
    none.load(save_picture(art, "no_solid_rows").c_str());
    EXPECT_EQ(none.surface.pixels()->w, 20);
    EXPECT_TRUE(none.solid_rows().empty());
}

TEST_F(picture_record, trimming_reads_8_and_24_bit_files_by_their_own_depth) {
    // An 8-bit file: palette index 1 is red, every other pixel index 0 green.
    const std::string file8 = two_colour_file("indexed", 33, 20, {0, 255, 0, 0}, {255, 0, 0, 0}, {31, 3, 1, 2});
    img_mgr picture8;
    picture8.load(file8.c_str());
    EXPECT_EQ(picture8.bounds.left, 31);
    EXPECT_EQ(picture8.bounds.right, 32);
    EXPECT_EQ(picture8.bounds.top, 3);
    EXPECT_EQ(picture8.bounds.bottom, 5);

    // A 24-bit file of odd width: rows end in padding.
    img_mgr picture24;
    load_picture_file(picture24, "odd", 33, 7, {32, 6, 33, 7}, RED);
    EXPECT_EQ(picture24.bounds.left, 32);
    EXPECT_EQ(picture24.bounds.top, 6);
    EXPECT_EQ(picture24.bounds.right, 33);
    EXPECT_EQ(picture24.bounds.bottom, 7);
}

// Only pure green is see-through. A palette without it keeps every pixel,
// the black frame included, though black is its entry nearest to green.
TEST_F(picture_record, an_8_bit_picture_without_pure_green_keeps_its_black_frame) {
    img_mgr picture;
    picture.load(two_colour_file("framed8", 24, 16, {0, 0, 0, 0}, {255, 0, 0, 0}, {2, 2, 20, 12}).c_str());
    EXPECT_EQ(picture.bounds.left, 0);
    EXPECT_EQ(picture.bounds.top, 0);
    EXPECT_EQ(picture.bounds.right, 24);
    EXPECT_EQ(picture.bounds.bottom, 16);

    SDL_FillRect(screen.surface, nullptr, SDL_MapRGB(screen.surface->format, 0, 0, 255));
    for (int zoom : {1, 2}) {
        const int x = 100 * zoom;
        picture.display(x, 100, screen.surface, (float)zoom, (float)zoom, 0);
        EXPECT_EQ(pixel(x, 100), BLACK) << "frame at zoom " << zoom;
        EXPECT_EQ(pixel(x + 2 * zoom, 100 + 2 * zoom), RED) << "inside at zoom " << zoom;
    }
    EXPECT_EQ(count(BLUE), 320 * 240 - 24 * 16 - 48 * 32);
}

TEST_F(picture_record, an_all_green_file_has_empty_bounds_and_stays_drawable) {
    img_mgr picture;
    load_picture_file(picture, "nothing", 30, 20, {0, 0, 0, 0}, GREEN);
    EXPECT_EQ(picture.bounds.left, 0);
    EXPECT_EQ(picture.bounds.right, 0);
    EXPECT_EQ(picture.bounds.bottom, 0);
    EXPECT_TRUE(picture.has_surface());
    EXPECT_EQ(picture.trim.right, 30);
    EXPECT_EQ(picture.width(), 30);
}

TEST_F(picture_record, a_missing_file_leaves_an_empty_picture) {
    testing::internal::CaptureStderr();
    img_mgr picture;
    picture.load("no/such/picture.png");
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("Couldn't load no/such/picture.png"), std::string::npos);
    EXPECT_FALSE(picture.has_surface());
    EXPECT_EQ(picture.width(), 0);
    picture.swap_color(1, 2);
    picture.set_alpha(100);
    EXPECT_EQ(picture.alpha, 100);
}

TEST_F(picture_record, a_long_file_name_is_cut_to_the_field) {
    const std::string name(120, 'n');
    img_mgr picture;
    picture.load(name.c_str());
    EXPECT_EQ(strlen(picture.filename), (size_t)img_mgr::FILENAME_SIZE - 1);
    EXPECT_EQ(std::string(picture.filename), name.substr(0, img_mgr::FILENAME_SIZE - 1));
}

TEST_F(picture_record, going_through_a_null_handle_is_logged_and_harmless) {
    img_mgr picture;
    testing::internal::CaptureStdout();
    picture.swap_color(0, 1);
    picture.mirror();
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(log.find("Tried to -> on a NULL smart pointer"), std::string::npos);
    EXPECT_EQ(picture.mirrored, 1);
}

TEST_F(picture_record, swap_color_recolours_a_trimmed_picture_within_its_pixels) {
    img_mgr picture;
    load_picture_file(picture, "swap", 100, 80, {10, 5, 60, 75}, RED);
    SDL_Surface* pixels = picture.surface.pixels();
    picture.swap_color(SDL_MapRGB(pixels->format, 255, 0, 0), SDL_MapRGB(pixels->format, 0, 0, 255));
    EXPECT_EQ(surface_pixel(pixels, 49, 69), BLUE);
    EXPECT_EQ(surface_pixel(pixels, 1, 0), BLUE);
    EXPECT_EQ(surface_pixel(pixels, 0, 0), YELLOW);
    picture.display(0, 0);
    EXPECT_EQ(pixel(10 + 25, 5 + 35), BLUE);
}

SDL_Surface* surface_of_depth(int depth) {
    switch (depth) {
        case 8: {
            SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 5, 3, 8, 0, 0, 0, 0);
            SDL_Color colours[3] = {{0, 0, 0, 0}, {255, 0, 0, 0}, {0, 0, 255, 0}};
            SDL_SetColors(s, colours, 0, 3);
            return s;
        }
        case 16:
            return SDL_CreateRGBSurface(SDL_SWSURFACE, 5, 3, 16, 0xF800, 0x07E0, 0x001F, 0);
        case 24:
            return SDL_CreateRGBSurface(SDL_SWSURFACE, 5, 3, 24, 0xFF, 0xFF00, 0xFF0000, 0);
        default:
            return screen.create_surface(5, 3, 32, SDL_SWSURFACE);
    }
}

// Every depth, with an odd width so that rows end in padding: the colour in
// the last pixel of each row changes, the padding and the rest do not.
TEST_F(picture_record, swap_color_walks_surfaces_of_every_depth) {
    for (int depth : {8, 16, 24, 32}) {
        SCOPED_TRACE(depth);
        SDL_Surface* s = surface_of_depth(depth);
        const Uint32 red = SDL_MapRGB(s->format, 255, 0, 0);
        const Uint32 blue = SDL_MapRGB(s->format, 0, 0, 255);
        memset(s->pixels, 0xAB, (size_t)s->pitch * s->h);
        SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0, 0, 0));
        for (int y = 0; y < 3; y++) {
            SDL_Rect last = {4, (Sint16)y, 1, 1};
            SDL_FillRect(s, &last, red);
        }
        const int row_bytes = 5 * s->format->BytesPerPixel;
        img_mgr picture;
        picture.set_surface(s);
        picture.swap_color(red, blue);
        for (int y = 0; y < 3; y++) {
            EXPECT_EQ(surface_pixel(s, 4, y), BLUE) << "row " << y;
            EXPECT_EQ(surface_pixel(s, 3, y), BLACK) << "row " << y;
            for (int pad = row_bytes; pad < s->pitch; pad++) {
                EXPECT_EQ(((Uint8*)s->pixels)[y * s->pitch + pad], 0xAB) << "padding of row " << y;
            }
        }
        if (depth == 32) {
            // The alpha byte is not part of the colour: it stays.
            Uint32 value;
            memcpy(&value, (Uint8*)s->pixels + 16, 4);
            EXPECT_EQ(value & s->format->Amask, red & s->format->Amask);
        }
    }
}

TEST_F(picture_record, adopting_a_surface_keeps_it_whole_and_unkeyed) {
    SDL_Surface* s = make_picture(30, 20, {5, 5, 10, 10}, RED);
    img_mgr picture;
    picture.set_surface(s);
    EXPECT_STREQ(picture.filename, "surfacetaken");
    EXPECT_EQ(picture.width(), 30);
    EXPECT_EQ(picture.trim.right, 30);
    EXPECT_EQ(picture.trim.bottom, 20);
    EXPECT_EQ(picture.surface.pixels(), s);
    EXPECT_FALSE(s->flags & SDL_SRCCOLORKEY);
}

TEST_F(picture_record, a_copy_has_its_own_pixels_and_shares_the_facing_copy) {
    img_mgr original;
    load_picture_file(original, "copied", 64, 64, {10, 20, 50, 50}, RED);
    original.mirror();
    original.mirror();
    img_mgr copy(original);
    EXPECT_EQ(copy.width(), 64);
    EXPECT_EQ(memcmp(&copy.trim, &original.trim, sizeof(img_box)), 0);
    EXPECT_EQ(copy.gl_tiles, original.gl_tiles);
    EXPECT_NE(copy.surface.get(), original.surface.get());
    EXPECT_EQ(copy.mirror_surface.get(), original.mirror_surface.get());
    EXPECT_EQ(original.mirror_surface->count, 2);

    SDL_Surface* pixels = copy.surface.pixels();
    copy.swap_color(SDL_MapRGB(pixels->format, 255, 0, 0), SDL_MapRGB(pixels->format, 0, 0, 255));
    EXPECT_EQ(surface_pixel(original.surface.pixels(), 5, 5), RED);
    // The recoloured copy makes its own facing copy: turned, it is still blue.
    copy.mirror();
    copy.display(0, 0);
    EXPECT_EQ(pixel(20, 30), BLUE);

    img_mgr assigned;
    assigned = original;
    EXPECT_EQ(assigned.surface.get(), original.surface.get());
    EXPECT_EQ(assigned.width(), 64);
}


TEST_F(picture_record, mirroring_twice_gives_back_the_first_holder) {
    img_mgr picture;
    load_picture_file(picture, "twice", 20, 10, {0, 0, 5, 10}, RED);
    const surface_ref* first = picture.surface.get();
    picture.mirror();
    EXPECT_NE(picture.surface.get(), first);
    picture.mirror();
    EXPECT_EQ(picture.surface.get(), first);
    EXPECT_EQ(picture.mirrored, 0);
}

TEST_F(picture_record, overlaps_tests_the_visible_boxes_facing_either_way) {
    img_mgr a;
    const std::string file = load_picture_file(a, "box10", 10, 10, {0, 0, 10, 10}, RED);
    img_mgr b;
    b.load(file.c_str());
    EXPECT_TRUE(a.overlaps(0, 0, b, 10, 0, 1.0f));   // touching edges count
    EXPECT_FALSE(a.overlaps(0, 0, b, 11, 0, 1.0f));
    EXPECT_TRUE(a.overlaps(0, 0, b, 0, 9, 1.0f));
    EXPECT_FALSE(a.overlaps(0, 0, b, 0, 11, 1.0f));
    EXPECT_FALSE(a.overlaps(0, 0, b, 0, 11, 0.1f));  // the zoom leaves y alone

    // A picture visible only in its left half: turned, the box moves right.
    img_mgr c;
    load_picture_file(c, "half", 20, 10, {0, 0, 10, 10}, RED);
    EXPECT_FALSE(c.overlaps(0, 0, b, 15, 0, 1.0f));
    c.mirror();
    EXPECT_TRUE(c.overlaps(0, 0, b, 15, 0, 1.0f));
    EXPECT_FALSE(c.overlaps(0, 0, b, -11, 0, 1.0f));
}

}  // namespace
