// Data files that say too much or point nowhere: counts far beyond any
// real file, sizes and paces that are zero, negative, not numbers or huge,
// and indexes past the end of what was loaded. Each loader logs what it
// ignored or cut, and what it built plays on.
#include <climits>

#include "anim/shown_pictures.h"
#include "anim/anim_group.h"
#include "anim/anim_mgr.h"
#include "anim/frame.h"
#include "input/control_maps.h"
#include "objects/fighter_lifeform.h"
#include "shell/colour_swap_file.h"
#include "platform/ref_ptr.h"
#include "stage/level.h"
#include "tests/robustness/broken_files.h"

namespace {

class data_files : public testing::Test {
protected:
    static void SetUpTestSuite() {
        open_test_screen();
        build_control_maps();
    }
    static void TearDownTestSuite() { release_control_maps(); }

    // A 30 x 40 picture of its own colour for every name.
    std::string picture(const std::string& name) const {
        return files.picture(name, 30, 40, (Uint8)(name.size() * 40), 90, 160, 2);
    }

    broken_folder files;
};

TEST_F(data_files, animation_with_huge_numbers_reads_what_is_there_within_bounds) {
    const std::string path = files.text_file(
        "huge.ini", "images=2147483647 loop=1 image0=" + picture("first") +
                        " rate0=99999999999 shake0=-2147483648 flash0=-2147483648 spin0=2147483647 image1=" +
                        picture("second") + " rate1=-7 shake1=2147483647 flash1=999 spin1=-725\n");
    Anim_Mgr definition;
    level effects;  // the frames' flash and shake land here
    shown_pictures shown;
    const std::string log = captured_log([&] {
        definition.load(path.c_str());
        for (int index = -2; index < 4; index++) {
            shown.clear();
            effects.start_effects(definition.show_frame(50, 60, index, 1.0, shown));
            shown.draw();
            effects.advance();
            effects.draw();
        }
        anim_group group;
        group.add(ref_ptr<Anim_Mgr>(&definition));
        for (int tick = 0; tick < 12; tick++) {
            shown.clear();
            effects.start_effects(group.play(100, 100, 1.0, shown));
            shown.draw();
        }
        group.clear();
    });
    EXPECT_TRUE(logged(log, "asks for [2147483647] frames, reading the first [1024]")) << log;
    EXPECT_TRUE(logged(log, "WARNING: [shake0] of [" + path + "] is [-2147483648], using [-1000]")) << log;
    EXPECT_TRUE(logged(log, "WARNING: [flash1] of [" + path + "] is [999], using [255]")) << log;
    ASSERT_EQ(definition.frames.size(), 2u);
    EXPECT_EQ(definition.loop, 1);
    EXPECT_EQ(definition.frames[0].settings.flash, 0);
    EXPECT_EQ(definition.frames[1].settings.shake, 1000);
    // A spin is whole degrees: only what is left of full turns counts.
    EXPECT_EQ(definition.frames[0].settings.spin, 2147483647 % 360);
    EXPECT_EQ(definition.frames[1].settings.spin, -5);
    // A negative rate shows its frame for one tick, as a rate of 0 does.
    EXPECT_TRUE(logged(log, "WARNING: [rate1] of [" + path + "] is [-7], using [0]")) << log;
    EXPECT_EQ(definition.frames[1].settings.rate, 0);
}

TEST_F(data_files, fighter_with_huge_counts_and_bad_factors_loads_cut_down_and_plays) {
    const std::string move = files.text_file("move.ini", "images=1 image0=" + picture("move") + " rate0=2\n");
    const std::string path = files.text_file(
        "fighter_char.ini", "hp=99999999999 scale=0 speed=nan moves=2147483647 move0=" + move +
                                " move0scale=1e300 move1=" + move + " move1scale=-2 images=2147483647 image0=" +
                                picture("still") + " combos=2147483647 combo0moves=2147483647 combo0move=2" +
                                " combo0move0=down combo0move1=no_such_control\n");
    fighter_lifeform fighter;
    fighter.controls = p1_controls;
    const std::string log = captured_log([&] { fighter.load(path.c_str()); });
    EXPECT_TRUE(logged(log, "[moves] in [" + path + "] is [2147483647], reading only [100]")) << log;
    EXPECT_TRUE(logged(log, "[images] in [" + path + "] is [2147483647], reading only [100]")) << log;
    EXPECT_TRUE(logged(log, "[combos] in [" + path + "] is [2147483647], reading only [100]")) << log;
    EXPECT_TRUE(logged(log, "WARNING: [scale] in [" + path + "] is [0], outside")) << log;
    EXPECT_TRUE(logged(log, "WARNING: [speed] in [" + path + "] is [nan], outside")) << log;
    EXPECT_TRUE(logged(log, "WARNING: [move0scale] in [" + path + "] is [1e+300], outside")) << log;
    EXPECT_TRUE(logged(log, "WARNING: Control [no_such_control] not found")) << log;
    EXPECT_EQ(fighter.move_count(), 100);
    EXPECT_EQ(fighter.scale, 1.0);
    EXPECT_EQ(fighter.speed, 1.0);

    // Moves and still states past what the file gives show what there is.
    captured_log([&] {
        for (const int index : {-1, 1, 99, 100, INT_MAX}) {
            fighter.start_move(index, fighter_lifeform::PRIORITY_HIT_REACTION);
            fighter.show();
            fighter.draw();
            fighter.stop_moves();
        }
        for (const int state : {-5, 3, 9, 1000}) {
            fighter.show_state = state;
            fighter.show();
            fighter.draw();
        }
        fighter.move_x = 5;
        fighter.move_step(1);
    });
    EXPECT_GE(fighter.x, -fighter.width);
    EXPECT_LE(fighter.x, screen.width());
}

TEST_F(data_files, stage_with_indexes_past_its_pictures_skips_them_and_draws) {
    const std::string bgset = files.text_file(
        "bgset.ini", "width=-1 images=2 image0=" + files.picture("band", 64, 48, 70, 90, 160) + " image1=" +
                         files.picture("layer", 64, 48, 40, 120, 60, 4) + "\n");
    const std::string path = files.text_file(
        "stage.ini", "bgset=" + bgset +
                         " length=2147483647 floor=9 part0=-1 part1=7 part2=0 part2parallax=2147483647"
                         " part2parallax0=-3 part2parallax1=1 part3=1 scale=1e300\n");
    level stage;
    stage.publish();
    const std::string log = captured_log([&] {
        stage.load(path.c_str());
        for (const double zoom : {1.0, 0.05, 3.0}) {
            stage.zoom = zoom;
            stage.scroll_x = 5000;
            stage.advance();
            stage.draw();
        }
    });
    EXPECT_TRUE(logged(log, "WARNING: length [2147483647] is more than [1024]")) << log;
    EXPECT_TRUE(logged(log, "WARNING: floor [9] names no image")) << log;
    EXPECT_TRUE(logged(log, "WARNING: part0 [-1] names no image")) << log;
    EXPECT_TRUE(logged(log, "WARNING: part2parallax0 [-3] names no image")) << log;
    EXPECT_TRUE(logged(log, "WARNING: stage scale [")) << log;
    EXPECT_EQ(stage.parts.size(), 2u);
    EXPECT_EQ(stage.floor, -1);
    EXPECT_EQ(stage.scale, 1.0);
    stage.unload();
}

TEST_F(data_files, colour_swaps_that_are_not_colours_are_left_out) {
    const std::string path = files.text_file(
        "swap.ini", "colors=2147483647 color0source=1,2,3 color0target=9,9,9 color1source=red color1target=1,2,3"
                    " color2source=1,2 color2target=1,2,3 color3source=-50,999,7 color3target=0,0,0\n");
    std::vector<colour_swap> swaps;
    const std::string log = captured_log([&] { swaps = colour_swap_file::read(path.c_str(), screen.surface->format); });
    EXPECT_TRUE(logged(log, "asks for [2147483647] colour swaps, using the first [256]")) << log;
    EXPECT_TRUE(logged(log, "colour swap [1] of [" + path + "] is not two red,green,blue colours")) << log;
    ASSERT_EQ(swaps.size(), 2u);
    EXPECT_EQ(swaps[1].source, SDL_MapRGB(screen.surface->format, 0, 255, 7));
}

// Files that are empty, or a folder where a file should be: each is named
// once in the log, and a fighter left without pictures says so once, not on
// every frame.
TEST_F(data_files, empty_files_and_folders_are_named_once) {
    const std::string empty = files.text_file("empty_char.ini", "");
    fighter_lifeform fighter;
    Anim_Mgr from_folder;
    std::vector<colour_swap> swaps;
    const std::string log = captured_log([&] {
        fighter.load(empty.c_str());
        for (int frame = 0; frame < 30; frame++) {
            fighter.show();
            fighter.draw();
        }
        from_folder.load(files.folder.c_str());
        swaps = colour_swap_file::read(empty.c_str(), screen.surface->format);
    });
    EXPECT_TRUE(logged(log, "WARNING: [" + empty + "] holds no key=value pairs")) << log;
    EXPECT_TRUE(logged(log, "ERROR: Can't read [" + files.folder + "]: Is a directory")) << log;
    EXPECT_TRUE(from_folder.frames.empty());
    EXPECT_TRUE(swaps.empty());
    size_t told = 0;
    for (size_t at = log.find("has no images at all"); at != std::string::npos; at = log.find("has no images at all", at + 1)) {
        told++;
    }
    EXPECT_EQ(told, 1u) << log;
}

// Names in data files lead into the data tree only: a whole path elsewhere
// or one climbing out with ".." is refused with a line and never opened.
TEST_F(data_files, names_leading_out_of_the_data_tree_are_refused) {
    const std::string animation = files.text_file(
        "escape.ini", "images=2 image0=/etc/passwd image1=rsrc/../../" + files.folder + "/x.png sound0=/dev/zero\n");
    Anim_Mgr definition;
    const std::string log = captured_log([&] { definition.load(animation.c_str()); });
    EXPECT_TRUE(logged(log, "WARNING: [image0] names [/etc/passwd] in [" + animation + "], outside the data tree: refused"))
        << log;
    EXPECT_TRUE(logged(log, "WARNING: [image1] names [rsrc/../../")) << log;
    EXPECT_FALSE(logged(log, "Loading img_mgr [/etc/passwd]")) << log;
    EXPECT_TRUE(definition.frames.empty());
}

}  // namespace
