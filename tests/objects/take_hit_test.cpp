#include "tests/objects/objects_fixture.h"

#include "anim/ag_stack.h"

namespace {

// Two fighters with every move up to the walk backward.
class take_hit_test : public objects_test {
protected:
    void SetUp() override {
        objects_test::SetUp();
        const std::string keys = files.moves(18) + files.stills() + "hp=100\n";
        defender = load_fighter(keys);
        attacker = load_fighter(keys);
        // The hit is timed by the frame clock the defender's tracker read.
        defender_driver.tracker.now = 5000;
        defender->controller = &defender_driver;
    }
    void TearDown() override {
        delete defender;
        delete attacker;
        objects_test::TearDown();
    }

    void hit() {
        testing::internal::CaptureStdout();
        defender->take_hit(*attacker);
        hit_log = testing::internal::GetCapturedStdout();
    }

    controller defender_driver;
    fighter_lifeform* defender = nullptr;
    fighter_lifeform* attacker = nullptr;
    std::string hit_log;
};

TEST_F(take_hit_test, a_blow_costs_ten_and_freezes_four_frames) {
    attacker->hits_taken = 4;
    hit();
    EXPECT_EQ(90, defender->life);
    EXPECT_EQ(4, defender->freeze_frames);
    EXPECT_TRUE(in_hit_reaction(*defender));
    EXPECT_EQ(3, defender->priority);
    EXPECT_EQ(5000, defender->hit_time);
    EXPECT_EQ(1, defender->hits_taken);
    EXPECT_EQ(0, attacker->hits_taken);
    EXPECT_TRUE(has_text(hit_log, "Reseting ax/vx\n"));
}

TEST_F(take_hit_test, a_projectile_costs_twenty_five_without_a_freeze) {
    attacker->kind = lifeform::BODY_PROJECTILE;
    hit();
    EXPECT_EQ(75, defender->life);
    EXPECT_EQ(0, defender->freeze_frames);
}

TEST_F(take_hit_test, the_reaction_move_follows_both_postures_and_a_rush) {
    struct reaction_case {
        int attacker_posture;
        int attacker_kind;
        int defender_posture;
        int reaction;
    };
    const int crouch = fighter_lifeform::POSTURE_CROUCH;
    const int stand = fighter_lifeform::POSTURE_STAND;
    const int jump = fighter_lifeform::POSTURE_JUMP;
    const int punch = fighter_lifeform::MOVE_KIND_PUNCH;
    const reaction_case cases[] = {
        {stand, punch, stand, fighter_lifeform::MOVE_HIT},
        {jump, punch, stand, fighter_lifeform::MOVE_HIT_BY_JUMPER},
        {jump, punch, crouch, fighter_lifeform::MOVE_HIT_CROUCHING},
        {stand, punch, jump, fighter_lifeform::MOVE_HIT_HEAVY},
        {crouch, punch, stand, fighter_lifeform::MOVE_HIT_HEAVY},
        {stand, fighter_lifeform::MOVE_KIND_RUSH, crouch, fighter_lifeform::MOVE_HIT_HEAVY},
    };
    for (const reaction_case& tried : cases) {
        end_reaction(*defender);
        defender->hits_taken = 0;
        defender->knockdowns = 0;
        attacker->posture = tried.attacker_posture;
        attacker->move_kind = tried.attacker_kind;
        defender->posture = tried.defender_posture;
        hit();
        EXPECT_TRUE(defender->is_playing_move(tried.reaction)) << "expected reaction " << tried.reaction;
        EXPECT_EQ(tried.defender_posture, defender->hit_posture);
        EXPECT_EQ(tried.reaction == fighter_lifeform::MOVE_HIT_HEAVY ? 1 : 0, defender->knockdowns);
    }
}

TEST_F(take_hit_test, every_third_hit_of_a_string_knocks_down) {
    for (int n = 1; n <= 6; n++) {
        end_reaction(*defender);
        hit();
        const bool third = n % 3 == 0;
        EXPECT_EQ(third, defender->is_playing_move(fighter_lifeform::MOVE_HIT_HEAVY)) << "hit " << n;
        EXPECT_EQ(n / 3, defender->knockdowns) << "hit " << n;
    }
    // Landing a hit of its own breaks the string.
    end_reaction(*attacker);
    attacker->take_hit(*defender);
    EXPECT_EQ(0, defender->hits_taken);
}

TEST_F(take_hit_test, a_heavy_or_third_hit_on_a_dizzy_fighter_clears_its_counters) {
    defender->knockdowns = 3;
    defender->dizzy_frames = 10;
    defender->move_kind = fighter_lifeform::MOVE_KIND_NONE;  // the match's step 3 has already run
    ASSERT_TRUE(defender->is_dizzy());

    hit();  // an ordinary hit leaves the dizziness
    EXPECT_EQ(3, defender->knockdowns);
    end_reaction(*defender);
    defender->hits_taken = 2;
    hit();  // the third of a string ends it
    EXPECT_EQ(0, defender->knockdowns);
    EXPECT_EQ(0, defender->dizzy_frames);
    EXPECT_TRUE(defender->is_playing_move(fighter_lifeform::MOVE_HIT));

    end_reaction(*defender);
    defender->knockdowns = 3;
    defender->dizzy_frames = 10;
    attacker->posture = fighter_lifeform::POSTURE_CROUCH;  // a heavy hit
    hit();
    EXPECT_EQ(0, defender->knockdowns);
    EXPECT_TRUE(defender->is_playing_move(fighter_lifeform::MOVE_HIT_HEAVY));
}

TEST_F(take_hit_test, dizziness_lasts_three_seconds_of_the_match_rate) {
    defender->knockdowns = 3;
    defender->dizzy_frames = 179;
    EXPECT_TRUE(defender->is_dizzy());
    defender->dizzy_frames = 180;
    EXPECT_FALSE(defender->is_dizzy());
    defender->fps = 30;
    defender->dizzy_frames = 89;
    EXPECT_TRUE(defender->is_dizzy());

    // Once the time is over, a heavy hit counts a knock-down again.
    defender->dizzy_frames = 90;
    attacker->posture = fighter_lifeform::POSTURE_CROUCH;
    hit();
    EXPECT_EQ(4, defender->knockdowns);
}

TEST_F(take_hit_test, only_a_running_hit_reaction_absorbs_hits) {
    hit();
    hit();
    EXPECT_EQ(90, defender->life);  // absorbed by the reaction

    // Dizzy, the match overwrites move_kind every frame; the reaction still absorbs.
    defender->knockdowns = 3;
    defender->move_kind = fighter_lifeform::MOVE_KIND_DIZZY;
    hit();
    EXPECT_EQ(90, defender->life);

    end_reaction(*defender);
    defender->knockdowns = 0;
    defender->start_move(fighter_lifeform::MOVE_WALK_FORWARD, fighter_lifeform::PRIORITY_WALK);
    ASSERT_EQ(lifeform::PHASE_MOVE, defender->move_phase);
    hit();
    EXPECT_EQ(80, defender->life);  // walking is no shield
}

TEST_F(take_hit_test, two_attackers_trade_blows) {
    defender->start_move(fighter_lifeform::MOVE_PUNCH, fighter_lifeform::PRIORITY_MOVE);
    defender->move_kind = fighter_lifeform::MOVE_KIND_PUNCH;
    attacker->start_move(fighter_lifeform::MOVE_KICK, fighter_lifeform::PRIORITY_MOVE);
    attacker->move_kind = fighter_lifeform::MOVE_KIND_KICK;
    testing::internal::CaptureStdout();
    defender->take_hit(*attacker);
    attacker->take_hit(*defender);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(90, defender->life);
    EXPECT_EQ(90, attacker->life);
}

TEST_F(take_hit_test, a_fighter_without_reaction_moves_takes_the_damage_and_plays_on) {
    fighter_lifeform bare;
    bare.life = 50;
    testing::internal::CaptureStdout();
    bare.take_hit(*attacker);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(40, bare.life);
    EXPECT_TRUE(bare.move_list_empty());
    EXPECT_EQ(fighter_lifeform::MOVE_KIND_HIT_REACTION, bare.move_kind);
}

}  // namespace
