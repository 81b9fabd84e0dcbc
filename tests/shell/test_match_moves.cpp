// What the arrows do to the right fighter in a match: Down crouches, Up
// jumps an arc and lands, and a punch or kick in either posture is a move of
// its own.
#include <algorithm>

#include "tests/shell/match_fixture.h"

namespace {

typedef fighter_lifeform fl;

class match_postures : public match_test {
protected:
    // Presses `key` on top of what is held for one frame; true when the
    // fighter then plays `move`.
    bool press_plays(int key, int move) {
        platform::set_key(key, true);
        frames(1);
        platform::set_key(key, false);
        return right().is_playing_move(move);
    }

    int feet() { return right().y + right().height; }
};

TEST_F(match_postures, down_crouches_into_the_low_punch_and_kick) {
    start();
    frames(1);
    hold_only(SDLK_DOWN);
    frames(1);
    EXPECT_EQ(fl::POSTURE_CROUCH, right().posture);
    EXPECT_EQ(lifeform::SHOW_CROUCHING, right().show_state);
    EXPECT_TRUE(press_plays(SDLK_i, fl::MOVE_CROUCH_PUNCH));
    frames(10);
    EXPECT_TRUE(press_plays(SDLK_k, fl::MOVE_CROUCH_KICK));
    hold_only(0);
    frames(10);
    EXPECT_EQ(fl::POSTURE_STAND, right().posture);
}

TEST_F(match_postures, up_jumps_an_arc_that_lands_and_in_the_air_punch_and_kick_are_their_own) {
    start();
    frames(1);
    for (int air_move : {fl::MOVE_JUMP_PUNCH, fl::MOVE_JUMP_KICK}) {
        SCOPED_TRACE(air_move);
        ASSERT_EQ(480, feet());
        hold_only(SDLK_UP);
        frames(1);
        hold_only(0);
        ASSERT_LT(right().jump_speed, 0.0);
        frames(2);
        EXPECT_EQ(fl::POSTURE_JUMP, right().posture);
        EXPECT_TRUE(press_plays(air_move == fl::MOVE_JUMP_PUNCH ? SDLK_i : SDLK_k, air_move));

        // Up first, then down again to the floor, and the fighter lands.
        int highest = feet();
        int in_air = 4;  // the frame of Up, two more and the blow
        while (in_air < 100 && right().jump_speed != 0.0) {
            frames(1);
            highest = std::min(highest, feet());
            in_air++;
        }
        EXPECT_LT(highest, 480 - 10);
        EXPECT_EQ(480, feet());
        EXPECT_EQ(fl::POSTURE_STAND, right().posture);
        EXPECT_DOUBLE_EQ(0.0, right().drift_x);
        // -12 climbing by 0.25 a frame passes -6, where the fighter lands, in
        // its 25th frame.
        EXPECT_EQ(25, in_air);
        frames(10);
    }
}

}  // namespace
