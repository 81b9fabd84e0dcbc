#include "tests/objects/objects_fixture.h"

#include <unistd.h>

#include "input/control_maps.h"
#include "shell/roster.h"

namespace {

// The game's own fighters, read from the data tree the tests run in.
class game_fighters_test : public objects_test {
protected:
    void SetUp() override {
        objects_test::SetUp();
        build_control_maps();
    }
    void TearDown() override {
        release_control_maps();
        objects_test::TearDown();
    }

    fighter_lifeform* load_game_fighter(const char* path, const control_map* controls) {
        fighter_lifeform* loaded = new fighter_lifeform();
        loaded->controls = controls;
        testing::internal::CaptureStdout();
        loaded->load(path);
        last_log = testing::internal::GetCapturedStdout();
        return loaded;
    }
};

TEST_F(game_fighters_test, every_fighter_loads_its_moves_pictures_and_combos_cleanly) {
    int found = 0;
    for (const roster_entry& entry : ROSTER) {
        const char* path = entry.fighter_file;
        if (access(path, R_OK) != 0) continue;
        found++;
        for (const control_map* controls : {p1_controls, p2_controls}) {
            fighter_lifeform* fighter = load_game_fighter(path, controls);
            SCOPED_TRACE(path);
            EXPECT_FALSE(has_text(last_log, "WARNING: Control")) << last_log;
            EXPECT_FALSE(has_text(last_log, "Can't load animation"));
            EXPECT_FALSE(has_text(last_log, "WARNING: frame"));
            EXPECT_FALSE(has_text(last_log, "WARNING: still picture"));
            EXPECT_FALSE(has_text(last_log, "WARNING: ["));
            EXPECT_GT(fighter->max_life, 0);
            for (int move : {0, 1, 2, 3, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17}) {
                EXPECT_TRUE(fighter->has_move(move)) << "move " << move;
            }
            ASSERT_FALSE(fighter->images.empty());
            for (const img_mgr* picture : fighter->images) EXPECT_NE(nullptr, picture);
            EXPECT_GT(fighter->bound_box.right, fighter->bound_box.left);
            ASSERT_FALSE(fighter->combos->empty());
            for (const combo& bound : *fighter->combos) EXPECT_GT(bound.step_count(), 0);
            delete fighter;
        }
    }
    if (found < 4) GTEST_SKIP() << "only " << found << " of the game's fighters are in the data tree yet";
}

// Two of the game's fighters face each other; one punches into the other.
TEST_F(game_fighters_test, a_punch_that_reaches_the_opponent_hits_it) {
    if (access(ROSTER[0].fighter_file, R_OK) != 0 || access(ROSTER[1].fighter_file, R_OK) != 0) {
        GTEST_SKIP() << "the game's fighters are not in the data tree yet";
    }
    fighter_lifeform* left = load_game_fighter(ROSTER[0].fighter_file, p2_controls);
    fighter_lifeform* right = load_game_fighter(ROSTER[1].fighter_file, p1_controls);
    game_objects.push_back(left);
    game_objects.push_back(right);
    left->facing = 1;
    left->team = 0;
    right->team = 1;
    left->x = 150;
    left->y = screen.height() - left->height;
    right->y = screen.height() - right->height;
    // Out of reach: drawn standing, apart.
    right->x = 450;
    testing::internal::CaptureStdout();
    left->show();
    right->show();
    ASSERT_EQ(0, left->overlaps(*right));

    // Close in until the bodies touch, step back a little, then punch.
    while (!left->overlaps(*right) && right->x > left->x) {
        right->x -= 2;
        left->show();
        right->show();
    }
    right->x += 8;
    left->start_move(fighter_lifeform::MOVE_PUNCH, fighter_lifeform::PRIORITY_MOVE);
    left->move_kind = fighter_lifeform::MOVE_KIND_PUNCH;
    left->state = lifeform::STATE_ATTACKING;
    int landed = 0;
    for (int tick = 0; tick < 40 && !landed; tick++) {
        left->show();
        right->show();
        if (left->overlaps(*right)) {
            right->take_hit(*left);
            landed = 1;
        }
    }
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(1, landed);
    EXPECT_EQ(right->max_life - 10, right->life);
    EXPECT_EQ(lifeform::STATE_HIT, right->state);
}

}  // namespace
