#include <SDL/SDL_mixer.h>
#include <gtest/gtest.h>

#include "gfx/img_mgr.h"
#include "shell/screen_flow.h"
#include "tests/shell/menu_fixture.h"

namespace {

// The whole preloading behind the logo, then the mode table played through
// the flow: which selections run, which music starts, what the match gets.
class mode_table : public menu_test {
protected:
    static void SetUpTestSuite() {
        menu_test::SetUpTestSuite();
        saved_audio_ok = screen.audio_ok;
        screen.init_audio();
        mixer_open = Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 8192) == 0;
    }
    static void TearDownTestSuite() {
        if (mixer_open) Mix_CloseAudio();
        screen.audio_ok = saved_audio_ok;
    }

    void SetUp() override {
        menu_test::SetUp();
        flow = new screen_flow();
        flow->show_logo(&pacing, MENU_RATE, 60);
        flow->preload();
        flow->hide_logo();
        Mix_HaltMusic();
    }
    void TearDown() override {
        Mix_HaltMusic();
        delete flow;
        menu_test::TearDown();
    }

    static Sint32 saved_audio_ok;
    static bool mixer_open;
    screen_flow* flow = nullptr;
};

Sint32 mode_table::saved_audio_ok = 0;
bool mode_table::mixer_open = false;

// One selection confirmed at its first poll: 32 frames of build-up, one of
// choice, 32 of fade-out, 5 ms each at 200 frames a second.
const Uint32 ONE_SELECTION_MS = 65 * 5;

// The first player's fighter plays recoloured, the second player's in its
// own colours: each selection shows the roster as it will play.
TEST_F(mode_table, each_selection_shows_the_fighters_in_the_colours_they_play_in) {
    const Uint32 blue = SDL_MapRGB(screen.surface->format, 86, 110, 196);  // the swap file's first source
    const auto shown = [&](img_mgr* picture) {
        SDL_FillRect(screen.surface, nullptr, 0);
        picture->display(0, 0);
        int count = 0;
        for (int y = 0; y < screen.surface->h; y++) {
            const Uint32* row = (const Uint32*)((const Uint8*)screen.surface->pixels + y * screen.surface->pitch);
            for (int x = 0; x < screen.surface->w; x++) count += row[x] == blue;
        }
        return count;
    };
    EXPECT_GT(shown(flow->selection_pictures(2)[0]), 20);
    EXPECT_EQ(0, shown(flow->selection_pictures(1)[0]));
}

TEST_F(mode_table, demo_pits_the_first_fighter_against_itself_without_selection_or_music) {
    const Uint32 before = platform::ticks();
    const match_request request = flow->plan_series(3);
    EXPECT_EQ(platform::ticks(), before) << "a selection screen ran";
    EXPECT_EQ(match_request::DEMO, request.mode);
    EXPECT_EQ(3, request.reqwins);
    EXPECT_EQ(0, request.first_choice);
    EXPECT_EQ(0, request.second_choice);
    EXPECT_EQ(0, Mix_PlayingMusic());
    ASSERT_EQ(4u, request.fighter_files.size());
    EXPECT_EQ("game/fighter/lunet_char.ini", request.fighter_files[0]);
    EXPECT_EQ("game/fighter/morrow_char.ini", request.fighter_files[3]);
    EXPECT_EQ(&pacing, request.framerate);
    EXPECT_EQ(60, request.fps);
}

TEST_F(mode_table, survival_asks_for_no_round_wins_after_one_selection_with_music) {
    hold_only(SDLK_RETURN);
    const Uint32 before = platform::ticks();
    const match_request request = flow->plan_series(2);
    EXPECT_EQ(ONE_SELECTION_MS, platform::ticks() - before);
    EXPECT_EQ(match_request::SURVIVAL, request.mode);
    EXPECT_EQ(0, request.reqwins);
    EXPECT_EQ(0, request.first_choice);
    ASSERT_TRUE(mixer_open) << Mix_GetError();
    EXPECT_EQ(1, Mix_PlayingMusic()) << "no selection music";
}

TEST_F(mode_table, arcade_and_versus_ask_for_three_wins_after_their_selections) {
    hold_only(SDLK_RETURN);
    Uint32 before = platform::ticks();
    const match_request arcade = flow->plan_series(0);
    EXPECT_EQ(ONE_SELECTION_MS, platform::ticks() - before);
    EXPECT_EQ(match_request::ARCADE, arcade.mode);
    EXPECT_EQ(3, arcade.reqwins);

    // Return confirms the first selection, Tab the second player's.
    platform::set_key(SDLK_TAB, true);
    before = platform::ticks();
    const match_request versus = flow->plan_series(1);
    EXPECT_EQ(2 * ONE_SELECTION_MS, platform::ticks() - before);
    EXPECT_EQ(match_request::VERSUS, versus.mode);
    EXPECT_EQ(3, versus.reqwins);
    EXPECT_EQ(0, versus.first_choice);
    EXPECT_EQ(0, versus.second_choice);
    EXPECT_FALSE(versus.cancelled);

    // Quitting the first selection goes back to the menu: no second
    // selection, no match. (A quit key held before a selection appears
    // waits for its release, so the window's close stands in for it.)
    platform::release_all_keys();
    platform::push_quit();
    before = platform::ticks();
    const match_request left = flow->plan_series(1);
    EXPECT_EQ(ONE_SELECTION_MS, platform::ticks() - before);
    EXPECT_TRUE(left.cancelled);
}

}  // namespace
