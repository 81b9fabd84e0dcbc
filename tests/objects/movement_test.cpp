#include "tests/objects/objects_fixture.h"

namespace {

class movement_test : public objects_test {
protected:
    // The cases' object is held at the level's edges, as a fighter is; the
    // case of objects that die there makes its own.
    movement_test() { object.stay_in_level(); }

    // A 100-pixel-wide object whose body spans columns 12 to 70.
    static void give_body(lifeform& object) {
        object.width = 100;
        object.height = 80;
        object.bound_box = img_box{12, 0, 70, 80};
    }
    fighter_lifeform object;
};

TEST_F(movement_test, a_projectile_moves_ten_pixels_a_step_by_its_drift) {
    object.kind = lifeform::BODY_PROJECTILE;
    object.speed = 0.1;
    object.drift_x = 0.25;
    object.x = 100;
    object.y = 100;
    for (int step = 1; step <= 3; step++) {
        object.move_x = 0.0;  // the match zeroes the speed every frame
        object.move_step(1);
        EXPECT_EQ(100 + 10 * step, object.x);
    }
}

TEST_F(movement_test, speed_zero_neither_drifts_nor_moves_but_still_clamps) {
    give_body(object);
    object.speed = 0.0;
    object.drift_x = 3.0;
    object.move_x = 2.0;
    object.x = 50;
    object.y = 470;
    object.move_step(1);
    EXPECT_EQ(50, object.x);
    EXPECT_DOUBLE_EQ(2.0, object.move_x);
    EXPECT_EQ(400, object.y);  // held on the floor
}

TEST_F(movement_test, a_held_object_may_leave_only_its_empty_margin_outside_the_level) {
    give_body(object);
    object.facing = 0;
    object.x = -40;
    object.move_x = -1.0;
    object.move_step(1);
    EXPECT_EQ(-12, object.x);
    EXPECT_DOUBLE_EQ(0.0, object.move_x);

    object.facing = 1;  // mirrored: the right margin (100 - 70) is on the left
    object.x = -40;
    object.move_step(1);
    EXPECT_EQ(-30, object.x);

    object.x = 700;  // right end: level width + right margin - width
    object.move_step(1);
    EXPECT_EQ(640 + 12 - 100, object.x);
    object.facing = 0;
    object.x = 700;
    object.move_step(1);
    EXPECT_EQ(640 + 30 - 100, object.x);
    EXPECT_EQ(1, object.is_alive());
}

TEST_F(movement_test, the_right_end_follows_the_level_width_and_scale) {
    level stage;
    stage.level_width = 1600;
    stage.scale = 2.0;
    current_level = &stage;
    give_body(object);
    object.x = 5000;
    object.move_step(1);
    EXPECT_EQ(800 + 30 - 100, object.x);
    current_level = nullptr;
}

TEST_F(movement_test, an_object_that_dies_at_the_edge_dies_and_is_held_in_the_same_step) {
    struct crossing {
        int x, y;
        double move_x, move_y;
        int held_x, held_y;
    };
    const crossing crossings[] = {
        {3, 100, -5.0, 0.0, 0, 100},            // the left edge
        {200, 4, 0.0, -9.0, 200, 0},            // the top
        {560, 100, 15.0, 0.0, 640 - 100 + 30, 100},  // the level's end, less the right margin
        {200, 390, 0.0, 20.0, 200, 400},        // the floor
    };
    for (const crossing& tried : crossings) {
        fighter_lifeform mover;
        give_body(mover);
        mover.x = tried.x;
        mover.y = tried.y;
        mover.move_x = tried.move_x;
        mover.move_y = tried.move_y;
        mover.move_step(1);
        EXPECT_EQ(-1, mover.life);
        EXPECT_EQ(tried.held_x, mover.x);
        EXPECT_EQ(tried.held_y, mover.y);
        EXPECT_DOUBLE_EQ(0.0, mover.move_x + mover.move_y);
    }
}

TEST_F(movement_test, a_tiny_speed_from_a_file_does_not_overflow_the_position) {
    give_body(object);
    object.speed = 1e-300;
    object.move_x = 1.0;
    object.move_step(1);
    EXPECT_EQ(640 + 30 - 100, object.x);
}

}  // namespace
