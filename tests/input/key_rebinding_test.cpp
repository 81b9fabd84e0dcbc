#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/combo.h"
#include "input/control_maps.h"
#include "input/controller.h"
#include "input/input_code.h"
#include "input/key_rebinding.h"
#include "tests/input/scripted_input.h"

namespace {

// The maps are built as the preloading builds them; every test leaves the
// default keys behind. Key names come from SDL's video subsystem, which the
// game has running whenever a screen shows them.
class rebinding : public scripted_input_test {
protected:
    static void SetUpTestSuite() { SDL_InitSubSystem(SDL_INIT_VIDEO); }

    void SetUp() override {
        scripted_input_test::SetUp();
        build_control_maps();
    }
    void TearDown() override {
        key_rebinding::restore_defaults();
        release_control_maps();
        scripted_input_test::TearDown();
    }

    static void frame(controller& driver, const std::vector<int>& held) {
        next_frame(held);
        driver.input = held_now(driver.player);
        driver.update();
    }

    // "down" then `second` of the first player's map, as a fighter file
    // spells a combo, fed seven frames: the first pair holding down, the
    // next pair the second control, through `hold(frame)`. The combo type
    // reported, or -1.
    template <class inputs>
    static int down_then(const char* second, inputs hold) {
        combo special;
        special.combo_type = 2;
        special.steps = {*find_control(p1_controls, "down"), *find_control(p1_controls, second)};
        std::vector<combo> combos = {special};
        key_tracker tracker;
        tracker.import_combos(&combos);
        int reported = -1;
        for (int step = 0; step < 7; step++) {
            next_frame({});
            hold(step);
            tracker.update(held_now(), keys_of_player(1));
            const int found = tracker.combo_step();
            if (found != -1) reported = found;
        }
        return reported;
    }
    static bool down_frame(int step) { return step == 1 || step == 2; }
    static bool second_frame(int step) { return step == 3 || step == 4; }
};

TEST_F(rebinding, a_new_key_drives_its_control_and_the_combos_spelled_with_it) {
    std::string refusal;
    ASSERT_TRUE(key_rebinding::bind(1, key_rebinding::PUNCH, SDLK_j, &refusal)) << refusal;
    ASSERT_TRUE(key_rebinding::bind(2, key_rebinding::LEFT, SDLK_f, &refusal)) << refusal;

    controller first;
    first.add_source(controller::SOURCE_KEYS_ARROWS);
    frame(first, {SDLK_j});
    EXPECT_EQ(controller::ACTION_PUNCH, first.action);
    frame(first, {SDLK_i});
    EXPECT_EQ(controller::NO_ACTION, first.action) << "the old key still punches";
    frame(first, {SDLK_SPACE});
    EXPECT_EQ(controller::ACTION_PUNCH, first.action) << "the second punch key stays";

    controller second;
    second.player = 2;
    second.add_source(controller::SOURCE_KEYS_LETTERS);
    frame(second, {SDLK_f});
    EXPECT_DOUBLE_EQ(-1.0, second.horizontal);
    frame(second, {SDLK_a});
    EXPECT_DOUBLE_EQ(0.0, second.horizontal);

    // A fighter file names controls: "down" then "punch" is now Down, j.
    EXPECT_EQ(2, down_then("punch", [](int step) {
                  platform::set_key(SDLK_DOWN, down_frame(step));
                  platform::set_key(SDLK_j, second_frame(step));
              }));
}

TEST_F(rebinding, the_first_player_may_bind_a_joystick_input_and_its_combos_follow) {
    std::string refusal;
    ASSERT_TRUE(key_rebinding::bind(1, key_rebinding::KICK, input_code::button(6), &refusal)) << refusal;
    ASSERT_TRUE(key_rebinding::bind(1, key_rebinding::DOWN, input_code::axis(3, +1), &refusal)) << refusal;
    EXPECT_FALSE(key_rebinding::bind(2, key_rebinding::KICK, input_code::button(7), &refusal));
    EXPECT_EQ("The joystick is Player 1's", refusal);

    controller first;
    first.add_source(controller::SOURCE_KEYS_ARROWS);
    platform::set_joystick_button(6, true);
    frame(first, {});
    EXPECT_EQ(controller::ACTION_KICK, first.action);
    platform::set_joystick_button(6, false);

    EXPECT_EQ(2, down_then("kick", [](int step) {
                  platform::set_joystick_axis(3, down_frame(step) ? 30000 : 0);
                  platform::set_joystick_button(6, second_frame(step));
              }));
}

TEST_F(rebinding, a_key_that_already_does_something_is_refused_and_defaults_come_back) {
    std::string refusal;
    EXPECT_FALSE(key_rebinding::bind(1, key_rebinding::UP, SDLK_w, &refusal));
    EXPECT_EQ("w is already Player 2's Up", refusal);
    EXPECT_FALSE(key_rebinding::bind(2, key_rebinding::KICK, SDLK_SPACE, &refusal));
    EXPECT_EQ("space is already Player 1's Punch", refusal);
    EXPECT_FALSE(key_rebinding::bind(1, key_rebinding::KICK, SDLK_i, &refusal));
    EXPECT_FALSE(key_rebinding::bind(1, key_rebinding::UP, SDLK_ESCAPE, &refusal));
    EXPECT_EQ(SDLK_UP, keys_of_player(1).up);
    EXPECT_EQ(SDLK_z, keys_of_player(2).kick);
    EXPECT_TRUE(key_rebinding::layouts_apart(keys_of_player(1), keys_of_player(2)));

    ASSERT_TRUE(key_rebinding::bind(1, key_rebinding::UP, SDLK_u, &refusal));
    EXPECT_EQ(SDLK_u, find_control(p1_controls, "noup")->keys[0].key);
    key_rebinding::restore_defaults();
    EXPECT_EQ(SDLK_UP, keys_of_player(1).up);
    EXPECT_EQ(SDLK_UP, find_control(p1_controls, "up")->keys[0].key);
}

}  // namespace
