// Pausing a match, the round timer and the training, frame by frame on the
// surface screen with scripted keys and clock.
#include <vector>

#include "input/controller.h"
#include "shell/training_overlay.h"
#include "tests/shell/match_fixture.h"

namespace {

class match_extras : public match_test {
protected:
    // One press: the key goes down for a frame and comes up again.
    void tap(int key) {
        platform::set_key(key, true);
        frames(1);
        platform::set_key(key, false);
    }

    // Every counter a frame of play moves.
    std::vector<double> counters() {
        return {right().shown_life,
                (double)right().dizzy_frames,
                (double)series->timer().seconds_left(),
                (double)series->round_over_count(),
                (double)left().x,
                (double)left().controller->tracker.now};
    }

    // The average of red, green and blue over the stage's rows.
    static double stage_brightness() {
        double sum = 0;
        for (int y = 100; y < 300; y += 4) {
            for (int x = 0; x < 640; x += 4) {
                const Uint32 rgb = screen_rgb(x, y);
                sum += ((rgb >> 16) & 255) + ((rgb >> 8) & 255) + (rgb & 255);
            }
        }
        return sum / (50 * 160 * 3);
    }

    void training() {
        request.mode = match_request::TRAINING;
        start();
        place(300, 700);
        frames(2);
    }

    // Down to the dummy's row, Return, up to "Resume", Return.
    void next_dummy_mode() {
        tap(SDLK_p);
        for (int key : {SDLK_DOWN, SDLK_RETURN, SDLK_UP, SDLK_RETURN}) tap(key);
        ASSERT_FALSE(series->paused());
    }

