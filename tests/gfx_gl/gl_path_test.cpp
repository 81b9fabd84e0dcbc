// What both programs' OpenGL drawing must show alike: test_gfx_gl runs these
// cases against brawler's drawing, test_gfx_scaled against brawler_scaled's.
#include "tests/gfx_gl/gl_fixture.h"

namespace {

// The marker is one texel: zoomed, filtering blends it with its neighbours,
// but it stays the only pixel with both red and green in it.
bool yellowish(rgb c) { return c.r > 60 && c.g > 60 && c.b < 30; }

TEST_F(gl_path, trimmed_pictures_land_where_the_whole_picture_would_facing_either_way) {
    const std::string file = placed_picture_file();
    for (const placement_case& c : PLACEMENTS) {
        SCOPED_TRACE(c.name);
        glClear(GL_COLOR_BUFFER_BIT);
        img_mgr picture;
        picture.load(file.c_str());
        if (c.mirrored) picture.mirror();
        picture.display(c.x, c.y, screen.surface, c.zoom, c.zoom, 0);
        read_back();
        expect_area(painted(), c.expected);
        EXPECT_TRUE(yellowish(pixel(c.marker_x, c.marker_y))) << pixel(c.marker_x, c.marker_y);
        EXPECT_EQ(count(GREEN), 0);
    }
}

TEST_F(gl_path, a_mirrored_trimmed_picture_zoomed_past_the_screen_shows_its_own_centre) {
    img_mgr picture;
    picture.load(placed_picture_file().c_str());
    picture.mirror();
    picture.display(PAST_THE_SCREEN_X, PAST_THE_SCREEN_Y, screen.surface, PAST_THE_SCREEN_ZOOM, PAST_THE_SCREEN_ZOOM, 0);
    read_back();
    expect_area_near(painted(), PAST_THE_SCREEN_AREA, PAST_THE_SCREEN_SLACK);
    EXPECT_TRUE(yellowish(pixel(PAST_THE_SCREEN_MARKER_X, PAST_THE_SCREEN_MARKER_Y)));
}

TEST_F(gl_path, the_first_draw_uploads_a_power_of_two_texture_of_the_trimmed_part) {
    const std::string file = placed_picture_file();
    img_mgr picture;
    picture.load(file.c_str());
    EXPECT_EQ(picture.gl_tiles, -1);
    picture.display(0, 0);
    EXPECT_NE(picture.gl_tiles, -1);
    EXPECT_EQ(picture.tex_w, 64);
    EXPECT_EQ(picture.tex_h, 32);
    EXPECT_FALSE(picture.has_surface());
    const int texture = picture.gl_tiles;
    picture.display(0, 0);
    EXPECT_EQ(picture.gl_tiles, texture);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(gl_path, a_picture_turns_about_its_centre) {
    img_mgr picture;
    load_picture_file(picture, "turn", 40, 20, {0, 0, 40, 20}, RED);
    picture.display(100, 100, screen.surface, 1.0f, 1.0f, 90);
    read_back();
    // 40 x 20 about (120, 110) becomes 20 x 40.
    const area box = painted();
    EXPECT_NEAR(box.left, 110, 1);
    EXPECT_NEAR(box.right, 130, 1);
    EXPECT_NEAR(box.top, 90, 1);
    EXPECT_NEAR(box.bottom, 130, 1);
    // The matrix is left as it was: the next plain draw is not turned.
    glClear(GL_COLOR_BUFFER_BIT);
    picture.display(100, 100);
    read_back();
    expect_area(painted(), {100, 100, 140, 120});
}

TEST_F(gl_path, opacity_is_the_quads_alpha) {
    img_mgr picture;
    draw_half_faded(picture, "faded_gl");
    read_back();
    EXPECT_NEAR(pixel(15, 15).r, 128, 3);
    EXPECT_NEAR(pixel(60, 20).r, 128, 3);
    picture.set_alpha(255);
    picture.display(150, 10);
    read_back();
    EXPECT_EQ(pixel(155, 15), WHITE);
}

TEST_F(gl_path, heavy_trimming_draws_no_ghost_copies) {
    // Logical 200 x 40 around a 10 x 10 picture: the texture is 16 x 16.
    img_mgr picture;
    load_picture_file(picture, "ghost", 200, 40, {0, 0, 10, 10}, RED);
    picture.display(0, 0);
    picture.mirror();
    picture.display(0, 100);
    read_back();
    EXPECT_EQ(picture.tex_w, 16);
    expect_area(painted(), {0, 0, 200, 110});
    EXPECT_EQ(count(RED) + count(YELLOW), 200);
    EXPECT_EQ(pixel(195, 105), RED);
}

TEST_F(gl_path, the_tiled_backdrop_repeats_every_115_pixels) {
    // Left half red, right half blue: nothing to trim from a backdrop tile.
    SDL_Surface* tile = make_picture(128, 128, {0, 0, 128, 128}, BLUE);
    SDL_Rect left = {0, 0, 64, 128};
    SDL_FillRect(tile, &left, SDL_MapRGB(tile->format, 255, 0, 0));
    const std::string file = save_picture(tile, "tile_gl");
    img_mgr picture;
    picture.load(file.c_str());
    picture.display_tiled(0, 0, 320, 240);
    read_back();
    EXPECT_EQ(pixel(30, 10), RED);
    EXPECT_EQ(pixel(90, 10), BLUE);
    EXPECT_EQ(pixel(145, 10), RED);
    EXPECT_EQ(pixel(200, 10), BLUE);
    EXPECT_EQ(pixel(30, 150), RED);
}

TEST_F(gl_path, the_floor_strip_sits_at_the_bottom_of_the_zoomed_picture) {
    img_mgr picture;
    load_picture_file(picture, "floor_gl", 64, 16, {0, 0, 64, 16}, RED);
    picture.display_floor(100, 100, screen.surface, 0.5, 1.0);
    read_back();
    expect_area(painted(), {100, 107, 132, 115});
}

TEST_F(gl_path, a_recoloured_copy_of_an_uploaded_picture_shows_its_own_colours) {
    img_mgr cached;
    load_picture_file(cached, "series", 30, 30, {0, 0, 30, 30}, RED);
    cached.display(0, 0);  // the first series uploads it
    ASSERT_FALSE(cached.has_surface());
    const Uint32 red = SDL_MapRGB(screen.surface->format, 255, 0, 0);
    const Uint32 blue = SDL_MapRGB(screen.surface->format, 0, 0, 255);
    for (int series = 0; series < 2; series++) {
        SCOPED_TRACE(series);
        glClear(GL_COLOR_BUFFER_BIT);
        img_mgr recoloured(cached);
        recoloured.swap_color(red, blue);
        recoloured.display(100, 0);
        cached.display(0, 0);
        read_back();
        EXPECT_EQ(pixel(110, 10), BLUE);
        EXPECT_EQ(pixel(10, 10), RED);
        EXPECT_NE(recoloured.gl_tiles, cached.gl_tiles);
    }
}

TEST_F(gl_path, a_shared_texture_is_deleted_with_its_last_picture) {
    const std::string file = picture_file("shared", 30, 30, {0, 0, 30, 30}, RED);
    img_mgr* cached = new img_mgr;
    cached->load(file.c_str());
    cached->display(0, 0);
    const GLuint texture = (GLuint)cached->gl_tiles;
    {
        img_mgr copy(*cached);
        img_mgr assigned;
        assigned = *cached;
        EXPECT_EQ(copy.gl_tiles, cached->gl_tiles);
    }
    EXPECT_TRUE(glIsTexture(texture));
    // A recoloured copy of each series uploads its own texture and takes it away again.
    const Uint32 red = SDL_MapRGB(screen.surface->format, 255, 0, 0);
    const Uint32 blue = SDL_MapRGB(screen.surface->format, 0, 0, 255);
    for (int series = 0; series < 3; series++) {
        img_mgr* recoloured = new img_mgr(*cached);
        recoloured->swap_color(red, blue);
        recoloured->display(0, 0);
        const GLuint own = (GLuint)recoloured->gl_tiles;
        EXPECT_NE(own, texture);
        delete recoloured;
        EXPECT_FALSE(glIsTexture(own));
    }
    EXPECT_TRUE(glIsTexture(texture));
    delete cached;
    EXPECT_FALSE(glIsTexture(texture));
}

TEST_F(gl_path, a_texture_reads_back_into_a_surface) {
    const std::string file = placed_picture_file();
    img_mgr picture;
    picture.load(file.c_str());
    picture.display(0, 0);
    picture.download();
    ASSERT_TRUE(picture.has_surface());
    SDL_Surface* pixels = picture.surface.pixels();
    EXPECT_EQ(pixels->w, 40);
    EXPECT_EQ(pixels->h, 30);
    EXPECT_EQ(pixels->format->BitsPerPixel, 32);
    EXPECT_EQ(surface_pixel(pixels, 0, 0), YELLOW);
    EXPECT_EQ(surface_pixel(pixels, 39, 29), RED);

    img_mgr uploaded;
    uploaded.load(file.c_str());
    uploaded.display(0, 0);
    img_mgr assigned;
    assigned = uploaded;
    ASSERT_TRUE(assigned.has_surface());
    EXPECT_EQ(surface_pixel(assigned.surface.pixels(), 1, 1), RED);
}

// One-pixel stripes of red and blue: a draw that puts each texel on one
// pixel shows only the two colours; a zoomed one, filtered, mixes them. The
// texture is shared by the draws, whatever filter the last one used.
TEST_F(gl_path, texel_for_pixel_draws_show_the_texels_and_zoomed_draws_stay_filtered) {
    SDL_Surface* stripes = make_picture(40, 20, {0, 0, 40, 20}, RED);
    for (int x = 1; x < 40; x += 2) {
        SDL_Rect column = {(Sint16)x, 0, 1, 20};
        SDL_FillRect(stripes, &column, SDL_MapRGB(stripes->format, 0, 0, 255));
    }
    SDL_Rect corner = {0, 0, 1, 1};
    SDL_FillRect(stripes, &corner, SDL_MapRGB(stripes->format, 255, 0, 0));
    img_mgr picture;
    picture.load(save_picture(stripes, "stripes").c_str());
    const auto mixed_in = [this](int left, int top, int right, int bottom) {
        int mixed = 0;
        for (int y = top; y < bottom; y++) {
            for (int x = left; x < right; x++) mixed += pixel(x, y) != RED && pixel(x, y) != BLUE;
        }
        return mixed;
    };
    for (int facing = 0; facing < 2; facing++) {
        SCOPED_TRACE(facing);
        glClear(GL_COLOR_BUFFER_BIT);
        picture.display(10, 10);
        picture.display(60, 10, screen.surface, 1.5f, 1.5f, 0);
        picture.display(10, 50);
        picture.display_floor(60, 100, screen.surface, 0.75, 1.0);
        read_back();
        EXPECT_EQ(0, mixed_in(10, 10, 50, 30));
        EXPECT_EQ(0, mixed_in(10, 50, 50, 70));
        EXPECT_GT(mixed_in(62, 12, 118, 38), 100);
        EXPECT_GT(mixed_in(62, 106, 88, 114), 20);
        picture.mirror();
    }
}

// The picture is drawn in cells, some left out and some unblended: over a
// coloured screen it must look as one blended quad of the whole texture.
TEST_F(gl_path, a_picture_drawn_in_cells_looks_as_one_blended_quad) {
    const int w = 100, h = 80;
    SDL_Surface* art = make_picture(w, h, {0, 0, 60, 40}, RED);
    const auto dab = [art](int x, int y, int dw, int dh, rgb c) {
        SDL_Rect box = {(Sint16)x, (Sint16)y, (Uint16)dw, (Uint16)dh};
        SDL_FillRect(art, &box, SDL_MapRGB(art->format, c.r, c.g, c.b));
    };
    dab(w - 1, 0, 1, h, BLUE);
    dab(0, h - 1, w, 1, YELLOW);
    dab(64, 33, 1, 1, WHITE);
    dab(31, 63, 2, 2, WHITE);
    dab(70, 45, 20, 20, BLUE);
    img_mgr picture;
    picture.load(save_picture(art, "cells").c_str());
    picture.display(0, 0);
    ASSERT_NE(picture.gl_tiles, -1);

    const auto reference = [&](int x, int y, float zoom, bool mirrored) {
        const float right = x + w * zoom, bottom = y + h * zoom;
        const float u = (float)w / picture.tex_w, v = (float)h / picture.tex_h;
        const float u_left = mirrored ? u : 0.0f, u_right = mirrored ? 0.0f : u;
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glBindTexture(GL_TEXTURE_2D, (GLuint)picture.gl_tiles);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glColor4ub(255, 255, 255, 255);
        glBegin(GL_QUADS);
        glTexCoord2f(u_left, 0);
        glVertex2f((float)x, (float)y);
        glTexCoord2f(u_right, 0);
        glVertex2f(right, (float)y);
        glTexCoord2f(u_right, v);
        glVertex2f(right, bottom);
        glTexCoord2f(u_left, v);
        glVertex2f((float)x, bottom);
        glEnd();
        glDisable(GL_BLEND);
        glDisable(GL_TEXTURE_2D);
    };
    glClearColor(40 / 255.0f, 80 / 255.0f, 120 / 255.0f, 1.0f);
    for (const bool mirrored : {false, true}) {
        for (const float zoom : {0.75f, 1.25f}) {
            SCOPED_TRACE(testing::Message() << "zoom " << zoom << (mirrored ? " mirrored" : ""));
            glClear(GL_COLOR_BUFFER_BIT);
            reference(13, 17, zoom, mirrored);
            read_back();
            const std::vector<Uint8> expected = framebuffer;
            glClear(GL_COLOR_BUFFER_BIT);
            if (mirrored != (picture.mirrored != 0)) picture.mirror();
            picture.display(13, 17, screen.surface, zoom, zoom, 0);
            read_back();
            int different = 0;
            for (size_t i = 0; i < framebuffer.size(); i++) different += std::abs(framebuffer[i] - expected[i]) > 2;
            EXPECT_EQ(different, 0);
        }
    }
    glClearColor(0, 0, 0, 0);
}

TEST_F(gl_path, a_picture_that_failed_to_load_draws_nothing) {
    img_mgr missing;
    missing.load("no/such/file.png");
    testing::internal::CaptureStdout();
    missing.display(0, 0);
    missing.display_floor(0, 0, screen.surface, 0.5, 1.0);
    missing.display_tiled(0, 0, 100, 100);
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(log.find("ERROR: uploading something that wasn't loaded"), std::string::npos);
    EXPECT_NE(log.find("ERROR displaying non-uploadedGL image"), std::string::npos);
    read_back();
    EXPECT_EQ(painted().right, 0);
}

}  // namespace
