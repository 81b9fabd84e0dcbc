#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "input/controller.h"
#include "shell/platform.h"
#include "shell/screen_mgr.h"
#include "tests/input/scripted_input.h"

namespace {

class ControllerTest : public ScriptedInputTest {
protected:
    void SetUp() override {
        ScriptedInputTest::SetUp();
        saved_joystick_ok = screen.joystick_ok;
        screen.joystick_ok = 0;
    }
    void TearDown() override {
        screen.joystick_ok = saved_joystick_ok;
        ScriptedInputTest::TearDown();
    }

    // One update of a controller with a single source, inputs entering as
    // the owner's think hands them over.
    void run(int source, std::initializer_list<int> held) {
        if (driver.source_count == 0) driver.add_source(source);
        next_frame(held);
        driver.horizontal = 0.0;
        driver.vertical = 0.0;
        driver.update();
    }

    controller driver;
    Sint32 saved_joystick_ok;
};

TEST_F(ControllerTest, ArrowKeysLaterKeyWins) {
    run(controller::SOURCE_KEYS_ARROWS, {});
    EXPECT_EQ(-1, driver.action);
    EXPECT_DOUBLE_EQ(0.0, driver.horizontal);
    run(controller::SOURCE_KEYS_ARROWS, {SDLK_LEFT});
    EXPECT_DOUBLE_EQ(-1.0, driver.horizontal);
    run(controller::SOURCE_KEYS_ARROWS, {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN});
    EXPECT_DOUBLE_EQ(1.0, driver.horizontal);
    EXPECT_DOUBLE_EQ(1.0, driver.vertical);
    run(controller::SOURCE_KEYS_ARROWS, {SDLK_i, SDLK_k});
    EXPECT_EQ(controller::ACTION_KICK, driver.action);
    run(controller::SOURCE_KEYS_ARROWS, {SDLK_SPACE});
    EXPECT_EQ(controller::ACTION_PUNCH, driver.action);
    run(controller::SOURCE_KEYS_ARROWS, {SDLK_a, SDLK_TAB});  // the other player's keys
    EXPECT_EQ(-1, driver.action);
    EXPECT_DOUBLE_EQ(0.0, driver.horizontal);
}

TEST_F(ControllerTest, LetterKeysLaterKeyWins) {
    run(controller::SOURCE_KEYS_LETTERS, {SDLK_a, SDLK_d, SDLK_w});
    EXPECT_DOUBLE_EQ(1.0, driver.horizontal);
    EXPECT_DOUBLE_EQ(-1.0, driver.vertical);
    run(controller::SOURCE_KEYS_LETTERS, {SDLK_w, SDLK_s, SDLK_z});
    EXPECT_DOUBLE_EQ(0.0, driver.horizontal);
    EXPECT_DOUBLE_EQ(1.0, driver.vertical);
    EXPECT_EQ(controller::ACTION_KICK, driver.action);
    run(controller::SOURCE_KEYS_LETTERS, {SDLK_z, SDLK_TAB});
    EXPECT_EQ(controller::ACTION_PUNCH, driver.action);
    run(controller::SOURCE_KEYS_LETTERS, {SDLK_LEFT, SDLK_i});
    EXPECT_EQ(-1, driver.action);
    EXPECT_DOUBLE_EQ(0.0, driver.horizontal);
}


TEST_F(ControllerTest, JoystickAxesStepAtTheirThresholds) {
    screen.joystick_ok = 1;
    const struct {
        Sint16 axis;
        double expected;
    } cases[] = {{3200, 0.0}, {3201, 0.5}, {-3201, -0.5}, {10000, 0.5}, {12000, 1.0},
                 {-10001, -1.0}, {17001, 1.5}, {-20000, -1.5}, {0, 0.0}};
    for (const auto& axis_case : cases) {
        platform::set_joystick_axis(0, axis_case.axis);
        platform::set_joystick_axis(1, axis_case.axis);
        run(controller::SOURCE_KEYS_ARROWS, {});
        EXPECT_DOUBLE_EQ(axis_case.expected, driver.horizontal) << "axis " << axis_case.axis;
        EXPECT_DOUBLE_EQ(axis_case.expected, driver.vertical) << "axis " << axis_case.axis;
    }
    platform::set_joystick_axis(0, 20000);
    run(controller::SOURCE_KEYS_ARROWS, {SDLK_LEFT});  // the keyboard overrides the stick
    EXPECT_DOUBLE_EQ(-1.0, driver.horizontal);

    screen.joystick_ok = 0;  // no joystick: the stick is not read
    run(controller::SOURCE_KEYS_ARROWS, {});
    EXPECT_DOUBLE_EQ(0.0, driver.horizontal);
}

TEST_F(ControllerTest, JoystickButtonsGiveActionsAndKeysOverrideThem) {
    screen.joystick_ok = 1;
    const int actions[] = {controller::ACTION_PUNCH, controller::ACTION_KICK, controller::ACTION_BUTTON_4,
                           controller::ACTION_BUTTON_5};
    for (int button = 0; button < 4; button++) {
        platform::set_joystick_button(button, true);
        run(controller::SOURCE_KEYS_ARROWS, {});
        EXPECT_EQ(actions[button], driver.action);  // a later button overrides
    }
    run(controller::SOURCE_KEYS_ARROWS, {SDLK_k});
    EXPECT_EQ(controller::ACTION_KICK, driver.action);
}

TEST_F(ControllerTest, SourcesTakeTurnsAndTheTableRefusesAHundredAndFirst) {
    driver.add_source(controller::SOURCE_KEYS_LETTERS);
    driver.add_source(controller::SOURCE_IDLE);
    driver.add_source(42);  // unknown: does nothing
    run(0, {SDLK_d, SDLK_s});
    EXPECT_DOUBLE_EQ(1.0, driver.horizontal);
    EXPECT_DOUBLE_EQ(1.0, driver.vertical);
    driver.horizontal = 0.25;
    driver.vertical = 0.75;
    driver.update();  // idle clears only the vertical
    EXPECT_DOUBLE_EQ(0.25, driver.horizontal);
    EXPECT_DOUBLE_EQ(0.0, driver.vertical);
    EXPECT_EQ(2, driver.cursor);
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

SDL_Event event_of_type(Uint8 type) {
    SDL_Event event;
    memset(&event, 0, sizeof(event));
    event.type = type;
    return event;
}

TEST_F(ControllerTest, WindowCloseTakenByControllersStillReachesTheMatch) {
    controller other;
    driver.add_source(controller::SOURCE_KEYS_ARROWS);
    other.add_source(controller::SOURCE_IDLE);
    platform::push_event(event_of_type(SDL_KEYDOWN));
    platform::push_quit();
    driver.update();  // takes the key event: not needed, dropped
    other.update();   // takes the close: handed back
    driver.update();
    SDL_Event seen;
    ASSERT_EQ(1, platform::poll_event(&seen));
    EXPECT_EQ(SDL_QUIT, seen.type);
    EXPECT_EQ(0, platform::poll_event(&seen));
}

}  // namespace
