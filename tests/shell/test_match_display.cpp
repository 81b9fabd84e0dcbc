// What the camera and the heads-up display show: zoom and scroll, the
// push-apart of overlapping fighters, life bars catching up, win dots.
#include "shell/hud.h"
#include "tests/shell/match_fixture.h"

namespace {

const Uint32 GOLD = 0xF6CE7F;
const Uint32 DAMAGE_RED = 0xFA2D40;
const int BAR_Y = 16;

class match_camera : public match_test {};

TEST_F(match_camera, the_zoom_is_fractional_and_logged_every_frame) {
    // The round's introduction runs the first frames.
    const std::string log = start();
    EXPECT_GT(current_level->zoom, 0.5);
    EXPECT_LT(current_level->zoom, 1.0);
    // First frame: nothing drawn yet, so whole pictures are measured.
    const size_t first = log.find("Current Zoom [");
    EXPECT_EQ(first, log.find("Current Zoom [0.739884] [890] [50]"));
    // Then the visible pixels: 5 empty columns at each side.
    EXPECT_EQ(log.find("Current Zoom [", first + 1), log.find("Current Zoom [0.744186] [885] [50]"));
    frames(1);
    EXPECT_EQ(222, current_level->scroll_x);
    EXPECT_EQ(5, count_of(frames(5), "Current Zoom ["));
}

TEST_F(match_camera, the_scroll_never_goes_below_the_level_start) {
    start();
    frames(1);
    place(-40, 60);
    frames(1);
    EXPECT_EQ(0, current_level->scroll_x);
}

// Both fighters show whole, feet included: while one is in the air, and
// at either end of the stage, where the view stops at the stage's end.
TEST_F(match_camera, both_fighters_show_whole_in_a_jump_and_at_the_stage_ends) {
    start();
    frames(1);
    left().y -= 150;
    frames(1);
    ASSERT_LT(left().y + left().height, 480);
    EXPECT_EQ(480, right().y - current_level->scroll_y + right().height);
    EXPECT_GT(screen_count(0, 440, 640, 40, 0x0000C8), 100);

    place(0, match_data::LEVEL_WIDTH - match_data::STILL_WIDTH);
    frames(1);
    EXPECT_GE(current_level->scroll_x, 0);
    EXPECT_LE(current_level->scroll_x, 5);  // the left fighter's visible edge
    EXPECT_LE(current_level->scroll_x + 640 / current_level->zoom, match_data::LEVEL_WIDTH + 1);
    EXPECT_GT(screen_count(0, 0, 640, 480, 0xC80028), 200);
    EXPECT_GT(screen_count(0, 0, 640, 480, 0x0000C8), 200);
}

TEST_F(match_camera, overlapping_fighters_are_pushed_apart_to_their_visible_edges) {
    start();
    place(560, 660);
    frames(1);
    place(600, 610);
    frames(1);
    // The left fighter stepped back so its visible pixels end where the
    // other's picture starts, less that picture's empty margin.
    EXPECT_EQ(565, left().x);
    EXPECT_EQ(610, right().x);
    EXPECT_FALSE(left().overlaps(right()));
}

TEST_F(match_camera, the_fighters_turn_to_face_each_other_when_they_cross) {
    start();
    frames(1);
    place(800, 300);
    frames(1);
    EXPECT_EQ(0, left().facing);
    EXPECT_EQ(1, right().facing);
}

class match_hud : public match_test {};

TEST_F(match_hud, the_red_damage_shrinks_half_a_point_a_frame_behind_the_life_bar) {
    start();
    frames(1);
    // The right fighter's bar hangs from the right edge, 230 pixels at 100.
    EXPECT_EQ(GOLD, screen_rgb(400, BAR_Y));
    right().life = 50;
    frames(1);
    EXPECT_DOUBLE_EQ(99.5, right().shown_life);
    EXPECT_EQ(GOLD, screen_rgb(520, BAR_Y));
    EXPECT_EQ(DAMAGE_RED, screen_rgb(400, BAR_Y));
    // It stops within the last half point: 50.5 shows as 50.
    frames(98);
    EXPECT_DOUBLE_EQ(50.5, right().shown_life);
    frames(5);
    EXPECT_DOUBLE_EQ(50.5, right().shown_life);
    EXPECT_NE(DAMAGE_RED, screen_rgb(400, BAR_Y));
    EXPECT_NE(GOLD, screen_rgb(400, BAR_Y));
}

// Without hit points there is nothing to measure a bar by: a life over 0
// would make it infinitely long, which no pixel count can hold.
TEST_F(match_hud, a_fighter_without_hit_points_shows_an_empty_bar) {
    start();
    frames(1);
    EXPECT_EQ(GOLD, screen_rgb(100, BAR_Y));
    left().max_life = 0;
    left().life = 40;
    left().shown_life = 40.5;
    for (double points : {40.5, 40.0, 0.0, -1.0}) EXPECT_EQ(0.0, hud::bar_length(points, 0)) << points;
    frames(2);
    EXPECT_NE(GOLD, screen_rgb(100, BAR_Y));
    EXPECT_NE(DAMAGE_RED, screen_rgb(100, BAR_Y));
    EXPECT_EQ(100.0, hud::bar_length(50, 115));
}

TEST_F(match_hud, each_round_won_shows_a_dot_under_the_bar) {
    start();
    frames(1);
    EXPECT_NE(GOLD, screen_rgb(21, 31));
    right().life = -1;
    frames_until_round_end(500);
    end_round();
    series->start_round();
    frames(1);
    EXPECT_EQ(GOLD, screen_rgb(21, 31));
    EXPECT_NE(GOLD, screen_rgb(32, 31));
}

// The count shows under the display on the attacker's side, and goes a
// second and a half after the last hit of the string.
TEST_F(match_hud, a_string_of_hits_shows_on_the_attackers_side_until_it_has_ended) {
    start();
    frames(1);
    EXPECT_EQ(0, screen_count(0, 0, 640, 480, 0xFF0000));
    right().hits_taken = 2;
    frames(1);
    EXPECT_EQ(2, series->display().shown_hits(right()));
    EXPECT_GT(screen_count(0, hud::HIT_COUNT_TOP, 200, 40, 0xFF0000), 20);
    EXPECT_EQ(0, screen_count(0, 0, 640, hud::HIT_COUNT_TOP, 0xFF0000));
    EXPECT_EQ(0, screen_count(320, 0, 320, 480, 0xFF0000));
    frames(60);
    right().hits_taken = 3;  // a third hit starts the wait again
    frames(90);  // the frame of the hit and 89 more: 1.5 s at 60 frames a second
    EXPECT_EQ(3, series->display().shown_hits(right()));
    frames(1);
    EXPECT_EQ(0, series->display().shown_hits(right()));
    EXPECT_EQ(0, screen_count(0, 0, 640, 480, 0xFF0000));
}

// Each player keeps its side of the screen when the fighters cross: the
// left fighter's half-empty bar stays on the left.
TEST_F(match_hud, bars_keep_their_sides_when_the_fighters_cross) {
    start();
    left().life = 50;
    left().shown_life = 50;
    place(800, 300);
    frames(1);
    ASSERT_EQ(0, left().facing);
    EXPECT_EQ(GOLD, screen_rgb(100, BAR_Y));
    EXPECT_NE(GOLD, screen_rgb(200, BAR_Y));
    EXPECT_EQ(GOLD, screen_rgb(440, BAR_Y));
}

TEST_F(match_hud, a_fighter_plays_under_the_name_its_file_starts_with) {
    EXPECT_EQ("Halvard", match::fighter_name("game/fighter/halvard_char.ini"));
    EXPECT_EQ("Morrow", match::fighter_name("morrow.ini"));
    EXPECT_EQ("", match::fighter_name(""));
}

}  // namespace
