// The match as one value: a state saved and restored steps on exactly as
// the original did, and a whole demo series survives the sync test.

#include <functional>

#include "config/state_buffer.h"
#include "input/controller.h"
#include "tests/shell/match_fixture.h"

namespace {

typedef fighter_lifeform fl;

const Uint32 SEED = 5;
const int COMBO_SPECIAL = 2;
const int SHORT_LIFE = 40;
// Ten minutes of play: a demo series of short lives ends long before, and a
// series that never ends fails the case instead of holding up the suite.
const int MOST_SERIES_FRAMES = 600 * 60;

// The game's own fighters, the computer playing both, from a fixed seed.
class match_state : public match_test {
protected:
    void SetUp() override {
        match_test::SetUp();
        use_game_data({"game/fighter/lunet_char.ini", "game/fighter/halvard_char.ini"});
        request.mode = match_request::DEMO;
        request.reqwins = 0;
        request.seed_given = true;
        request.seed = SEED;
    }

    // The frame's clock; the first player holds down now and then, which
    // opens the candidates of its combos that start with down.
    frame_input next_inputs() {
        clock_ms += 1000 / FPS;
        frame_input inputs = {};
        for (side_input& side : inputs.sides) side.clock_ms = clock_ms;
        if (clock_ms / 1000 % 2 == 0 && clock_ms % 1000 < 100) inputs.sides[0].held = HELD_DOWN;
        return inputs;
    }

    // What the computer may not do in the time, the test makes happen.
    void stage_events(int frame) {
        if (frame == 2 * FPS) perform_special(right());
        if (frame == 5 * FPS) left().knockdowns = fighter_lifeform::DIZZY_KNOCKDOWNS;
        if (frame == 12 * FPS) left().life = -1;
    }

    static void perform_special(fighter_lifeform& fighter) {
        const std::vector<combo>& known = *fighter.combos;
        for (size_t i = 0; i < known.size(); i++) {
            if (known[i].combo_type == COMBO_SPECIAL) fighter.controller->tracker.insert_finished_candidate((int)i, fighter.controller->tracker.now + 1);
        }
    }

    // Saves the match, steps it on a few frames, restores it and steps the
    // same frames again: both runs must end in the same state.
    void expect_steps_repeat(const char* situation) {
        SCOPED_TRACE(situation);
        tried.push_back(situation);
        state_buffer start;
        series->save_state(start);
        std::vector<frame_input> inputs;
        for (int i = 0; i < STEPS_REPEATED; i++) inputs.push_back(next_inputs());
        Uint64 first = 0;
        Uint64 second = 0;
        quiet([&] {
            for (const frame_input& each : inputs) series->step(each);
            first = series->checksum();
            ASSERT_TRUE(series->restore_state(start));
            for (const frame_input& each : inputs) series->step(each);
            second = series->checksum();
        });
        EXPECT_EQ(first, second);
    }

