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
        for (int i = 0; i < ROSTER_SIZE; i++) {
            roster[i].set_surface(screen.create_surface(100 + 10 * i, 200, 32, 0));
            pictures[i] = &roster[i];
        }
    }

    img_mgr wallpaper;
    img_mgr roster[ROSTER_SIZE];
    img_mgr* pictures[ROSTER_SIZE];
};

TEST_F(character_selection, arrows_wrap_and_each_press_moves_once) {
    char_select selection(&wallpaper, pictures, MENU_RATE, 1);
    hold_only(SDLK_LEFT);
    selection.frame();
    EXPECT_EQ(3, selection.cursor());
    platform::release_all_keys();
    hold_only(SDLK_RIGHT);
    selection.frame();
    EXPECT_EQ(0, selection.cursor());
    platform::release_all_keys();
    EXPECT_EQ(1, moves_while_held(selection, SDLK_RIGHT, 30));
    EXPECT_EQ(1 + 16, moves_while_held(selection, SDLK_RIGHT, 2000));
    EXPECT_EQ((1 + 1 + 16) % 4, selection.cursor());
    hold_only(SDLK_RETURN);
    EXPECT_TRUE(selection.frame());
}

TEST_F(character_selection, escape_leaves_without_a_choice_after_the_fade_out) {
    char_select selection(&wallpaper, pictures, MENU_RATE, 1);
    hold_only(SDLK_ESCAPE);
    const Uint32 start = platform::ticks();
    EXPECT_EQ(char_select::NO_CHOICE, selection.run());
    // 32 build-up frames, one frame of choice, 32 fade-out frames of 5 ms,
    // the fade ending at opacity 7.
    EXPECT_EQ(65u * 5u, platform::ticks() - start);
    EXPECT_EQ(7, wallpaper.alpha);
}

TEST_F(character_selection, held_return_takes_the_first_fighter_at_the_first_frame) {
    hold_only(SDLK_RETURN);
    char_select selection(&wallpaper, pictures, MENU_RATE, 1);
    EXPECT_TRUE(selection.frame());
    EXPECT_EQ(0, selection.cursor());
}

// In versus the second player chooses with the letter keys; the arrows and
// Return are the first player's and do nothing here.
TEST_F(character_selection, the_second_selection_is_the_second_players) {
    char_select selection(&wallpaper, pictures, MENU_RATE, 2);
    EXPECT_STREQ("Player 2, please select a character:", selection.prompt_text());
    hold_only(SDLK_RIGHT);
    platform::set_key(SDLK_RETURN, true);
    EXPECT_FALSE(selection.frame());
    EXPECT_EQ(0, selection.cursor());
    platform::release_all_keys();
    hold_only(SDLK_a);
    selection.frame();
    EXPECT_EQ(3, selection.cursor());
    hold_only(SDLK_d);
    selection.frame();
    hold_only(SDLK_d);
    selection.frame();
    EXPECT_EQ(1, selection.cursor());
    hold_only(SDLK_TAB);
    EXPECT_TRUE(selection.frame());
    EXPECT_EQ(1, selection.cursor());

    char_select first(&wallpaper, pictures, MENU_RATE, 1);
    EXPECT_STREQ("Please select a character:", first.prompt_text());
    hold_only(SDLK_z);
    EXPECT_FALSE(first.frame());
}

// In training one player chooses both fighters: the dummy with the arrows
// and Return too.
TEST_F(character_selection, the_training_dummy_is_chosen_with_the_first_players_keys) {
    char_select dummy(&wallpaper, pictures, MENU_RATE, char_select::TRAINING_DUMMY);
    hold_only(SDLK_LEFT);
    dummy.frame();
    EXPECT_EQ(3, dummy.cursor());
    hold_only(SDLK_RETURN);
    EXPECT_TRUE(dummy.frame());
}

}  // namespace
