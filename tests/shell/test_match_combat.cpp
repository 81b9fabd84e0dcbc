// Who gets hurt when pictures touch: guarding, trades, projectiles with
// chip damage and sparks, and dizziness after three knock-downs.
#include "anim/anim_group.h"
#include "anim/frame.h"
#include "objects/projectile.h"
#include "shell/exchange.h"
#include "tests/shell/match_fixture.h"

namespace {

typedef fighter_lifeform fl;

// Two bare fighters of 100 life, one attacking the other.
struct duel {
    fighter_lifeform guard;
    fighter_lifeform attacker;
    duel(int guard_posture, int attacker_posture) {
        guard.life = guard.max_life = 100;
        attacker.life = attacker.max_life = 100;
        guard.state = lifeform::STATE_BLOCKING;
        guard.posture = guard_posture;
        attacker.state = lifeform::STATE_ATTACKING;
        attacker.show_state = lifeform::SHOW_ATTACKING;
        attacker.posture = attacker_posture;
    }
};

struct guard_case {
    int guard_posture;
    int attacker_posture;
    bool beaten;
};

const guard_case GUARD_CASES[] = {
    {fl::POSTURE_CROUCH, fl::POSTURE_CROUCH, false}, {fl::POSTURE_CROUCH, fl::POSTURE_STAND, false},
    {fl::POSTURE_CROUCH, fl::POSTURE_JUMP, true},    {fl::POSTURE_STAND, fl::POSTURE_CROUCH, true},
    {fl::POSTURE_STAND, fl::POSTURE_STAND, false},   {fl::POSTURE_STAND, fl::POSTURE_JUMP, false},
    {fl::POSTURE_JUMP, fl::POSTURE_CROUCH, true},    {fl::POSTURE_JUMP, fl::POSTURE_STAND, true},
    {fl::POSTURE_JUMP, fl::POSTURE_JUMP, true},
};

TEST(match_guarding, a_crouching_guard_loses_only_to_a_jump_a_standing_one_only_to_a_crouch) {
    testing::internal::CaptureStdout();
    for (const guard_case& c : GUARD_CASES) {
        // The guard on the right against an attacker on the left ...
        duel right_guards(c.guard_posture, c.attacker_posture);
        exchange::between_fighters(right_guards.attacker, right_guards.guard);
        // ... and on the left against an attacker on the right.
        duel left_guards(c.guard_posture, c.attacker_posture);
        exchange::between_fighters(left_guards.guard, left_guards.attacker);
        const int expected = c.beaten ? 90 : 100;
        EXPECT_EQ(expected, right_guards.guard.life) << c.guard_posture << " vs " << c.attacker_posture;
        EXPECT_EQ(expected, left_guards.guard.life) << c.guard_posture << " vs " << c.attacker_posture;
        EXPECT_EQ(100, right_guards.attacker.life);
    }
    testing::internal::GetCapturedStdout();
}

class match_combat : public match_test {
protected:
    // One frame with the fighters apart, so both have been drawn once.
    void start_apart(int left_x, int right_x) {
        start();
        place(left_x, right_x);
        frames(1);
    }