    enum { STEPS_REPEATED = 3 };
    Uint32 clock_ms = 1000;
    std::vector<std::string> tried;
};

TEST_F(match_state, a_restored_state_steps_on_as_the_original_did) {
    start();
    struct situation {
        const char* name;
        std::function<bool()> holds;
        bool seen;
    };
    const auto any_fighter = [&](std::function<bool(fighter_lifeform&)> test) { return test(left()) || test(right()); };
    situation situations[] = {
        {"mid-move", [&] { return any_fighter([](fighter_lifeform& f) { return f.move_kind >= fl::MOVE_KIND_PUNCH && f.move_kind <= fl::MOVE_KIND_RUSH && !f.move_list_empty(); }); }, false},
        {"mid-combo", [&] { return any_fighter([](fighter_lifeform& f) { return !f.controller->tracker.candidates.empty(); }); }, false},
        {"mid-jump", [&] { return any_fighter([](fighter_lifeform& f) { return f.jump_speed < 0; }); }, false},
        {"dizzy", [&] { return any_fighter([](fighter_lifeform& f) { return f.is_dizzy() != 0; }); }, false},
        {"projectile in flight", [&] { return game_objects.size() > 2 && game_objects.back()->is_alive(); }, false},
        {"round end", [&] { return series->round_done(); }, false},
    };
    for (int frame = 0; frame < 20 * FPS && !series->round_done(); frame++) {
        stage_events(frame);
        quiet([&] { series->step(next_inputs()); });
        for (situation& each : situations) {
            if (each.seen || !each.holds()) continue;
            each.seen = true;
            expect_steps_repeat(each.name);
        }
    }
    for (const situation& each : situations) EXPECT_TRUE(each.seen) << each.name << " never came";
}

// Painting a frame only reads what the step left: through blows, a special
// and its projectile, dizziness and a knock-out, a frame drawn leaves the
// checksum where the step put it.
TEST_F(match_state, drawing_a_frame_changes_nothing_of_the_state) {
    start();
    for (int frame = 0; frame < 13 * FPS && !series->round_done(); frame++) {
        stage_events(frame);
        quiet([&] { series->step(next_inputs()); });
        const Uint64 stepped = series->checksum();
        quiet([&] { series->draw(); });
        ASSERT_EQ(stepped, series->checksum()) << "frame " << frame;
    }
}

// A sync test mismatch names the fields whose bytes differ: each after its
// member, under the part of the match it belongs to, and a part saved
// inside another (the tracker in its controller) as that part's.
TEST_F(match_state, a_changed_field_is_named_after_its_member) {
    start();
    frames(FPS);
    struct change {
        std::function<void()> make;
        const char* named;
    };
    const change changes[] = {
        {[&] { left().x += 1; }, "left fighter x"},
        {[&] { right().cpu_weights[WEIGHT_APPROACH] += 1; }, "right fighter cpu_weights"},
        {[&] { right().dizzy_frames += 1; }, "right fighter dizzy_frames"},
        {[&] { left().controller->tracker.now += 1; }, "left controller tracker.now"},
    };
    for (const change& each : changes) {
        state_buffer before;
        before.start_labelling();
        series->save_state(before);
        each.make();
        state_buffer after;
        after.start_labelling();
        series->save_state(after);
        ASSERT_EQ(before.size(), after.size());
        size_t offset = 0;
        while (offset < after.size() && before.data()[offset] == after.data()[offset]) offset++;
        ASSERT_LT(offset, after.size()) << each.named << " changed no byte";
        EXPECT_EQ(each.named, after.field_at(offset));
        ASSERT_TRUE(series->restore_state(before));
    }
}

TEST_F(match_state, a_demo_series_under_the_sync_test_finds_no_mismatch) {
    request.synctest_frames = 8;
    series.reset(new match(request, assets));
    // The series as run() plays it, with short lives: a knock-out in a few
    // exchanges rather than a minute of play.
    bool series_ended = false;
    const std::string log = quiet([&] {
        series->set_up();
        left().life = left().max_life = SHORT_LIFE;
        right().life = right().max_life = SHORT_LIFE;
        int frames_run = 0;
        do {
            series->start_round();
            for (; !series->round_done() && frames_run < MOST_SERIES_FRAMES; frames_run++) series->frame();
        } while (series->round_done() && !(series_ended = series->end_round()));
        series->end_series();
    });
    ASSERT_TRUE(series_ended) << "the series was still going after " << MOST_SERIES_FRAMES << " frames";
    EXPECT_NE(std::string::npos, log.find("Series seed [5]\n"));
    const sync_test& checked = series->sync_check();
    EXPECT_GT(checked.frames(), 3 * FPS);
    EXPECT_GT(checked.rollbacks(), 0);
    EXPECT_EQ(0, checked.mismatches()) << log.substr(log.find("Sync test"), 400);
    EXPECT_NE(std::string::npos, log.find("Sync test [" + std::to_string(checked.frames()) + "] [" +
                                          std::to_string(checked.rollbacks()) + "] [0]\n"));
}

// Training never ends a round and refills life a while after the last
// hit: its records are match state too. The computer, as the dummy, hits
// the idle player for half a minute under the sync test.
TEST_F(match_state, a_training_match_under_the_sync_test_finds_no_mismatch) {
    request.mode = match_request::TRAINING;
    request.synctest_frames = 8;
    series.reset(new match(request, assets));
    const std::string log = quiet([&] {
        series->set_up();
        series->start_round();
        while (series->training_record().dummy.current() != training_dummy::CPU) {
            series->training_record().dummy.next_mode();
        }
        for (int frame = 0; frame < 30 * FPS; frame++) series->frame();
    });
    const training_session& record = series->training_record();
    EXPECT_GT(record.record(0).string_damage + record.record(1).string_damage, 0) << "nobody was hit";
    const sync_test& checked = series->sync_check();
    EXPECT_GT(checked.rollbacks(), 0);
    EXPECT_EQ(0, checked.mismatches()) << log.substr(log.find("Sync test"), 400);
}

// What a replay relies on: the inputs a series played, fed back from the
// same seed, give the same match frame for frame, and the series ends
// where they end.
TEST_F(match_state, the_inputs_played_fed_back_play_the_same_series) {
    // From the round's first frame, introduction included: a fed series
    // takes every frame's inputs from the list.
    const auto begin = [&](const std::vector<frame_input>* fed) {
        series.reset(new match(request, assets));
        series->feed_inputs(fed);
        quiet([&] {
            series->set_up();
            series->start_round();
        });
    };
    std::vector<Uint64> sums;
    begin(nullptr);
    for (int frame = 0; frame < 5 * FPS; frame++) {
        frames(1);
        sums.push_back(series->checksum());
    }
    const std::vector<frame_input> played = series->inputs_played();
    ASSERT_EQ(sums.size(), played.size());

    platform::advance(12345);  // a later clock must not matter
    begin(&played);
    for (size_t frame = 0; frame < sums.size(); frame++) {
        frames(1);
        ASSERT_EQ(sums[frame], series->checksum()) << "frame " << frame;
    }
    frames(1);
    EXPECT_TRUE(series->round_done());
}

}  // namespace
