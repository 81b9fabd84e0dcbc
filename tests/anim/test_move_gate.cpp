#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "anim/ag_stack.h"
#include "anim/anim_group.h"
#include "anim/move_gate.h"
#include "gfx/image_cache.h"
#include "tests/anim/anim_fixture.h"

namespace {

// A fighter's gate state, as fighter_lifeform keeps it, with three moves of
// one two-frame definition each.
class gate_test : public ::testing::Test {
protected:
    void SetUp() override {
        open_test_screen();
        const std::string picture = files.picture("gate", 30, 60, 200, 40, 40);
        const std::string anim_path = files.text_file("gate.ini", "images=2 image0=" + picture + " rate0=1 image1=" + picture + " rate1=1");
        for (int i = 0; i < 3; i++) {
            Anim_Mgr* definition = new Anim_Mgr();
            definition->load(anim_path.c_str());
            moves.push_back(new anim_group());
            moves.back()->adopt(definition);
        }
        running = new ag_stack();
    }
    void TearDown() override {
        delete running;
        for (anim_group* move : moves) delete move;
    }

    const anim_group* start(int index, int requested) {
        return move_gate::start_move(move_kind, priority, running, moves, index, requested);
    }

    anim_files files;
    std::vector<anim_group*> moves;
    ag_stack* running = nullptr;
    int priority = 0;
    int move_kind = 1;
};

TEST_F(gate_test, a_running_hit_reaction_refuses_a_lower_move_until_it_ends) {
    ASSERT_EQ(moves[2], start(2, 3));
    EXPECT_EQ(3, priority);
    EXPECT_EQ(0, move_gate::can_act(move_kind, priority, running));

    testing::internal::CaptureStdout();
    const ag_stack* before = running;
    EXPECT_EQ(nullptr, start(1, 1));
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStdout().find("curpri[3]>pri[1]\n"));
    EXPECT_EQ(before, running);
    EXPECT_EQ(3, priority);

    running->clear();  // the reaction's playback ended
    EXPECT_EQ(1, move_gate::can_act(move_kind, priority, running));
    EXPECT_EQ(moves[1], start(1, 1));
    EXPECT_EQ(1, priority);
    EXPECT_EQ(1u, running->size());
}

TEST_F(gate_test, an_equal_priority_replaces_the_running_move_from_its_first_frame) {
    ASSERT_NE(nullptr, start(0, 1));
    (*running)[0].current = 1;
    const anim_group* started = start(2, 1);
    ASSERT_EQ(moves[2], started);
    EXPECT_EQ(0, (*running)[0].current);
    EXPECT_EQ(moves[2]->anims[0].get(), (*running)[0].def);
    EXPECT_EQ(30, started->width);
    EXPECT_EQ(60, started->height);
}

TEST_F(gate_test, a_knocked_out_fighter_never_gets_its_priority_reset) {
    ASSERT_NE(nullptr, start(0, 2));
    move_kind = move_gate::KNOCKED_OUT;
    running->clear();
    EXPECT_EQ(0, move_gate::can_act(move_kind, priority, running));
    EXPECT_EQ(0, move_gate::can_act(move_kind, 0, nullptr));

    EXPECT_EQ(nullptr, start(1, 1));
    EXPECT_EQ(2, priority);
    EXPECT_NE(nullptr, start(1, 2));
    EXPECT_EQ(2, priority);
}

TEST_F(gate_test, a_move_number_outside_the_moves_starts_nothing) {
    ASSERT_NE(nullptr, start(0, 3));
    const ag_stack* before = running;
    testing::internal::CaptureStdout();
    EXPECT_EQ(nullptr, start(3, 5));
    EXPECT_EQ(nullptr, start(-1, 5));
    EXPECT_EQ("", testing::internal::GetCapturedStdout());
    EXPECT_EQ(before, running);
    EXPECT_EQ(3, priority);
}

}  // namespace