    // Frames until the projectile (object 2) is gone; how many ran.
    int fly_out(int limit) {
        int ran = 0;
        while (ran < limit && game_objects.size() > 2 && game_objects[2]->is_alive()) {
            frames(1);
            ran++;
        }
        return ran;
    }
};

TEST_F(match_combat, two_attackers_trade_ten_each_in_one_frame_without_a_freeze) {
    start_apart(560, 620);
    place(600, 620);
    hold_only(0);
    platform::set_key(SDLK_TAB, true);
    platform::set_key(SDLK_i, true);
    frames(1);
    hold_only(0);
    int ran = 0;
    while (left().life == 100 && right().life == 100 && ran++ < 5) frames(1);
    EXPECT_EQ(90, left().life);
    EXPECT_EQ(90, right().life);
    EXPECT_EQ(0, left().freeze_frames);
    EXPECT_EQ(0, right().freeze_frames);
}

TEST_F(match_combat, an_unguarded_projectile_costs_25) {
    start_apart(300, 700);
    quiet([&] { projectile::launch(left()); });
    ASSERT_EQ(3u, game_objects.size());
    EXPECT_LT(fly_out(100), 100);
    EXPECT_EQ(75, right().life);
    EXPECT_TRUE(effects.empty());
}

TEST_F(match_combat, a_guarded_projectile_costs_1_and_leaves_a_spark) {
    start_apart(300, 700);
    quiet([&] { projectile::launch(left()); });
    // The right fighter faces left: holding Right is holding back.
    hold_only(SDLK_RIGHT);
    const int right_x = right().x;
    EXPECT_LT(fly_out(100), 100);
    EXPECT_EQ(99, right().life);
    // Guarding against a live projectile it stood still.
    EXPECT_EQ(right_x, right().x);
    EXPECT_EQ(lifeform::SHOW_BLOCKING_STANDING, right().show_state);
    EXPECT_EQ(1u, effects.size());
    EXPECT_GT(screen_count(0, 0, 640, 480, 0xFFFF00), 100);
    frames(6);
    EXPECT_TRUE(effects.empty());
}

TEST_F(match_combat, holding_back_walks_back_guarding_until_the_opponent_attacks) {
    start_apart(300, 700);
    hold_only(SDLK_RIGHT);
    const int right_x = right().x;
    frames(5);
    EXPECT_EQ(right_x + 5, right().x);
    EXPECT_EQ(lifeform::STATE_BLOCKING, right().state);
    platform::set_key(SDLK_TAB, true);
    frames(1);
    const int guarding_x = right().x;
    frames(1);
    EXPECT_EQ(lifeform::STATE_ATTACKING, left().state);
    EXPECT_EQ(guarding_x, right().x);
}

// The guard step writes its move_kind every frame the fighter holds back,
// also while its hit reaction plays; the reaction must still absorb the
// rest of the same blow.
TEST_F(match_combat, a_low_kick_into_a_fighter_holding_back_hurts_once) {
    start_apart(560, 620);
    place(600, 620);
    hold_only(SDLK_RIGHT);  // the right fighter holds back
    platform::set_key(SDLK_s, true);
    platform::set_key(SDLK_z, true);  // the left one kicks from a crouch
    frames(1);
    platform::set_key(SDLK_z, false);
    frames(12);
    EXPECT_EQ(90, right().life);
    EXPECT_EQ(1, right().knockdowns);
    EXPECT_EQ(1, right().hits_taken);
}

// The guard spark is cyan in the test data. The guard moves as quickly as
// the roster's fighters, so its slide shows in whole pixels.
TEST_F(match_combat, a_guarded_blow_sparks_and_sounds_once_and_slides_the_guard_back) {
    start_apart(560, 620);
    place(600, 620);
    right().speed = 0.25;
    hold_only(SDLK_RIGHT);  // the right fighter holds back
    platform::set_key(SDLK_TAB, true);
    int before = right().x;
    frames(1);
    platform::set_key(SDLK_TAB, false);
    int ran = 0;
    while (effects.empty() && ran++ < 5) {
        before = right().x;
        frames(1);
    }
    ASSERT_EQ(1u, effects.size());
    EXPECT_EQ(guard_spark_template->anims[0].get(), effects.front().anims[0].get());
    EXPECT_EQ(1, effects.front().anims[0]->frames[0].settings.has_sound);
    EXPECT_GT(screen_count(0, 0, 640, 480, 0x00C8FF), 100);
    frames(1);
    // Standing in its guard it would not move at all, walking back 4 pixels.
    const int slid = right().x - before;
    EXPECT_GE(slid, 7);
    EXPECT_LE(slid, 12);
    for (int i = 0; i < 8; i++) {
        frames(1);
        EXPECT_LE(effects.size(), 1u) << "one blow, one spark";
    }
    EXPECT_EQ(100, right().life);
}

TEST_F(match_combat, a_projectile_launched_while_objects_are_drawn_flies_in_the_same_frame) {
    const std::string fire = data.animation("fire_punch", data.picture("fist", 40, 80, 90, 90, 200), 2, 1, false, 0);
    request.fighter_files = {data.fighter("thrower", "hp=100 move0=" + fire + " " + data.standard_keys())};
    start_apart(300, 700);
    hold_only(SDLK_TAB);
    frames(1);
    ASSERT_EQ(3u, game_objects.size());
    // Launched at the middle of the thrower, then one step of 10 pixels.
    EXPECT_EQ(left().x + left().width / 2 + 10, game_objects[2]->x);
}

class match_dizziness : public match_combat {
protected:
    // Three heavy hits in a row, each one knocking down.
    void knock_down_three_times() {
        right().posture = fl::POSTURE_CROUCH;
        quiet([&] {
            for (int i = 0; i < 3; i++) {
                left().take_hit(right());
                left().stop_moves();
                left().move_phase = lifeform::PHASE_NONE;
                left().move_kind = fl::MOVE_KIND_NONE;
            }
        });
        right().posture = fl::POSTURE_STAND;
        left().life = 100;
    }
};

TEST_F(match_dizziness, three_knock_downs_take_the_fighter_out_of_control_for_three_seconds) {
    start_apart(300, 700);
    knock_down_three_times();
    EXPECT_EQ(3, left().knockdowns);
    // The left player holds right: a dizzy fighter doesn't answer.
    hold_only(SDLK_d);
    const int dizzy_x = left().x;
    frames(180);
    EXPECT_EQ(dizzy_x, left().x);
    EXPECT_EQ(180, left().dizzy_frames);
    frames(2);
    EXPECT_EQ(0, left().knockdowns);
    EXPECT_EQ(0, left().dizzy_frames);
    EXPECT_GT(left().x, dizzy_x);
}

// The ghosts circling a dizzy fighter are drawn, not played: its hit
// reaction takes the 4 frames of freeze and the 4 ticks of its move, as it
// would on a fighter that is not dizzy.
TEST_F(match_dizziness, the_ghosts_neither_play_the_move_nor_use_up_the_freeze) {
    start_apart(300, 700);
    knock_down_three_times();
    frames(1);
    quiet([&] { left().take_hit(right()); });  // an ordinary hit: still dizzy
    ASSERT_TRUE(left().is_dizzy());
    ASSERT_EQ(4, left().freeze_frames);
    frames(4);
    EXPECT_EQ(0, left().freeze_frames);
    frames(3);
    EXPECT_TRUE(left().is_playing_move(fl::MOVE_HIT));
    frames(1);
    EXPECT_TRUE(left().move_list_empty());
}

TEST_F(match_dizziness, a_heavy_hit_on_a_dizzy_fighter_wakes_it_up) {
    start_apart(300, 700);
    knock_down_three_times();
    frames(10);
    EXPECT_EQ(10, left().dizzy_frames);
    right().posture = fl::POSTURE_CROUCH;
    quiet([&] { left().take_hit(right()); });
    EXPECT_EQ(0, left().knockdowns);
    EXPECT_EQ(0, left().dizzy_frames);
    // Once its hit reaction is over it walks again.
    frames(10);
    hold_only(SDLK_d);
    const int x = left().x;
    frames(3);
    EXPECT_GT(left().x, x);
}

}  // namespace
