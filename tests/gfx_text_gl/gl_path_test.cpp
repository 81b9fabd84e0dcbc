#include "tests/gfx_text/drawing_fixture.h"

#include "gfx/gl_quads.h"

namespace {

const Uint32 RED = 0xFF0000;

int coloured_pixels(int segments, int radius) {
    probe::clear();
    filled_circle(100, 100, radius, segments, SDL_MapRGB(screen.surface->format, 255, 0, 0));
    return probe::grab().count(80, 80, 40, 40, RED);
}

TEST_F(drawing, circle_is_a_fan_of_radius_five) {
    filled_circle(100, 100, 40, 4, SDL_MapRGB(screen.surface->format, 255, 0, 0));
    const probe::shot taken = probe::grab();
    // Four points at 0, 90, 180 and 270 degrees: a diamond.
    EXPECT_EQ(RED, taken.at(103, 100));
    EXPECT_EQ(RED, taken.at(96, 100));
    EXPECT_EQ(RED, taken.at(100, 96));
    EXPECT_EQ(BLACK, taken.at(103, 103));
    EXPECT_EQ(BLACK, taken.at(106, 100));
    EXPECT_EQ(BLACK, taken.at(100, 106));
    // Nothing beyond five pixels, whatever the radius asked for.
    EXPECT_EQ(0, taken.count(80, 80, 40, 40, RED) - taken.count(94, 94, 12, 12, RED));
    EXPECT_EQ(coloured_pixels(4, 40), coloured_pixels(4, 5));
    EXPECT_GT(coloured_pixels(360, 5), coloured_pixels(4, 5));
}

TEST_F(drawing, circle_segments_out_of_range_are_kept_in_range) {
    EXPECT_EQ(coloured_pixels(360, 5), coloured_pixels(1000, 5));
    EXPECT_EQ(coloured_pixels(1, 5), coloured_pixels(0, 5));
    EXPECT_EQ(coloured_pixels(1, 5), coloured_pixels(-7, 5));
}

TEST(text_texture, sides_are_powers_of_two) {
    EXPECT_EQ(64, texture_side(37));
    EXPECT_EQ(32, texture_side(20));
    EXPECT_EQ(64, texture_side(64));
    EXPECT_EQ(1, texture_side(1));
    EXPECT_EQ(1, texture_side(0));
}

GLint texture_size(GLuint texture, GLenum which) {
    GLint value = 0;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, which, &value);
    return value;
}

TEST_F(drawing, cached_character_is_uploaded_once_and_reused) {
    TXT_MGR counter;
    counter.open_font(probe::font_path());
    counter.cache_enabled = 1;
    ::testing::internal::CaptureStdout();
    counter.print("7");
    const int seven_w = counter.text_w;
    counter.print("7");
    fflush(stdout);
    const std::string log = ::testing::internal::GetCapturedStdout();
    ASSERT_EQ(1u, counter.char_cache.size());
    const GLuint texture = counter.char_cache['7'];
    EXPECT_EQ(std::string::npos, log.find("caching", log.find("caching") + 1)) << log;
    EXPECT_NE(std::string::npos, log.find("as asc[55]")) << log;
    EXPECT_EQ(texture_side(seven_w), texture_size(texture, GL_TEXTURE_WIDTH));
    EXPECT_EQ(texture_side(counter.text_h), texture_size(texture, GL_TEXTURE_HEIGHT));

    probe::clear();
    counter.print("7x");
    EXPECT_EQ(1u, counter.char_cache.size());
    EXPECT_GT(counter.text_w, seven_w);
    // The "7" texture stretched over the wider text reaches its right part.
    const probe::shot taken = probe::grab();
    EXPECT_GT(taken.count_not(counter.x + seven_w, counter.y, counter.text_w - seven_w, counter.text_h, BLACK), 0);
}

}  // namespace
