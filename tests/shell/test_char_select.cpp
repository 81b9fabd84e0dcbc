#include <gtest/gtest.h>

#include "gfx/img_mgr.h"
#include "shell/char_select.h"
#include "tests/shell/menu_fixture.h"

namespace {

// Four plain pictures and a wallpaper made on the spot: the selection's
// logic needs no game data.
class character_selection : public menu_test {
protected:
    void SetUp() override {
        menu_test::SetUp();
        wallpaper.set_surface(screen.create_surface(320, 240, 32, 0));
        for (int i = 0; i < char_select::ROSTER_SIZE; i++) {
            roster[i].set_surface(screen.create_surface(100 + 10 * i, 200, 32, 0));
            pictures[i] = &roster[i];
        }
    }

    img_mgr wallpaper;
    img_mgr roster[char_select::ROSTER_SIZE];
    img_mgr* pictures[char_select::ROSTER_SIZE];
};

TEST_F(character_selection, left_on_the_first_fighter_gives_the_last_and_right_wraps_back) {
    char_select selection(&wallpaper, pictures, MENU_RATE);
    ASSERT_EQ(200, selection.poll_period());
    hold_only(SDLK_LEFT);
    selection.frame();  // phase 0 polls
    EXPECT_EQ(3, selection.cursor());
    // The next poll is at phase 200, 25 frames on.
    for (int frame = 1; frame < 25; frame++) selection.frame();
    EXPECT_EQ(3, selection.cursor());
    EXPECT_EQ(200, selection.phase());
    hold_only(SDLK_RIGHT);
    selection.frame();
    EXPECT_EQ(0, selection.cursor());
    hold_only(SDLK_RETURN);
    int frames = 1;
    while (!selection.frame() && frames < 45) frames++;
    EXPECT_EQ(20, frames);  // phase 208 to the next poll at 0
    EXPECT_EQ(0, selection.cursor());
}

TEST_F(character_selection, escape_returns_the_last_fighter_after_the_fade_out) {
    char_select selection(&wallpaper, pictures, MENU_RATE);
    hold_only(SDLK_ESCAPE);
    const Uint32 start = platform::ticks();
    EXPECT_EQ(3, selection.run());
    // 32 build-up frames, one frame of choice, 32 fade-out frames of 5 ms,
    // the fade ending at opacity 7.
    EXPECT_EQ(65u * 5u, platform::ticks() - start);
    EXPECT_EQ(7, wallpaper.alpha);
}

TEST_F(character_selection, held_return_takes_the_first_fighter_at_the_first_frame) {
    hold_only(SDLK_RETURN);
    char_select selection(&wallpaper, pictures, MENU_RATE);
    EXPECT_TRUE(selection.frame());
    EXPECT_EQ(0, selection.cursor());
}

TEST_F(character_selection, the_poll_period_follows_the_rate) {
    char_select slower(&wallpaper, pictures, 120);
    EXPECT_EQ(120, slower.poll_period());
    hold_only(SDLK_RIGHT);
    int polls = 0;
    int last = slower.cursor();
    for (int frame = 0; frame < 45; frame++) {  // one full turn of the ghosts
        slower.frame();
        if (slower.cursor() != last) polls++;
        last = slower.cursor();
    }
    EXPECT_EQ(3, polls);  // at phases 0, 120 and 240
    // A rate too low for the poll period still polls.
    char_select crawling(&wallpaper, pictures, 8);
    EXPECT_EQ(1, crawling.poll_period());
}

}  // namespace
