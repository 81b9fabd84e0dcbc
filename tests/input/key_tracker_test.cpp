#include <gtest/gtest.h>

#include <cstdio>

#include "input/key_tracker.h"
#include "tests/input/scripted_input.h"

namespace {

class key_tracker_test : public scripted_input_test {
protected:
    int frame(std::initializer_list<int> held) {
        next_frame(held);
        return tracker.update(held_now(), keys_of_player(1));
    }

    key_tracker tracker;
};

TEST_F(key_tracker_test, each_change_is_recorded_once_in_registration_order) {
    tracker.add_watched_key(-1, SDLK_k, 0);
    tracker.add_watched_key(-1, SDLK_i, 0);
    EXPECT_EQ(2, frame({SDLK_i, SDLK_k}));
    for (int held_frames = 0; held_frames < 20; held_frames++) EXPECT_EQ(0, frame({SDLK_i, SDLK_k}));
    EXPECT_EQ(1, frame({SDLK_i}));
    ASSERT_EQ(3u, tracker.history.size());
    EXPECT_EQ(SDLK_k, tracker.history[0].key);
    EXPECT_EQ(SDLK_i, tracker.history[1].key);
    EXPECT_EQ(1016, tracker.history[0].time);
    EXPECT_EQ(1016, tracker.history[1].time);
    EXPECT_EQ(SDLK_k, tracker.history[2].key);
    EXPECT_EQ(0, tracker.history[2].state);
    EXPECT_EQ(1000 + 22 * 16, tracker.history[2].time);
}

TEST_F(key_tracker_test, first_registration_of_a_key_gives_its_starting_state) {
    tracker.add_watched_key(-1, SDLK_UP, 1);
    tracker.add_watched_key(SDLK_RIGHT, SDLK_UP, 0);  // same key again: ignored
    tracker.add_watched_key(-1, 100000, 1);           // no such key: reads as released
    ASSERT_EQ(2u, tracker.watched.size());
    EXPECT_EQ(-1, tracker.watched[0].alternate);
    // Registered as pressed but not held: the first update records releases.
    EXPECT_EQ(2, frame({}));
    EXPECT_EQ(0, tracker.history[0].state);
    EXPECT_EQ(100000, tracker.history[1].key);
}

TEST_F(key_tracker_test, mirrored_tracker_reads_the_alternate_and_records_the_logical_key) {
    tracker.add_watched_key(SDLK_RIGHT, SDLK_LEFT, 0);  // "left" toward an opponent on the right
    tracker.mirror_keys = 1;
    EXPECT_EQ(0, frame({SDLK_LEFT}));
    EXPECT_EQ(1, frame({SDLK_RIGHT}));
    EXPECT_EQ(SDLK_LEFT, tracker.history[0].key);
    EXPECT_EQ(1, tracker.history[0].state);

    tracker.mirror_keys = 0;  // turned round: the Right arrow is no longer "left"
    EXPECT_EQ(1, frame({SDLK_RIGHT}));
    EXPECT_EQ(0, tracker.history[1].state);
}

TEST_F(key_tracker_test, verbose_tracker_logs_each_change) {
    tracker.add_watched_key(-1, SDLK_k, 0);
    tracker.verbose = 1;
    fflush(stdout);
    testing::internal::CaptureStdout();
    frame({SDLK_k});
    EXPECT_EQ("Update key state for [107][Kick] to [1][Down] was [0] @ [1016]\n",
              testing::internal::GetCapturedStdout());
}

}  // namespace
