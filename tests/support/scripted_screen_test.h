#ifndef TESTS_SUPPORT_SCRIPTED_SCREEN_TEST_H
#define TESTS_SUPPORT_SCRIPTED_SCREEN_TEST_H

#include <gtest/gtest.h>

#include "platform/platform.h"
#include "tests/support/test_screen.h"

// A case on the program's test screen (640 x 480, the surface path) with the
// clock, keys and events scripted from its start to its end, so it plays
// frame by frame with no window and no real time.
class scripted_screen_test : public testing::Test {
protected:
    static void SetUpTestSuite() { open_test_screen(); }
    void SetUp() override { platform::use_script(true); }
    void TearDown() override { platform::use_script(false); }
};

#endif
