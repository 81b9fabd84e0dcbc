// Which parts of a texture the OpenGL path draws, and with or without
// blending: the cells must cover every texel a filtered draw could show,
// and only fully opaque neighbourhoods may skip blending.
#include <gtest/gtest.h>

#include <vector>

#include "gfx/texel_cells.h"

namespace {

const Uint32 OPAQUE_RED = 0xFF0000FF;

// A clear 32-bit RGBA texture image.
struct texture_image {
    texture_image(int w, int h) : surface(SDL_CreateRGBSurface(0, w, h, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000)) {}
    ~texture_image() { SDL_FreeSurface(surface); }
    void fill(int x, int y, int w, int h, Uint32 texel) {
        SDL_Rect box = {(Sint16)x, (Sint16)y, (Uint16)w, (Uint16)h};
        SDL_FillRect(surface, &box, texel);
    }
    SDL_Surface* surface;
};

enum drawn { SKIPPED, SOLID, BLENDED };

// How the texel at (x, y) is drawn; a texel in two rectangles is a fault.
drawn drawn_as(const texel_cells& cells, int x, int y) {
    const auto inside = [x, y](const texel_rect& r) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; };
    int hits = 0;
    drawn as = SKIPPED;
    for (const texel_rect& r : cells.solid()) {
        if (inside(r)) hits++, as = SOLID;
    }
    for (const texel_rect& r : cells.blended()) {
        if (inside(r)) hits++, as = BLENDED;
    }
    EXPECT_LE(hits, 1) << "texel " << x << "," << y;
    return as;
}

TEST(texel_cells, a_clear_picture_draws_nothing_and_an_opaque_one_blends_only_its_edge) {
    texture_image clear(128, 128);
    texel_cells cells;
    cells.find(clear.surface, 100, 70);
    EXPECT_TRUE(cells.solid().empty());
    EXPECT_TRUE(cells.blended().empty());

    // The filter reads the clear texels past the picture's edge: edge cells
    // are see-through there, the rest is solid.
    texture_image opaque(128, 128);
    opaque.fill(0, 0, 100, 70, OPAQUE_RED);
    cells.find(opaque.surface, 100, 70);
    for (int y = 0; y < 70; y++) {
        for (int x = 0; x < 100; x++) {
            const bool edge_cell = x < 32 || y < 32 || x >= 96 || y >= 64;
            ASSERT_EQ(drawn_as(cells, x, y), edge_cell ? BLENDED : SOLID) << x << "," << y;
        }
    }
    EXPECT_EQ(drawn_as(cells, 100, 10), SKIPPED);
    // Solid cells 32..95 of the one inner row are joined into one rectangle.
    ASSERT_EQ(cells.solid().size(), 1u);
    EXPECT_EQ(cells.solid()[0].x, 32);
    EXPECT_EQ(cells.solid()[0].w, 64);
}

TEST(texel_cells, a_speck_draws_every_cell_the_filter_can_carry_it_into) {
    texture_image image(256, 128);
    image.fill(32, 32, 1, 1, OPAQUE_RED);   // first texel of the second cell down and across
    image.fill(159, 10, 1, 1, OPAQUE_RED);  // last texel of the fifth cell
    texel_cells cells;
    cells.find(image.surface, 256 - 30, 64);
    EXPECT_EQ(drawn_as(cells, 0, 40), BLENDED);    // left neighbour of the speck
    EXPECT_EQ(drawn_as(cells, 40, 40), BLENDED);   // the speck's own cell
    EXPECT_EQ(drawn_as(cells, 70, 40), SKIPPED);   // two cells away
    EXPECT_EQ(drawn_as(cells, 40, 20), BLENDED);   // the cell above: one texel away
    EXPECT_EQ(drawn_as(cells, 130, 10), BLENDED);  // the second speck's cell
    EXPECT_EQ(drawn_as(cells, 170, 10), BLENDED);  // its right neighbour
    EXPECT_EQ(drawn_as(cells, 100, 10), SKIPPED);
    EXPECT_EQ(drawn_as(cells, 200, 40), SKIPPED);
}

TEST(texel_cells, a_picture_that_fills_its_texture_blends_the_cells_the_wrap_reaches) {
    // 64 wide in a 64-wide texture: the repeat wrap carries the right
    // edge's texels onto the left edge, so the clear left cells are drawn.
    texture_image image(64, 64);
    image.fill(40, 0, 24, 64, OPAQUE_RED);
    texel_cells cells;
    cells.find(image.surface, 64, 40);
    EXPECT_EQ(drawn_as(cells, 5, 35), BLENDED);
    // Down the picture does not fill its texture: past it lies clear texture.
    EXPECT_EQ(drawn_as(cells, 50, 10), BLENDED);

    // Texels that are neither clear nor opaque are blended.
    texture_image faint(128, 128);
    faint.fill(0, 0, 128, 128, 0x800000FF);
    cells.find(faint.surface, 100, 100);
    EXPECT_EQ(drawn_as(cells, 50, 50), BLENDED);
    EXPECT_TRUE(cells.solid().empty());
}

}  // namespace
