#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/control_maps.h"
#include "input/controller.h"
#include "tests/input/scripted_input.h"

namespace {

class control_maps_test : public ::testing::Test {
protected:
    void SetUp() override { build_control_maps(); }
    void TearDown() override { release_control_maps(); }
};

void expect_single_key(const control* found, int alternate, int key, int state) {
    ASSERT_NE(nullptr, found);
    ASSERT_EQ(1u, found->keys.size());
    EXPECT_EQ(alternate, found->keys[0].alternate);
    EXPECT_EQ(key, found->keys[0].key);
    EXPECT_EQ(state, found->keys[0].state);
    EXPECT_EQ(1, found->min);
    EXPECT_EQ(200, found->max);
}

TEST_F(control_maps_test, each_map_binds_the_nine_names_to_its_players_keys) {
    EXPECT_EQ(9, p1_controls->size());
    EXPECT_EQ(9, p2_controls->size());
    expect_single_key(find_control(p1_controls, "up"), -1, SDLK_UP, 1);
    expect_single_key(find_control(p1_controls, "left"), SDLK_RIGHT, SDLK_LEFT, 1);
    expect_single_key(find_control(p1_controls, "noright"), SDLK_LEFT, SDLK_RIGHT, 0);
    expect_single_key(find_control(p1_controls, "punch"), -1, SDLK_i, 1);
    expect_single_key(find_control(p2_controls, "right"), SDLK_a, SDLK_d, 1);
    expect_single_key(find_control(p2_controls, "noleft"), SDLK_d, SDLK_a, 0);
    expect_single_key(find_control(p2_controls, "kick"), -1, SDLK_z, 1);
    EXPECT_EQ("p2_kick", find_control(p2_controls, "kick")->name);
}

TEST_F(control_maps_test, unknown_names_and_missing_maps_find_nothing) {
    EXPECT_EQ(nullptr, find_control(p1_controls, "Left"));  // names are case-sensitive
    EXPECT_EQ(nullptr, find_control(p1_controls, "up2"));   // built, but in no map
    EXPECT_EQ(nullptr, find_control(nullptr, "up"));
    expect_single_key(control_named("p2_up2"), -1, SDLK_w, 1);
    const control* down_left = control_named("p1_downleft");
    ASSERT_NE(nullptr, down_left);
    ASSERT_EQ(2u, down_left->keys.size());
    EXPECT_EQ(SDLK_DOWN, down_left->keys[0].key);
    EXPECT_EQ(SDLK_LEFT, down_left->keys[1].key);
    EXPECT_EQ(SDLK_RIGHT, down_left->keys[1].alternate);
}

combo bound_combo(int combo_type, const std::vector<const char*>& names) {
    combo made;
    made.combo_type = combo_type;
    for (const char* name : names) {
        const control* found = find_control(p1_controls, name);
        if (found) made.steps.push_back(*found);
    }
    return made;
}

// The right fighter's controller played from the keyboard, frame by frame,
// the way the match runs it: update (through think), then the combo step.
class scripted_combos_test : public scripted_input_test {
protected:
    void SetUp() override {
        scripted_input_test::SetUp();
        build_control_maps();
        combos = {bound_combo(1, {"down", "up"}), bound_combo(2, {"down", "left", "punch"}),
                  bound_combo(3, {"left", "noleft", "left"}), bound_combo(4, {"right", "noright", "right"})};
        driver.add_source(controller::SOURCE_KEYS_ARROWS);
        driver.tracker.import_combos(&combos);
    }
    void TearDown() override {
        release_control_maps();
        scripted_input_test::TearDown();
    }

    void frame(std::initializer_list<int> held) {
        next_frame(held);
        driver.horizontal = 0.0;
        driver.vertical = 0.0;
        driver.input = held_now();
        driver.update();
        const int reported = driver.tracker.combo_step();
        if (reported != -1) reports.push_back(reported);
    }

    void rest() {
        for (int count = 0; count < 20; count++) frame({});
    }

    std::vector<combo> combos;
    controller driver;
    std::vector<int> reports;
};

TEST_F(scripted_combos_test, key_presses_perform_every_combo_type) {
    rest();
    frame({SDLK_DOWN});  // lift: down, up
    frame({SDLK_DOWN});
    frame({SDLK_UP});
    rest();
    frame({SDLK_DOWN});  // special: down, toward, punch
    frame({SDLK_DOWN});
    frame({SDLK_LEFT});
    frame({SDLK_LEFT});
    frame({SDLK_LEFT, SDLK_i});
    rest();
    frame({SDLK_LEFT});  // rush: tap toward twice
    frame({});
    frame({});
    frame({SDLK_LEFT});
    rest();
    frame({SDLK_RIGHT});  // dash: tap away twice
    frame({});
    frame({});
    frame({SDLK_RIGHT});
    rest();
    EXPECT_EQ(std::vector<int>({1, 2, 3, 4}), reports);
}

// Space punches as i does, so it completes the punch step of a combo too.
TEST_F(scripted_combos_test, either_punch_key_completes_the_special) {
    for (int punch : {SDLK_SPACE, SDLK_i, SDLK_SPACE}) {
        rest();
        frame({SDLK_DOWN});
        frame({SDLK_DOWN});
        frame({SDLK_LEFT});
        frame({SDLK_LEFT});
        frame({SDLK_LEFT, punch});
    }
    rest();
    EXPECT_EQ(std::vector<int>({2, 2, 2}), reports);
}

TEST_F(scripted_combos_test, facing_right_turns_the_arrows_round) {
    driver.facing = 1;  // the opponent stands to the right
    rest();
    frame({SDLK_RIGHT});  // toward the opponent twice: rush
    frame({});
    frame({});
    frame({SDLK_RIGHT});
    rest();
    EXPECT_EQ(std::vector<int>({3}), reports);
    EXPECT_DOUBLE_EQ(0.0, driver.horizontal);
    frame({SDLK_RIGHT});
    EXPECT_DOUBLE_EQ(1.0, driver.horizontal);  // walking stays absolute
}

}  // namespace
