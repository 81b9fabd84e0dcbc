// How rounds and series end: knock-outs, the round-end delay, round wins,
// survival, Escape and the window's close button.
#include "gfx/txt_mgr.h"
#include "shell/hud.h"
#include "tests/shell/match_fixture.h"

namespace {

class match_rounds : public match_test {};

TEST_F(match_rounds, set_up_logs_the_series_and_places_the_fighters_facing_each_other) {
    const std::string log = start();
    EXPECT_NE(log.find("Setting FPS [60]"), std::string::npos);
    // The first player is the right fighter, on the arrows.
    EXPECT_NE(log.find("sizeof player 1[1] is ["), std::string::npos);
    EXPECT_NE(log.find("sizeof player 2[0] is ["), std::string::npos);
    EXPECT_NE(log.find("Level [1280,480] screen [640,480]"), std::string::npos);
    EXPECT_NE(log.find("Scrolling Max for level: maxx [640] maxy[0]"), std::string::npos);
    EXPECT_EQ(2u, game_objects.size());
    EXPECT_EQ(440, left().x);
    EXPECT_EQ(840, right().x);
    EXPECT_EQ(480, left().y + left().height);
    EXPECT_EQ(1, left().facing);
    EXPECT_EQ(180, series->round_limit());

    const std::string one_frame = frames(1);
    EXPECT_EQ(1, count_of(one_frame, "Current Zoom ["));
    EXPECT_EQ(1, left().facing);
    EXPECT_EQ(0, right().facing);
    // Both stand in the same picture, the right one recoloured from red to
    // blue so the two can be told apart.
    EXPECT_GT(screen_count(0, 300, 640, 180, 0xC80028), 1000);
    EXPECT_GT(screen_count(0, 300, 640, 180, 0x0000C8), 1000);
}

TEST_F(match_rounds, a_knock_out_ends_the_round_at_the_end_of_the_181st_frame) {
    start();
    frames(2);
    right().life = -1;
    EXPECT_EQ(180, frames_until_round_end(180));
    EXPECT_FALSE(series->round_done());
    EXPECT_EQ(180, series->round_over_count());
    // The fallen fighter lies on the floor showing its knocked-out picture.
    EXPECT_EQ(lifeform::STATE_KNOCKED_OUT, right().state);
    EXPECT_EQ(lifeform::SHOW_KNOCKED_OUT, right().show_state);
    EXPECT_EQ(480, right().y + right().height);
    EXPECT_EQ(1, frames_until_round_end(10));
    EXPECT_TRUE(series->round_done());

    EXPECT_FALSE(end_round());
    EXPECT_NE(last_log.find("Loop finished"), std::string::npos);
    EXPECT_NE(last_log.find("mode [2] reqwins[3] p1[0] p2[1]"), std::string::npos);
    // The next round starts with full life and the win kept.
    EXPECT_EQ(100, right().life);
    EXPECT_EQ(lifeform::STATE_NEUTRAL, right().state);
    EXPECT_EQ(1, left().wins);
}

TEST_F(match_rounds, the_result_text_shows_at_the_screen_centre) {
    start();
    frames(1);
    EXPECT_EQ(0, screen_count(240, 226, 160, 36, 0xFFFFFF));
    right().life = -1;
    frames(1);
    EXPECT_GT(screen_count(240, 226, 160, 36, 0xFFFFFF), 20);
}

// Which pixels of the screen's middle band are white, where the results show.
std::vector<bool> white_in_middle_band() {
    std::vector<bool> white;
    for (int y = 200; y < 290; y++)
        for (int x = 120; x < 520; x++) white.push_back(screen_rgb(x, y) == 0xFFFFFF);
    return white;
}

TEST_F(match_rounds, a_double_knock_out_shows_three_texts_and_wins_for_both) {
    start();
    frames(1);
    // Printed without a background, the three texts show one over another.
    assets.win_text->mode = TXT_MGR::MODE_SOLID;
    left().life = -5;
    right().life = -5;
    frames(1);
    const std::vector<bool> shown = white_in_middle_band();
    screen.clear_screen();
    hud texts(assets, 60);
    for (const char* text : {"Player 2 Wins", "Player 1 Wins", "Double Death"}) texts.show_result(text);
    texts.draw_results();
    EXPECT_EQ(white_in_middle_band(), shown);
    screen.clear_screen();
    texts.start_frame();
    texts.show_result("Double Death");
    texts.draw_results();
    EXPECT_NE(white_in_middle_band(), shown);
    EXPECT_EQ(3, series->round_over_count());
    EXPECT_EQ(60, frames_until_round_end(100));
    EXPECT_FALSE(end_round());
    EXPECT_NE(last_log.find("p1[1] p2[1]"), std::string::npos);
}

TEST_F(match_rounds, with_three_required_wins_the_fourth_win_ends_the_series) {
    start();
    for (int round = 1; round <= 4; round++) {
        frames(1);
        right().life = -1;
        frames_until_round_end(500);
        const bool over = end_round();
        EXPECT_EQ(round == 4, over) << "round " << round;
        EXPECT_NE(last_log.find("p1[0] p2[" + std::to_string(round) + "]"), std::string::npos);
        if (!over) series->start_round();
    }
    const std::string log = quiet([&] { series->end_series(); });
    EXPECT_NE(log.find("Level Unloaded\nLevel Deleted\n"), std::string::npos);
    EXPECT_NE(log.find("Clearing Gameobjects"), std::string::npos);
    EXPECT_TRUE(game_objects.empty());
    EXPECT_EQ(nullptr, current_level);
}

// The player keeps its life from opponent to opponent; each beaten one
// gives way to the next fighter of the roster, fresh at its start; the
// first round the player loses ends the series.
TEST_F(match_rounds, a_survival_series_runs_through_the_roster_until_the_player_loses) {
    survival();
    request.fighter_files.push_back(data.fighter("second", "hp=60 " + data.standard_keys()));
    series.reset(new match(request, assets));
    start();
    frames(1);
    right().life = 55;
    left().life = -1;
    left().x = 100;
    frames_until_round_end(500);
    EXPECT_STREQ("Player 1 Wins", series->display().result());
    EXPECT_FALSE(end_round());
    EXPECT_EQ(1, series->beaten());
    series->start_round();
    EXPECT_EQ(60, left().max_life);
    EXPECT_EQ(60, left().life);
    EXPECT_EQ(440, left().x);
    EXPECT_EQ(lifeform::STATE_NEUTRAL, left().state);
    EXPECT_EQ(55, right().life);
    // The new opponent plays and is drawn: frames run without trouble.
    EXPECT_EQ(30, frames_until_round_end(30));
    EXPECT_FALSE(series->round_done());

    right().life = -1;
    frames_until_round_end(500);
    EXPECT_STREQ("Player 2 Wins", series->display().result());
    EXPECT_TRUE(end_round());
    EXPECT_NE(last_log.find("Survival over: [1] opponents beaten"), std::string::npos);
}

TEST_F(match_rounds, escape_gives_the_right_fighter_the_series) {
    start();
    frames(3);
    hold_only(SDLK_ESCAPE);
    EXPECT_EQ(1, frames_until_round_end(10));
    EXPECT_TRUE(end_round());
    EXPECT_EQ(4, right().wins);
    EXPECT_EQ(0, left().wins);
}

TEST_F(match_rounds, escape_leaves_survival_as_it_leaves_any_series) {
    survival();
    start();
    hold_only(SDLK_ESCAPE);
    EXPECT_EQ(1, frames_until_round_end(10));
    EXPECT_TRUE(end_round());
}

TEST_F(match_rounds, closing_the_window_gives_the_left_fighter_the_series) {
    start();
    frames(2);
    // Behind a burst of key events the close still ends the series at once.
    for (int tap = 0; tap < 200; tap++) {
        platform::set_key(tap % 2 ? SDLK_LEFT : SDLK_RIGHT, true);
        platform::release_all_keys();
    }
    platform::push_quit();
    EXPECT_EQ(1, frames_until_round_end(10));
    EXPECT_TRUE(end_round());
    EXPECT_EQ(4, left().wins);
}

TEST_F(match_rounds, a_closed_window_ends_a_demo_series_and_leaves_nothing_in_play) {
    request.mode = match_request::DEMO;
    series.reset(new match(request, assets));
    // The computer fights itself; a closed window ends the series.
    platform::push_quit();
    const std::string log = quiet([&] { series->run(); });
    EXPECT_NE(log.find("Loop finished"), std::string::npos);
    EXPECT_NE(log.find("Clearing Gameobjects"), std::string::npos);
    EXPECT_TRUE(game_objects.empty());
    EXPECT_FALSE(series->series_running());
}

TEST_F(match_rounds, a_fighter_choice_outside_the_list_loads_the_first_fighter) {
    request.first_choice = 7;
    request.second_choice = -1;
    const std::string log = start();
    EXPECT_NE(log.find("WARNING: fighter choice [7]"), std::string::npos);
    EXPECT_NE(log.find("WARNING: fighter choice [-1]"), std::string::npos);
    EXPECT_EQ(100, right().max_life);
    EXPECT_EQ(100, left().max_life);
}

}  // namespace
