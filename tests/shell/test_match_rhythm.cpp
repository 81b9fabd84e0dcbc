// The rhythm around the fights: each round introduced from the start
// places, the winner's screen after a series, and the arcade ladder.
#include <set>

#include "shell/arcade_ladder.h"
#include "shell/hud.h"
#include "shell/series_run.h"
#include "shell/victory_screen.h"
#include "tests/shell/match_fixture.h"

namespace {

// The test fighter's stills are (200, 20 x picture, 40).
const Uint32 READY_RGB = 0xC83C28;
const Uint32 VICTORY_RGB = 0xC86428;
const int INTRO_FRAMES = 90;  // 1.5 s at 60 frames a second
const Uint32 MS_PER_FRAME = 1000 / 60;

class match_rhythm : public match_test {};

TEST_F(match_rhythm, a_new_round_starts_afresh_at_the_start_and_no_control_acts_while_it_is_introduced) {
    start();
    const double start_zoom = current_level->zoom;
    const int start_scroll = current_level->scroll_x;
    place(200, 1000);
    right().life = 30;
    left().life = -1;
    frames(1);
    // At the knock-out the winner shows its victory.
    EXPECT_GT(screen_count(0, 250, 640, 230, VICTORY_RGB), 1000);
    frames_until_round_end(300);
    EXPECT_FALSE(end_round());

    series->start_round();
    EXPECT_EQ(440, left().x);
    EXPECT_EQ(840, right().x);
    EXPECT_EQ(100, right().life);
    EXPECT_EQ(100, left().life);
    EXPECT_STREQ("Round 2", series->introduction().text());
    // Both players hold a key toward the other through the introduction.
    hold_only(SDLK_LEFT);
    platform::set_key(SDLK_d, true);
    frames(1);
    EXPECT_EQ(start_zoom, current_level->zoom);
    EXPECT_EQ(start_scroll, current_level->scroll_x);
    EXPECT_GT(screen_count(0, 250, 640, 230, READY_RGB), 2000);
    EXPECT_GT(screen_count(200, 200, 240, 80, 0xFFFFFF), 50);
    frames(INTRO_FRAMES - 2);
    EXPECT_STREQ("Fight!", series->introduction().text());
    EXPECT_EQ(440, left().x);
    EXPECT_EQ(840, right().x);
    frames(1);
    EXPECT_FALSE(series->introduction().running());
    frames(5);
    EXPECT_GT(left().x, 440);
    EXPECT_LT(right().x, 840);
}

TEST_F(match_rhythm, a_series_played_out_shows_the_winner_for_three_seconds_or_until_a_key) {
    request.reqwins = 0;
    start();
    left().life = -1;
    frames_until_round_end(300);
    EXPECT_TRUE(end_round());
    EXPECT_EQ(hud::RIGHT_SEAT, series->winner());
    const Uint32 before = platform::ticks();
    const std::string log = quiet([&] { series->show_victory(); });
    EXPECT_NE(log.find("Victory: [Player 1 Wins] ["), std::string::npos);
    EXPECT_NE(log.find("] [1 - 0]"), std::string::npos);
    EXPECT_EQ(3u * 60u, (platform::ticks() - before) / MS_PER_FRAME);
    // The victory picture stands large on the winner's side.
    EXPECT_GT(screen_count(320, 0, 320, 480, VICTORY_RGB), 20000);
    EXPECT_EQ(0, screen_count(0, 0, 320, 480, VICTORY_RGB));

    // A key still hammered from the fight does not end it; a fresh one does.
    victory_screen early(assets, &right(), hud::RIGHT_SEAT, "Standard", "1 - 0", FPS);
    platform::set_key(SDLK_SPACE, true);
    int shown = 0;
    while (shown < 40 && early.step()) shown++;
    EXPECT_EQ(40, shown);
    platform::set_key(SDLK_k, true);
    EXPECT_FALSE(early.step());
    EXPECT_FALSE(early.left());
}

TEST_F(match_rhythm, an_arcade_ladder_meets_every_other_fighter_once_and_a_lost_series_ends_it) {
    request.mode = match_request::ARCADE;
    request.fighter_files.assign(4, data.standard_fighter);
    request.first_choice = 1;
    request.seed_given = true;
    const ladder_art no_art = {nullptr, nullptr, nullptr, 0};
    std::set<std::vector<int>> orders;
    for (Uint32 seed = 1; seed <= 20; seed++) {
        request.seed = seed;
        series_run runner;
        arcade_ladder ladder(request, assets, no_art, runner);
        orders.insert(ladder.opponents());
        std::set<int> met;
        for (int series_won = 0; series_won < 2; series_won++) {
            met.insert(ladder.next_series().second_choice);
            ladder.series_ended(hud::RIGHT_SEAT, false);
            EXPECT_FALSE(ladder.over());
        }
        met.insert(ladder.next_series().second_choice);
        EXPECT_EQ(1, ladder.next_series().first_choice);
        EXPECT_EQ((std::set<int>{0, 2, 3}), met);
        ladder.series_ended(hud::LEFT_SEAT, false);
        EXPECT_TRUE(ladder.over());
        EXPECT_FALSE(ladder.won());
        EXPECT_EQ(2, ladder.beaten());
    }
    EXPECT_GT(orders.size(), 3u);
}

// Opponents that are down from the start: two real series won, "Next"
// between them, the ending after the last.
TEST_F(match_rhythm, an_arcade_ladder_climbed_to_its_end_shows_the_next_opponent_and_the_ending) {
    request.mode = match_request::ARCADE;
    request.reqwins = 0;
    const std::string fallen = data.fighter("fallen", "hp=-1 " + data.standard_keys());
    request.fighter_files = {data.standard_fighter, fallen, fallen};
    const ladder_art no_art = {nullptr, nullptr, nullptr, 0};
    series_run runner;
    arcade_ladder ladder(request, assets, no_art, runner);
    const std::string log = quiet([&] { ladder.run(); });
    EXPECT_EQ(2, count_of(log, "Victory: [Player 1 Wins]"));
    EXPECT_EQ(1, count_of(log, "Next: [Fallen]"));
    EXPECT_LT(log.find("Next: ["), log.rfind("Victory: ["));
    EXPECT_NE(log.find("Arcade ladder won: [Standard] beat all [2]"), std::string::npos);
    EXPECT_TRUE(game_objects.empty());
}

}  // namespace
