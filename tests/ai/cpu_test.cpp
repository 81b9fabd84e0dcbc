#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "ai/cpu_source.h"
#include "input/controller.h"
#include "objects/fighter_lifeform.h"
#include "objects/game_objects.h"
#include "platform/platform.h"
#include "stage/level.h"

namespace {

const int MATCH_WEIGHTS[CPU_WEIGHT_COUNT] = {50, 25, 10, 25, 25, 50};
const int NO_WEIGHTS[CPU_WEIGHT_COUNT] = {0, 0, 0, 0, 0, 0};

std::map<int, int> choice_counts(const int weights[]) {
    std::map<int, int> counts;
    for (int r = 0; r < cpu::choice_range(weights); r++) counts[cpu::choose(weights, r)]++;
    return counts;
}

TEST(cpu_choice, match_weights_give_their_share_of_the_range) {
    EXPECT_EQ(300, cpu::choice_range(MATCH_WEIGHTS));
    const std::map<int, int> expected = {{cpu::BLOCKING, 51}, {cpu::APPROACHING, 50}, {cpu::JUMPING, 25},
                                         {cpu::DUCKING, 25},  {cpu::SPECIAL, 100},    {cpu::EVADING, 49}};
    EXPECT_EQ(expected, choice_counts(MATCH_WEIGHTS));

    std::map<int, int> after_jump;
    for (int r = 0; r < cpu::after_jump_range(MATCH_WEIGHTS); r++) after_jump[cpu::after_jump(MATCH_WEIGHTS, r)]++;
    const std::map<int, int> expected_after_jump = {{cpu::BLOCKING, 51}, {cpu::APPROACHING, 50}, {cpu::AFTER_JUMP, 99}};
    EXPECT_EQ(expected_after_jump, after_jump);
}

TEST(cpu_choice, without_weights_only_zero_blocks_and_everything_else_is_special) {
    EXPECT_EQ(100, cpu::choice_range(NO_WEIGHTS));
    EXPECT_EQ(cpu::BLOCKING, cpu::choose(NO_WEIGHTS, 0));
    const std::map<int, int> expected = {{cpu::BLOCKING, 1}, {cpu::SPECIAL, 99}};
    EXPECT_EQ(expected, choice_counts(NO_WEIGHTS));

    // Weights from bad data: negative ones count as none, huge ones can't
    // overflow the range into a division by zero.
    const int negative[CPU_WEIGHT_COUNT] = {-50, 0, 10, -1, -1000, -7};
    EXPECT_EQ(expected, choice_counts(negative));
    const int huge[CPU_WEIGHT_COUNT] = {2000000000, 0, 10, 2000000000, 2000000000, 2000000000};
    EXPECT_GT(cpu::choice_range(huge), 0);
    EXPECT_GT(cpu::after_jump_range(huge), 0);
}

// A CPU fighter facing an opponent on a 1600-pixel level.
class cpu_test : public ::testing::Test {
protected:
    void SetUp() override {
        platform::use_script(true);
        platform::set_ticks(1000);
        stage.level_width = 1600;
        stage.publish();
        opponent.x = 1000;
        game_objects.push_back(&me);
        game_objects.push_back(&opponent);
        driver.add_source(controller::SOURCE_CPU);
        driver.target = 1;
        driver.facing = 1;
        for (int i = 0; i < CPU_WEIGHT_COUNT; i++) driver.cpu_weights[i] = MATCH_WEIGHTS[i];
        driver.chance.seed(7);
    }
    void TearDown() override {
        game_objects.clear();
        platform::use_script(false);
    }

    // The inputs of one behaviour, entering as think hands them over.
    void act(int behaviour) {
        driver.behaviour = behaviour;
        driver.horizontal = 0.0;
        driver.vertical = 0.0;
        driver.action = controller::NO_ACTION;
        cpu::act(driver);
    }

