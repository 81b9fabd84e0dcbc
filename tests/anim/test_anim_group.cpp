#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "anim/anim_group.h"
#include "anim/frame.h"
#include "tests/anim/anim_fixture.h"

namespace {

const Uint32 RED = 0xC81E1E, BLUE = 0x1E1EC8, WHITE = 0xF0F0F0, YELLOW = 0xE6D21E;

class anim_group_test : public ::testing::Test {
protected:
    void SetUp() override { open_test_screen(); }

    std::string colour_picture(const std::string& name, Uint32 rgb) const {
        return files.picture(name, 20, 20, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
    }

    // An animation file of one frame per colour, each shown `rate` ticks.
    std::string animation_file(const std::string& name, const std::vector<Uint32>& colours, int rate, bool loop) const {
        std::string text = "images=" + std::to_string(colours.size()) + (loop ? " loop=1" : "");
        for (size_t i = 0; i < colours.size(); i++) {
            const std::string index = std::to_string(i);
            text += " image" + index + "=" + colour_picture(name + index, colours[i]);
            text += " rate" + index + "=" + std::to_string(rate);
        }
        return files.text_file(name + ".ini", text);
    }

    Anim_Mgr* definition(const std::string& name, const std::vector<Uint32>& colours, int rate, bool loop) const {
        Anim_Mgr* made = new Anim_Mgr();
        made->load(animation_file(name, colours, rate, loop).c_str());
        return made;
    }

    // Plays one tick on a black screen and tells the colour drawn at (x, y).
    Uint32 tick(anim_group& group, int x = 100, int y = 100) {
        clear_surface_screen();
        paint_tick(group, x, y);
        return screen_rgb(x + 5, y + 5);
    }

    anim_files files;
};

TEST_F(anim_group_test, three_frames_of_rate_two_show_each_for_two_ticks_then_end_or_loop) {
    for (bool loop : {false, true}) {
        anim_group group;
        group.adopt(definition(loop ? "loops" : "once", {RED, BLUE, WHITE}, 2, loop));
        const std::vector<Uint32> expected = {RED, RED, BLUE, BLUE, WHITE, WHITE, RED};
        for (size_t i = 0; i < expected.size(); i++) {
            EXPECT_EQ(expected[i], tick(group)) << "tick " << i << " loop " << loop;
            if (i == 5) {
                EXPECT_EQ(!loop, group.stack->empty()) << "loop " << loop;
            }
        }
    }
}

TEST_F(anim_group_test, the_group_ends_when_its_non_looping_definition_ends) {
    anim_group group;
    group.adopt(definition("long_loop", {RED, BLUE, WHITE, YELLOW}, 1, true));
    group.adopt(definition("short_once", {BLUE, WHITE}, 1, false));
    paint_tick(group, 0, 0);
    EXPECT_EQ(2u, group.stack->size());
    paint_tick(group, 0, 0);
    EXPECT_TRUE(group.stack->empty()) << "the looping record goes with the ending one";
    paint_tick(group, 0, 0);
    ASSERT_EQ(2u, group.stack->size());
    EXPECT_EQ(1, (*group.stack)[0].current);
    EXPECT_EQ(1, (*group.stack)[1].current);
}

// Any nonzero spin turns, whole turns and their negatives too.
TEST_F(anim_group_test, a_spinning_frame_turns_fifteen_degrees_a_tick_and_back_on_the_next_frame) {
    const std::string picture = colour_picture("spin", RED);
    for (const char* spin : {"5", "360", "720", "-360"}) {
        SCOPED_TRACE(spin);
        Anim_Mgr* spinning = new Anim_Mgr();
        spinning->load(files.text_file("spin.ini", "images=2 image0=" + picture + " rate0=4 spin0=" + spin +
                                                       " image1=" + picture + " rate1=4").c_str());
        anim_group group;
        group.adopt(spinning);
        for (int turned : {15, 30, 45}) {
            paint_tick(group, 100, 100);
            EXPECT_EQ(turned, spinning->angle);
        }
        paint_tick(group, 100, 100);  // drawn at 60, then the frame moves on
        EXPECT_EQ(0, spinning->angle);
        EXPECT_EQ(1, (*group.stack)[0].current);
        paint_tick(group, 100, 100);
        EXPECT_EQ(0, spinning->angle);
    }
}

TEST_F(anim_group_test, a_copy_continues_from_the_source_frame_and_then_runs_on_its_own) {
    anim_group source;
    source.adopt(definition("copied", {RED, BLUE, WHITE, YELLOW}, 2, false));
    for (int i = 0; i < 5; i++) tick(source);  // in the middle of the third frame
    ASSERT_EQ(2, (*source.stack)[0].current);
    ASSERT_EQ(1, (*source.stack)[0].ticks_left);

    testing::internal::CaptureStdout();
    anim_group copy(source);
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, log.find("Copying animation group ["));
    EXPECT_NE(std::string::npos, log.find("Copying ag_stack\n"));
    EXPECT_EQ(2, source.anims[0]->refs);

    EXPECT_EQ(WHITE, tick(copy));
    EXPECT_EQ(YELLOW, tick(copy));
    EXPECT_EQ(2, (*source.stack)[0].current) << "the source stands where it was";
    EXPECT_EQ(WHITE, tick(source));

    anim_group assigned;
    testing::internal::CaptureStdout();
    assigned = copy;
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStdout().find("Assigning animation group\n"));
    EXPECT_EQ(YELLOW, tick(assigned));
    EXPECT_EQ(3, source.anims[0]->refs);
}

TEST_F(anim_group_test, an_adopted_definition_lives_until_the_last_group_holding_it_goes) {
    const int frames_before = frame_count;
    anim_group* original = new anim_group();
    original->adopt(definition("owned", {RED, BLUE}, 1, false));
    anim_group* spark = new anim_group(*original);
    paint_tick(*spark, 0, 0);
    EXPECT_EQ(frames_before + 2, frame_count);
    delete original;  // the copy still plays the definition
    EXPECT_EQ(frames_before + 2, frame_count);
    EXPECT_EQ(BLUE, tick(*spark));
    delete spark;
    EXPECT_EQ(frames_before, frame_count);
}

TEST_F(anim_group_test, a_definition_without_frames_stops_the_list_with_a_warning) {
    anim_group group;
    group.adopt(definition("before_empty", {RED}, 1, true));
    Anim_Mgr* empty = new Anim_Mgr();
    group.adopt(empty);
    group.adopt(definition("after_empty", {BLUE}, 1, true));
    testing::internal::CaptureStdout();
    ag_stack* running = group.make_stack();
    const std::string log = testing::internal::GetCapturedStdout();
    ASSERT_NE(nullptr, running);
    EXPECT_EQ(1u, running->size());
    EXPECT_NE(std::string::npos, log.find("WARNING frames for animation [1] ["));
    delete running;
    EXPECT_EQ(RED, tick(group));
}

}  // namespace
