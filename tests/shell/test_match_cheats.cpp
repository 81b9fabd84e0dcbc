#include "objects/projectile.h"
#include "tests/shell/match_fixture.h"

namespace {

// Cheats in a series: the blows land as ever, the rules around life change,
// and the screen says a cheat is on.
class match_cheats : public match_test {
protected:
    // A projectile from `shooter` until it is gone; the target's life then.
    int life_after_projectile(fighter_lifeform& shooter, fighter_lifeform& target) {
        quiet([&] { projectile::launch(shooter); });
        for (int ran = 0; ran < 100 && game_objects.size() > 2 && game_objects[2]->is_alive(); ran++) frames(1);
        return target.life;
    }

    // White pixels of the mark's place, between the life bars.
    static int white_between_the_bars() {
        SDL_Surface* shown = screen.surface;
        SDL_LockSurface(shown);
        int white = 0;
        for (int y = 5; y < 35; y++) {
            for (int x = 260; x < 380; x++) {
                const Uint8* row = (const Uint8*)shown->pixels + y * shown->pitch;
                Uint32 pixel = 0;
                memcpy(&pixel, row + x * shown->format->BytesPerPixel, shown->format->BytesPerPixel);
                Uint8 r, g, b;
                SDL_GetRGB(pixel, shown->format, &r, &g, &b);
                white += r > 200 && g > 200 && b > 200;
            }
        }
        SDL_UnlockSurface(shown);
        return white;
    }
};

TEST_F(match_cheats, one_hit_knocks_out_infinite_life_never_runs_out_and_the_mark_says_so) {
    start();
    place(300, 700);
    frames(1);
    EXPECT_EQ(0, white_between_the_bars()) << "a fair series shows no mark";
    EXPECT_EQ(75, life_after_projectile(left(), right()));

    request.one_hit_knock_outs = true;
    request.infinite_life_left = true;
    start();
    place(300, 700);
    frames(1);
    EXPECT_GT(white_between_the_bars(), 20);
    EXPECT_LT(life_after_projectile(left(), right()), 0) << "one blow, one knock-out";
    EXPECT_EQ(left().max_life, life_after_projectile(right(), left())) << "the infinite side keeps all its life";
}

}  // namespace