    level stage;
    fighter_lifeform me;
    fighter_lifeform opponent;
    controller driver;
};

TEST_F(cpu_test, behaviours_hold_toward_or_away_from_the_opponent) {
    for (int facing = 0; facing <= 1; facing++) {
        driver.facing = facing;
        const double toward = facing ? 1.0 : -1.0;
        driver.pos_x = 0;  // far out of reach
        act(cpu::APPROACHING);
        EXPECT_DOUBLE_EQ(toward, driver.horizontal);
        EXPECT_EQ(controller::NO_ACTION, driver.action);
        for (int away : {cpu::BLOCKING, cpu::EVADING, cpu::AFTER_JUMP}) {
            act(away);
            EXPECT_DOUBLE_EQ(-toward, driver.horizontal) << "behaviour " << away;
            EXPECT_DOUBLE_EQ(0.0, driver.vertical);
            EXPECT_EQ(controller::NO_ACTION, driver.action);
        }
    }
    act(cpu::JUMPING);
    EXPECT_DOUBLE_EQ(-1.0, driver.vertical);
    EXPECT_DOUBLE_EQ(0.0, driver.horizontal);
    act(cpu::DUCKING);
    EXPECT_DOUBLE_EQ(1.0, driver.vertical);
}

TEST_F(cpu_test, approaching_cpu_attacks_only_strictly_within_reach) {
    driver.pos_x = 840;  // 160 apart: exactly the reach of 10 % of 1600
    act(cpu::APPROACHING);
    EXPECT_DOUBLE_EQ(1.0, driver.horizontal);
    EXPECT_EQ(controller::NO_ACTION, driver.action);

    driver.pos_x = 1159;  // 159 apart, on the other side
    std::map<int, int> blows;
    for (int frame = 0; frame < 100; frame++) {
        act(cpu::APPROACHING);
        EXPECT_DOUBLE_EQ(0.0, driver.horizontal);
        blows[driver.action]++;
    }
    ASSERT_EQ(2u, blows.size());
    EXPECT_GT(blows[controller::ACTION_PUNCH], 0);
    EXPECT_GT(blows[controller::ACTION_KICK], 0);
}

TEST_F(cpu_test, opponent_it_cannot_measure_is_out_of_reach_and_reported_once) {
    const struct {
        int target;
        bool with_level;
    } cases[] = {{7, true}, {-1, true}, {2, true}, {1, false}};
    fighter_lifeform projectile;
    projectile.kind = lifeform::BODY_PROJECTILE;
    projectile.x = 1000;
    game_objects.push_back(&projectile);
    for (const auto& unmeasurable : cases) {
        controller fresh;
        fresh.target = unmeasurable.target;
        fresh.facing = 1;
        fresh.pos_x = 1000;  // standing on it
        fresh.cpu_weights[WEIGHT_REACH] = 10;
        current_level = unmeasurable.with_level ? &stage : nullptr;
        fflush(stdout);
        testing::internal::CaptureStdout();
        for (int frame = 0; frame < 3; frame++) {
            fresh.behaviour = cpu::APPROACHING;
            fresh.horizontal = 0.0;
            fresh.action = controller::NO_ACTION;
            cpu::act(fresh);
            EXPECT_DOUBLE_EQ(1.0, fresh.horizontal);
            EXPECT_EQ(controller::NO_ACTION, fresh.action);
        }
        const std::string log = testing::internal::GetCapturedStdout();
        EXPECT_EQ(1, std::count(log.begin(), log.end(), '\n')) << "target " << unmeasurable.target;
        EXPECT_EQ(0u, log.find("WARNING: CPU controller")) << log;
    }
}

// The next `count` values the CPU's dice give after seeding them with `seed`.
std::vector<Uint32> draws(unsigned seed, int count) {
    random_source dice;
    dice.seed(seed);
    std::vector<Uint32> values;
    for (int i = 0; i < count; i++) values.push_back(dice.next());
    return values;
}

// A special is performed in the frame it is chosen, then the next frame
// chooses again.
int settled(int behaviour) { return behaviour == cpu::SPECIAL ? cpu::CHOOSE : behaviour; }

// One frame of the whole source, replayed from known draws: the
// first draw decides the reset (4 in 100), the second the new behaviour.
TEST_F(cpu_test, run_resets_four_times_in_a_hundred_and_hands_over_the_frame_after_a_jump) {
    driver.pos_x = 0;  // far out of reach
    int resets = 0;
    for (unsigned seed = 1; seed <= 3000; seed++) {
        const std::vector<Uint32> next = draws(seed, 2);
        const bool reset = next[0] % 100 > 95;
        resets += reset;
        const int chosen = settled(cpu::choose(MATCH_WEIGHTS, next[1] % cpu::choice_range(MATCH_WEIGHTS)));

        // A lasting behaviour lasts until the reset.
        driver.chance.seed(seed);
        driver.behaviour = cpu::DUCKING;
        cpu::run(driver);
        EXPECT_EQ(reset ? chosen : cpu::DUCKING, driver.behaviour) << "seed " << seed;

        // The frame after a jump waits or turns to blocking or approaching;
        // it never presses up again by itself.
        driver.chance.seed(seed);
        driver.behaviour = cpu::JUMPING;
        cpu::run(driver);
        const int after_jump = cpu::after_jump(MATCH_WEIGHTS, next[1] % cpu::after_jump_range(MATCH_WEIGHTS));
        EXPECT_EQ(reset ? chosen : after_jump, driver.behaviour) << "seed " << seed;
        if (!reset) {
            EXPECT_DOUBLE_EQ(0.0, driver.vertical) << "seed " << seed;
        }
    }
    EXPECT_NEAR(3000 * 4 / 100, resets, 40);
}

combo numbered_combo(int combo_type) {
    combo made;
    made.combo_type = combo_type;
    return made;
}

TEST_F(cpu_test, special_performs_one_of_its_combos_in_the_same_frame) {
    act(cpu::SPECIAL);  // nothing to perform
    EXPECT_EQ(cpu::CHOOSE, driver.behaviour);
    EXPECT_EQ(-1, driver.tracker.combo_step());

    std::vector<combo> combos = {numbered_combo(7), numbered_combo(8)};
    driver.tracker.import_combos(&combos);
    std::map<int, int> performed;
    for (int frame = 0; frame < 50; frame++) {
        act(cpu::SPECIAL);
        EXPECT_EQ(cpu::CHOOSE, driver.behaviour);
        performed[driver.tracker.combo_step()]++;
    }
    EXPECT_EQ(2u, performed.size());
    EXPECT_EQ(50, performed[7] + performed[8]);
}

// Easy and hard change how often the computer chooses afresh and how soon
// it acts on a choice, never what it may do; normal acts the frame it
// chooses, as its own pace always did.
TEST_F(cpu_test, difficulty_changes_how_often_and_how_soon_it_acts) {
    driver.pos_x = 0;  // far out of reach: approaching walks
    std::vector<combo> combos = {numbered_combo(7)};
    driver.tracker.import_combos(&combos);
    int fresh_choices[3] = {0, 0, 0};
    for (int difficulty : {controller::EASY, controller::NORMAL, controller::HARD}) {
        driver.difficulty = difficulty;
        for (unsigned seed = 1; seed <= 300; seed++) {
            srand(seed);
            driver.behaviour = cpu::CHOOSE;
            driver.reaction_wait = 0;
            int silent = 0;
            for (;;) {
                driver.action = controller::NO_ACTION;  // as every update starts
                cpu::run(driver);
                const bool acted = driver.horizontal != 0.0 || driver.vertical != 0.0 ||
                                   driver.action != controller::NO_ACTION || driver.tracker.combo_step() != -1;
                if (acted) break;
                silent++;
            }
            if (difficulty == controller::EASY) {
                EXPECT_GE(silent, 12) << "seed " << seed;
            } else {
                EXPECT_EQ(0, silent) << "difficulty " << difficulty << " seed " << seed;
            }
        }
        srand(5);
        for (int frame = 0; frame < 5000; frame++) {
            driver.behaviour = cpu::DUCKING;
            driver.reaction_wait = 0;
            cpu::run(driver);
            fresh_choices[difficulty] += driver.behaviour != cpu::DUCKING;
        }
    }
    EXPECT_LT(fresh_choices[controller::EASY], fresh_choices[controller::NORMAL]);
    EXPECT_LT(fresh_choices[controller::NORMAL], fresh_choices[controller::HARD]);
}

}  // namespace
