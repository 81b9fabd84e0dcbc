#include "objects/fighter_motion.h"

#include <memory>

#include "platform/screen_mgr.h"
#include "tests/objects/objects_fixture.h"

namespace {

typedef fighter_lifeform fl;

class fighter_motion_test : public objects_test {
protected:
    void SetUp() override {
        objects_test::SetUp();
        fighter.reset(load_fighter(files.moves(18) + files.stills() + "hp=100\n"));
        fighter->stay_in_level();
        fighter->height = 90;
        fighter->stand_at(200, true);
    }

    // One frame of a fighter's movement, in the match's order, steering
    // with `steer_x` and `steer_y`.
    void frame(double steer_x, double steer_y) {
        fighter->clear_steering();
        fighter->move_x = steer_x;
        fighter->move_y = steer_y;
        fighter_motion::take_posture(*fighter);
        fighter_motion::jump_and_fall(*fighter);
        fighter_motion::fall(*fighter);
        fighter->move_step(1);
    }

    std::unique_ptr<fighter_lifeform> fighter;
};

TEST_F(fighter_motion_test, a_jump_rises_falls_back_and_lands_standing_with_no_drift) {
    frame(1.0, -1.0);
    EXPECT_EQ(fl::POSTURE_STAND, fighter->posture);  // the posture follows next frame
    EXPECT_DOUBLE_EQ(1.0, fighter->drift_x);          // the jump keeps the way it was steered
    int highest = fighter->y;
    int frames = 1;
    while (!fighter->on_floor() && frames < 100) {
        frame(-1.0, 0.0);  // steering in the air changes nothing
        EXPECT_EQ(fl::POSTURE_JUMP, fighter->posture);
        if (fighter->y < highest) highest = fighter->y;
        frames++;
    }
    EXPECT_LT(frames, 100) << "never came down";
    EXPECT_LT(highest, screen.height() - 90 - 10);
    EXPECT_GT(fighter->x, 200);  // carried forward by the drift alone
    frame(0.0, 0.0);
    EXPECT_EQ(0.0, fighter->jump_speed);
    EXPECT_EQ(0.0, fighter->drift_x);
    EXPECT_TRUE(fighter->on_floor());
    frame(0.0, 0.0);
    EXPECT_EQ(fl::POSTURE_STAND, fighter->posture);
}

TEST_F(fighter_motion_test, holding_back_guards_and_stands_still_only_under_attack) {
    fighter->move_x = -1.0;  // facing right, steering left
    fighter_motion::guard_by_holding_back(*fighter, false);
    EXPECT_EQ(lifeform::STATE_BLOCKING, fighter->state);
    EXPECT_EQ(fl::MOVE_KIND_BLOCK, fighter->move_kind);
    EXPECT_EQ(-1.0, fighter->move_x);
    fighter_motion::guard_by_holding_back(*fighter, true);
    EXPECT_EQ(0.0, fighter->move_x);
}

TEST_F(fighter_motion_test, a_dash_drifts_the_held_way_or_steps_back_and_not_while_hit) {
    fighter->move_x = -1.0;
    fighter_motion::dash(*fighter);
    EXPECT_LT(fighter->drift_x, 0.0);
    fighter->move_x = 0.0;
    fighter_motion::dash(*fighter);
    EXPECT_LT(fighter->drift_x, 0.0);  // facing right: back is left
    fighter->face(false);
    fighter_motion::dash(*fighter);
    EXPECT_GT(fighter->drift_x, 0.0);
    fighter->state = lifeform::STATE_HIT;
    fighter->drift_x = 0.0;
    fighter_motion::dash(*fighter);
    EXPECT_EQ(0.0, fighter->drift_x);
}

TEST_F(fighter_motion_test, a_guard_stops_each_attacking_move_once) {
    std::unique_ptr<fighter_lifeform> attacker(load_fighter(files.moves(18) + files.stills() + "hp=100\n"));
    attacker->start_move(fl::MOVE_PUNCH, fl::PRIORITY_MOVE);
    EXPECT_TRUE(fighter->stop_blow(*attacker));
    EXPECT_LT(fighter->drift_x, 0.0);  // slides back, away from the way it faces
    fighter->drift_x = 0.0;
    EXPECT_FALSE(fighter->stop_blow(*attacker));
    EXPECT_EQ(0.0, fighter->drift_x);
    attacker->stop_moves();
    attacker->start_move(fl::MOVE_KICK, fl::PRIORITY_MOVE);
    EXPECT_TRUE(fighter->stop_blow(*attacker));
}

TEST_F(fighter_motion_test, standing_still_for_a_round_forgets_the_last_one) {
    fighter->start_move(fl::MOVE_PUNCH, fl::PRIORITY_MOVE);
    fighter->hits_taken = 2;
    fighter->knockdowns = fl::DIZZY_KNOCKDOWNS;
    fighter->dizzy_frames = 5;
    fighter->jump_speed = -4.0;
    fighter->y = 10;
    fighter->early_button.keep(0);
    fighter->stand_still();
    EXPECT_TRUE(fighter->move_list_empty());
    EXPECT_EQ(lifeform::PHASE_NONE, fighter->move_phase);
    EXPECT_FALSE(fighter->is_dizzy());
    EXPECT_EQ(0, fighter->hits_taken);
    EXPECT_EQ(0.0, fighter->jump_speed);
    EXPECT_TRUE(fighter->on_floor());
    EXPECT_EQ(input_buffer::NOTHING, fighter->early_button.input);
}

}  // namespace
