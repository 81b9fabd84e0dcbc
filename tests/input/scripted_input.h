#ifndef TESTS_INPUT_SCRIPTED_INPUT_H
#define TESTS_INPUT_SCRIPTED_INPUT_H

#include <gtest/gtest.h>

#include <vector>

#include "input/live_input.h"
#include "platform/platform.h"

// Input tests run frame by frame on a scripted clock and keyboard.
class scripted_input_test : public ::testing::Test {
protected:
    enum { FRAME_MS = 16, START_MS = 1000 };

    void SetUp() override {
        platform::use_script(true);
        platform::set_ticks(START_MS);
    }
    void TearDown() override { platform::use_script(false); }

    // The clock moves on to the next frame, with exactly these keys held.
    static void next_frame(const std::vector<int>& held, int ms = FRAME_MS) {
        platform::release_all_keys();
        for (int key : held) platform::set_key(key, true);
        platform::advance(ms);
    }

    // What a player's side holds now, through that player's key layout.
    static side_input held_now(int player = 1) { return live_input::read_side(player); }
};

#endif
