#include <gtest/gtest.h>

#include <vector>

#include "input/combo.h"
#include "input/key_tracker.h"
#include "tests/input/scripted_input.h"

namespace {

control press(int key) {
    control step("press");
    step.add_key(-1, key, 1);
    return step;
}

combo make_combo(int combo_type, std::vector<control> steps) {
    combo made;
    made.combo_type = combo_type;
    made.steps = steps;
    return made;
}

// A tracker fed frame by frame: each frame sets the held keys, advances the
// clock, updates the key state and runs the combo step, as the match does.
class combo_test : public scripted_input_test {
protected:
    void import(std::vector<combo> list) {
        combos = list;
        tracker.import_combos(&combos);
        frame({});  // the keys settle into their real state
    }

    int frame(std::initializer_list<int> held, int ms = FRAME_MS) {
        next_frame(held, ms);
        tracker.update(held_now(), keys_of_player(1));
        return tracker.combo_step();
    }

    // Frames with nothing held until a combo is reported or `frames` pass.
    int idle_until_reported(int frames) {
        for (int count = 0; count < frames; count++) {
            const int reported = frame({});
            if (reported != -1) return reported;
        }
        return -1;
    }

    std::vector<combo> combos;
    key_tracker tracker;
};

TEST_F(combo_test, import_sums_the_windows_and_keeps_history_for_the_longest_combo) {
    import({make_combo(2, {press(SDLK_RIGHT), press(SDLK_k)}),
            make_combo(3, {press(SDLK_DOWN), press(SDLK_RIGHT), press(SDLK_i)})});
    EXPECT_EQ(2, combos[0].total_min);
    EXPECT_EQ(400, combos[0].total_max);
    EXPECT_EQ(600, tracker.maxkeep);
    EXPECT_EQ(4u, tracker.watched.size());  // Right registered once
}

TEST_F(combo_test, first_step_completes_on_a_later_frame_while_the_key_is_held) {
    import({make_combo(2, {press(SDLK_RIGHT), press(SDLK_k)})});
    EXPECT_EQ(-1, frame({SDLK_RIGHT}));
    ASSERT_EQ(1u, tracker.candidates.size());
    EXPECT_EQ(0, tracker.candidates[0].step);  // not by the opening event itself

    EXPECT_EQ(-1, frame({SDLK_RIGHT}));
    EXPECT_EQ(1, tracker.candidates[0].step);
    EXPECT_EQ(tracker.now, tracker.candidates[0].last);

    EXPECT_EQ(-1, frame({SDLK_RIGHT, SDLK_k}));  // last step done ...
    EXPECT_EQ(2, frame({}));                     // ... reported the frame after
    EXPECT_EQ(-1, idle_until_reported(30));      // and only once
    EXPECT_TRUE(tracker.candidates.empty());
}

TEST_F(combo_test, candidate_expires_when_the_next_step_comes_too_late) {
    import({make_combo(2, {press(SDLK_RIGHT), press(SDLK_k)})});
    frame({SDLK_RIGHT});
    frame({});
    frame({}, 250);  // longer than the next step's window
    EXPECT_TRUE(tracker.candidates.empty());
    frame({SDLK_k});
    EXPECT_EQ(-1, idle_until_reported(30));
}

TEST_F(combo_test, last_step_late_in_its_window_is_still_reported) {
    import({make_combo(4, {press(SDLK_RIGHT), press(SDLK_k)})});
    frame({SDLK_RIGHT});
    frame({SDLK_RIGHT});  // first step done now; the second must come before now + 200
    ASSERT_EQ(1, tracker.candidates[0].step);
    const int window_end = tracker.now + 200;
    frame({SDLK_RIGHT, SDLK_k}, 199);
    ASSERT_EQ(2, tracker.candidates[0].step);
    // The report comes a frame later, after the window has closed.
    EXPECT_EQ(4, frame({SDLK_RIGHT, SDLK_k}));
    EXPECT_GT(tracker.now, window_end);
}

TEST_F(combo_test, first_key_pressed_twice_opens_two_candidates_each_reported) {
    import({make_combo(2, {press(SDLK_RIGHT), press(SDLK_k)})});
    frame({SDLK_RIGHT});
    frame({});
    frame({SDLK_RIGHT});
    EXPECT_EQ(2u, tracker.candidates.size());
    std::vector<int> reported;
    for (int count = 0; count < 10; count++) {
        const int result = frame({SDLK_RIGHT, SDLK_k});
        if (result != -1) reported.push_back(result);
    }
    EXPECT_EQ(std::vector<int>({2, 2}), reported);
}

TEST_F(combo_test, two_combos_finished_together_are_reported_in_consecutive_frames) {
    import({make_combo(2, {press(SDLK_RIGHT), press(SDLK_k)}), make_combo(3, {press(SDLK_RIGHT), press(SDLK_k)})});
    frame({SDLK_RIGHT});
    frame({SDLK_RIGHT});
    frame({SDLK_RIGHT, SDLK_k});
    EXPECT_EQ(2, frame({}));
    EXPECT_EQ(3, frame({}));
    EXPECT_EQ(-1, frame({}));
}

TEST_F(combo_test, history_is_pruned_to_maxkeep) {
    import({});
    EXPECT_EQ(0, tracker.maxkeep);
    tracker.add_watched_key(-1, SDLK_k, 0);
    frame({SDLK_k});
    EXPECT_EQ(1u, tracker.history.size());  // recorded at this update's time
    frame({SDLK_k});
    EXPECT_TRUE(tracker.history.empty());

    import({make_combo(2, {press(SDLK_RIGHT), press(SDLK_k)})});  // keeps 400 ms
    tracker.history.clear();
    frame({});
    frame({SDLK_RIGHT});
    frame({SDLK_RIGHT}, 400);
    EXPECT_EQ(1u, tracker.history.size());  // exactly maxkeep old: kept
    frame({SDLK_RIGHT}, 1);
    EXPECT_TRUE(tracker.history.empty());
}

TEST_F(combo_test, combos_without_usable_steps_never_complete) {
    control no_keys("no keys");
    control down_and_right("two keys");
    down_and_right.add_key(-1, SDLK_DOWN, 1);
    down_and_right.add_key(-1, SDLK_RIGHT, 1);
    import({make_combo(1, {}),                                // every step name was unknown
            make_combo(2, {no_keys}),                         // opens on any key, never completes
            make_combo(3, {down_and_right, press(SDLK_k)}),   // one event can't open two keys
            make_combo(4, {press(SDLK_RIGHT), press(SDLK_k)})});
    frame({SDLK_DOWN, SDLK_RIGHT});
    frame({SDLK_DOWN, SDLK_RIGHT});
    frame({SDLK_DOWN, SDLK_RIGHT, SDLK_k});
    EXPECT_EQ(4, idle_until_reported(30));
    EXPECT_EQ(-1, idle_until_reported(30));
    EXPECT_TRUE(tracker.candidates.empty());
}

TEST_F(combo_test, inserted_finished_candidate_is_reported_by_the_next_step) {
    import({make_combo(7, {press(SDLK_RIGHT)}), make_combo(8, {press(SDLK_k)})});
    tracker.insert_finished_candidate(1, tracker.now + 1);
    tracker.insert_finished_candidate(2, tracker.now + 1);  // no such combo
    tracker.insert_finished_candidate(-1, tracker.now + 1);
    EXPECT_EQ(1u, tracker.candidates.size());
    EXPECT_EQ(8, tracker.combo_step());
    EXPECT_EQ(-1, tracker.combo_step());
}

}  // namespace
