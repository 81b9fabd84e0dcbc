#include "tests/gfx_text/drawing_fixture.h"

namespace {

TEST_F(drawing, circle_uses_its_radius) {
    filled_circle(100, 100, 10, 4, SDL_MapRGB(screen.surface->format, 255, 0, 0));
    const probe::shot taken = probe::grab();
    EXPECT_EQ(0xFF0000u, taken.at(109, 100));
    EXPECT_EQ(0xFF0000u, taken.at(100, 91));
    EXPECT_EQ(BLACK, taken.at(108, 108));
    EXPECT_EQ(BLACK, taken.at(111, 100));
}

TEST_F(drawing, text_goes_to_its_target_not_the_screen) {
    SDL_Surface* target = screen.create_surface(200, 100, 32, 0);
    TXT_MGR text(target);
    text.open_font(probe::font_path());
    text.print("Hit");
    EXPECT_EQ(0, probe::grab().count_not(0, 0, probe::SCREEN_W, probe::SCREEN_H, BLACK));
    const Uint32* pixels = static_cast<const Uint32*>(target->pixels);
    int lit = 0;
    for (int i = 0; i < 200 * 100; i++)
        if (pixels[i] & 0x00FFFFFF) lit++;
    EXPECT_GT(lit, 20);
    SDL_FreeSurface(target);
}

}  // namespace