    // The dummy's lowest life over `count` frames.
    int lowest_life(int count) {
        int lowest = left().life;
        for (int i = 0; i < count; i++) {
            frames(1);
            if (left().life < lowest) lowest = left().life;
        }
        return lowest;
    }
};

TEST_F(match_extras, a_pause_freezes_every_counter_and_the_key_trackers_clock) {
    request.round_seconds = 30;
    start();
    place(300, 700);
    frames(2);
    right().life = 40;
    right().knockdowns = 3;
    frames(3);
    tap(SDLK_p);
    ASSERT_TRUE(series->paused());
    const std::vector<double> held = counters();
    const int tracker_ms = left().controller->tracker.now;
    frames(2 * FPS);
    EXPECT_EQ(held, counters());

    // P again resumes; two seconds of pause are missing from the trackers'
    // clock, so no combo window ran out meanwhile.
    tap(SDLK_p);
    EXPECT_FALSE(series->paused());
    frames(1);
    EXPECT_LE(left().controller->tracker.now - tracker_ms, 4 * 1000 / FPS);
    EXPECT_NE(held, counters());

    // The count after a knock-out stands still too.
    left().life = -1;
    frames(3);
    tap(SDLK_p);
    const int count = series->round_over_count();
    frames(4 * FPS);
    EXPECT_EQ(count, series->round_over_count());
    EXPECT_FALSE(series->round_done());
}

TEST_F(match_extras, the_paused_picture_stays_darkened_and_the_list_resumes_or_leaves) {
    start();
    place(300, 700);
    frames(2);
    const double lit = stage_brightness();
    tap(SDLK_p);
    frames(1);
    const double shaded = stage_brightness();
    EXPECT_LT(shaded, lit * 0.5);
    EXPECT_GT(shaded, lit * 0.2) << "the picture is gone";
    EXPECT_GT(screen_count(0, 0, 640, 480, 0xFFFFFF), 500) << "no pause list";

    // "Resume" is the first row.
    tap(SDLK_RETURN);
    EXPECT_FALSE(series->paused());
    frames(1);
    EXPECT_NEAR(lit, stage_brightness(), lit * 0.05);

    // "Leave match" leaves the series as Escape does.
    tap(SDLK_p);
    tap(SDLK_DOWN);
    EXPECT_EQ(1, series->pause_list().cursor());
    tap(SDLK_RETURN);
    EXPECT_TRUE(series->round_done());
    EXPECT_TRUE(end_round());
}

TEST_F(match_extras, escape_or_a_close_leaves_a_paused_series_at_once) {
    start();
    frames(1);
    tap(SDLK_p);
    platform::set_key(SDLK_ESCAPE, true);
    frames(1);
    EXPECT_TRUE(series->round_done());
    EXPECT_EQ(request.reqwins + 1, right().wins);

    platform::release_all_keys();
    start();
    frames(1);
    tap(SDLK_p);
    platform::push_quit();
    frames(1);
    EXPECT_TRUE(series->round_done());
    EXPECT_EQ(request.reqwins + 1, left().wins);
}

// Time out ends the round as a knock-out does, "TIME" in place of the
// result; less life loses, equal life is a win for both.
TEST_F(match_extras, at_time_out_more_life_wins_and_equal_life_wins_for_both) {
    struct outcome {
        int left_life, right_life, left_wins, right_wins;
    };
    for (const outcome& expected : {outcome{80, 60, 1, 0}, outcome{60, 80, 0, 1}, outcome{70, 70, 1, 1}}) {
        request.round_seconds = 2;
        start();
        place(100, 1000);
        left().life = expected.left_life;
        right().life = expected.right_life;
        frames(2 * FPS - 1);
        EXPECT_EQ(1, series->timer().seconds_left());
        frames(1);
        EXPECT_TRUE(series->timer().expired());
        EXPECT_EQ(series->round_limit() + 1, frames_until_round_end(1000));
        EXPECT_STREQ("TIME", series->display().result());
        EXPECT_FALSE(end_round());
        EXPECT_EQ(expected.left_wins, left().wins) << expected.left_life << " against " << expected.right_life;
        EXPECT_EQ(expected.right_wins, right().wins) << expected.left_life << " against " << expected.right_life;
    }
}

TEST_F(match_extras, the_training_dummy_stands_crouches_jumps_guards_or_fights_as_chosen) {
    training();
    place(300, 330);
    hold_only(SDLK_SPACE);
    EXPECT_LT(lowest_life(20), left().max_life) << "a standing dummy is hit";
    platform::release_all_keys();
    EXPECT_EQ(fighter_lifeform::POSTURE_STAND, left().posture);

    next_dummy_mode();
    frames(3);
    EXPECT_EQ(fighter_lifeform::POSTURE_CROUCH, left().posture);

    next_dummy_mode();
    bool jumped = false;
    for (int i = 0; i < 10; i++) {
        frames(1);
        jumped = jumped || left().jump_speed < 0;
    }
    EXPECT_TRUE(jumped);

    // Guarding, the dummy takes nothing from standing, crouching or jumping
    // blows, and its life has come back in the meantime.
    next_dummy_mode();
    frames(3 * FPS);
    ASSERT_EQ(left().max_life, left().life);
    place(300, 330);
    for (int keys : {0, (int)SDLK_DOWN, (int)SDLK_UP}) {
        hold_only(SDLK_SPACE);
        if (keys) platform::set_key(keys, true);
        EXPECT_EQ(left().max_life, lowest_life(40)) << "against key " << keys;
        place(300, 330);
    }
    platform::release_all_keys();

    next_dummy_mode();
    frames(1);
    EXPECT_EQ(controller::SOURCE_CPU, left().controller->sources[0]);
    next_dummy_mode();
    frames(1);
    EXPECT_EQ(controller::SOURCE_HELD, left().controller->sources[0]);
}

// Life comes back two seconds after the last hit; nobody is knocked out;
// a hit while the fighter reels adds to the string's damage.
TEST_F(match_extras, training_refills_life_never_knocks_out_and_adds_up_a_string) {
    training();
    left().life = 90;
    left().state = lifeform::STATE_HIT;
    frames(1);
    left().life = 80;
    frames(1);
    EXPECT_EQ(20, series->training_record().record(0).string_damage);
    frames(2 * FPS - 1);
    EXPECT_EQ(80, left().life);
    frames(1);
    EXPECT_EQ(left().max_life, left().life);

    left().life = 70;
    frames(1);
    EXPECT_EQ(30, series->training_record().record(0).string_damage);

    left().life = -20;
    frames(5 * FPS);
    EXPECT_FALSE(series->round_done());
    EXPECT_EQ(left().max_life, left().life);
    EXPECT_STREQ("", series->display().result());

    // Leaving counts no wins.
    platform::set_key(SDLK_ESCAPE, true);
    frames(1);
    EXPECT_TRUE(end_round());
    EXPECT_EQ(0, left().wins + right().wins);
}

// The player's inputs, newest first, and the frames a move lasts.
TEST_F(match_extras, training_records_the_players_inputs_and_the_length_of_a_move) {
    training();
    hold_only(SDLK_LEFT);
    frames(5);
    hold_only(SDLK_DOWN);
    platform::set_key(SDLK_SPACE, true);
    frames(3);
    platform::release_all_keys();
    frames(10);
    hold_only(SDLK_i);
    frames(1);
    platform::release_all_keys();
    frames(10);

    const training_session& record = series->training_record();
    ASSERT_EQ(3, record.inputs());
    char text[24];
    const char* const expected[] = {"P 1", "D+P 3", "L 5"};
    for (int i = 0; i < 3; i++) {
        training_overlay::describe_input(record.input(i).held, record.input(i).frames, text, sizeof(text));
        EXPECT_STREQ(expected[i], text);
    }
    // A standing punch: two pictures of two frames each.
    EXPECT_EQ(fighter_lifeform::MOVE_PUNCH, record.record(1).move_number);
    EXPECT_EQ(4, record.record(1).move_frames);
}

}  // namespace
