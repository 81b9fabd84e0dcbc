#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "input/controller.h"
#include "platform/screen_mgr.h"
#include "tests/input/scripted_input.h"

namespace {

class controller_test : public scripted_input_test {
protected:
    void SetUp() override {
        scripted_input_test::SetUp();
        saved_joystick_ok = screen.joystick_ok;
        screen.joystick_ok = 0;
    }
    void TearDown() override {
        screen.joystick_ok = saved_joystick_ok;
        scripted_input_test::TearDown();
    }

    // One update, the inputs entering as the owner's think hands them over.
    void run(const std::vector<int>& held) {
        next_frame(held);
        driver.horizontal = 0.0;
        driver.vertical = 0.0;
        driver.input = held_now(driver.player);
        driver.update();
    }

    void expect_inputs(double horizontal, double vertical, int action) const {
        EXPECT_DOUBLE_EQ(horizontal, driver.horizontal);
        EXPECT_DOUBLE_EQ(vertical, driver.vertical);
        EXPECT_EQ(action, driver.action);
    }

    controller driver;
    Sint32 saved_joystick_ok;
};

struct key_case {
    int source;
    std::vector<int> held;
    double horizontal;
    double vertical;
    int action;
};

TEST_F(controller_test, keyboard_sources_let_the_later_key_win) {
    const int arrows = controller::SOURCE_KEYS_ARROWS;
    const int letters = controller::SOURCE_KEYS_LETTERS;
    const key_case cases[] = {
        {arrows, {}, 0, 0, -1},
        {arrows, {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN}, 1, 1, -1},
        {arrows, {SDLK_LEFT, SDLK_UP, SDLK_i, SDLK_k}, -1, -1, 3},
        {arrows, {SDLK_SPACE}, 0, 0, 0},
        {arrows, {SDLK_a, SDLK_s, SDLK_TAB}, 0, 0, -1},
        {letters, {SDLK_a, SDLK_d, SDLK_w, SDLK_s}, 1, 1, -1},
        {letters, {SDLK_a, SDLK_w, SDLK_z}, -1, -1, 3},
        {letters, {SDLK_z, SDLK_TAB}, 0, 0, 0},
        {letters, {SDLK_LEFT, SDLK_DOWN, SDLK_i}, 0, 0, -1},
    };
    for (const key_case& keys : cases) {
        driver.sources[0] = keys.source;
        driver.source_count = 1;
        driver.player = keys.source == letters ? 2 : 1;
        run(keys.held);
        SCOPED_TRACE(testing::Message() << "source " << keys.source << ", " << keys.held.size() << " keys");
        expect_inputs(keys.horizontal, keys.vertical, keys.action);
    }
}

TEST_F(controller_test, joystick_steps_at_its_thresholds_and_yields_to_the_keyboard) {
    driver.add_source(controller::SOURCE_KEYS_ARROWS);
    screen.joystick_ok = 1;
    const struct {
        Sint16 axis;
        double expected;
    } cases[] = {{3200, 0.0},    {3201, 0.5},   {-3201, -0.5}, {10000, 0.5}, {12000, 1.0},
                 {-10001, -1.0}, {17001, 1.5}, {-20000, -1.5}, {0, 0.0}};
    for (const auto& axis_case : cases) {
        platform::set_joystick_axis(0, axis_case.axis);
        platform::set_joystick_axis(1, axis_case.axis);
        run({});
        SCOPED_TRACE(testing::Message() << "axis " << axis_case.axis);
        expect_inputs(axis_case.expected, axis_case.expected, -1);
    }
    const int actions[] = {0, 3, 4, 5};
    for (int button = 0; button < 4; button++) {
        platform::set_joystick_button(button, true);  // a later button overrides
        run({});
        EXPECT_EQ(actions[button], driver.action);
    }
    // A held control is one bit whether a key or a button holds it: with
    // the extra buttons let go, the keyboard's kick shows over the stick.
    platform::set_joystick_button(2, false);
    platform::set_joystick_button(3, false);
    platform::set_joystick_axis(0, 20000);
    run({SDLK_LEFT, SDLK_k});
    expect_inputs(-1.0, 0.0, 3);

    screen.joystick_ok = 0;  // no joystick: neither stick nor buttons are read
    run({});
    expect_inputs(0.0, 0.0, -1);
}

TEST_F(controller_test, sources_take_turns_and_the_table_refuses_a_hundred_and_first) {
    driver.player = 2;
    driver.add_source(controller::SOURCE_KEYS_LETTERS);
    driver.add_source(controller::SOURCE_IDLE);
    driver.add_source(42);  // unknown: does nothing
    run({SDLK_d, SDLK_s});
    expect_inputs(1.0, 1.0, -1);
    driver.horizontal = 0.25;
    driver.vertical = 0.75;
    driver.update();  // idle clears only the vertical
    expect_inputs(0.25, 0.0, -1);
    driver.vertical = 0.75;
    driver.update();
    EXPECT_DOUBLE_EQ(0.75, driver.vertical);
    EXPECT_EQ(0, driver.cursor);

    while (driver.source_count < controller::MAX_SOURCES) ASSERT_EQ(1, driver.add_source(controller::SOURCE_IDLE));
    fflush(stdout);
    testing::internal::CaptureStdout();
    EXPECT_EQ(0, driver.add_source(controller::SOURCE_IDLE));
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStdout().find("refused"));
    EXPECT_EQ(controller::MAX_SOURCES, driver.source_count);

    driver.cursor = 5000;  // a cursor kept by the owner that no longer fits
    driver.update();
    EXPECT_EQ(1, driver.cursor);
}

TEST_F(controller_test, controllers_leave_the_event_queue_to_the_frames_pump) {
    controller other;
    driver.add_source(controller::SOURCE_KEYS_ARROWS);
    other.add_source(controller::SOURCE_IDLE);
    SDL_Event key_down;
    memset(&key_down, 0, sizeof(key_down));
    key_down.type = SDL_KEYDOWN;
    platform::push_event(key_down);
    platform::push_quit();
    driver.update();
    other.update();
    driver.update();
    SDL_Event seen;
    ASSERT_EQ(1, platform::poll_event(&seen));
    EXPECT_EQ(SDL_KEYDOWN, seen.type);
    ASSERT_EQ(1, platform::poll_event(&seen));
    EXPECT_EQ(SDL_QUIT, seen.type);
}

}  // namespace
