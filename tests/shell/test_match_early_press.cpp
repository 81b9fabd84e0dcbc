// A punch pressed, or a special finished, a little before the fighter can
// act again is not lost: it starts on the first free frame. Pressed too
// early, it is dropped.
#include "anim/ag_stack.h"
#include "tests/shell/match_fixture.h"

namespace {

typedef fighter_lifeform fl;

class match_early_press : public match_test {
protected:
    enum { PUNCH_FRAMES = 4, PUNCH_RATE = 5 };  // 20 busy frames

    void SetUp() override {
        match_test::SetUp();
        const std::string slow = data.animation("slow_punch", data.picture("slow_punch", 40, 80, 90, 90, 160),
                                                PUNCH_FRAMES, PUNCH_RATE);
        const std::string special = "combos=1 combo0moves=1 combo0move=2 combo0move0=down ";
        request.fighter_files = {data.fighter("slow", "hp=100 move0=" + slow + " " + special + data.standard_keys())};
        start();
        frames(1);
    }

    void tap_punch() {
        platform::set_key(SDLK_i, true);
        frames(1);
        platform::set_key(SDLK_i, false);
    }

    bool punching() { return right().is_playing_move(fl::MOVE_PUNCH); }

    // Punches, then counts the frames the punch still plays after the one
    // it started in.
    int busy_frames() {
        tap_punch();
        int busy = 0;
        while (punching() && busy < 100) {
            frames(1);
            busy++;
        }
        return busy;
    }

    // Punches and taps again `early` frames before the first free frame;
    // true when the second punch plays on that frame and not before it.
    bool second_punch_starts_on_the_free_frame(int busy, int early) {
        tap_punch();
        frames(busy + 1 - early - 1);
        tap_punch();
        frames(early - 1);
        const bool started_early = punching();
        frames(1);
        const bool started = punching() && right().anim_stack->records[0].current == 0;
        frames(30);
        return !started_early && started;
    }
};

TEST_F(match_early_press, a_punch_3_frames_early_starts_on_the_free_frame_one_10_early_is_dropped) {
    const int busy = busy_frames();
    ASSERT_GE(busy, PUNCH_FRAMES * PUNCH_RATE - 1);
    EXPECT_TRUE(second_punch_starts_on_the_free_frame(busy, 3));
    EXPECT_FALSE(second_punch_starts_on_the_free_frame(busy, 10));
    EXPECT_EQ(input_buffer::NOTHING, right().early_button.input);
}

// Finished again while it still plays, the special runs once more on the
// first free frame.
TEST_F(match_early_press, a_special_finished_while_it_still_plays_runs_again_when_it_ends) {
    key_tracker& tracker = right().controller->tracker;
    tracker.insert_finished_candidate(0, (int)platform::ticks() + 1);
    frames(1);
    ASSERT_TRUE(right().is_playing_move(fl::MOVE_SPECIAL));
    tracker.insert_finished_candidate(0, (int)platform::ticks() + 1);
    int ran = 0;
    while (right().is_playing_move(fl::MOVE_SPECIAL) && ran++ < 10) frames(1);
    frames(1);
    EXPECT_TRUE(right().is_playing_move(fl::MOVE_SPECIAL));
    EXPECT_EQ(0, right().anim_stack->records[0].current);
}

}  // namespace
