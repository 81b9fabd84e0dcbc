#include "tests/objects/objects_fixture.h"

#include "anim/anim_group.h"
#include "gfx/image_cache.h"
#include "input/control_maps.h"
#include "objects/fighter_loader.h"

namespace {

class loader_test : public objects_test {
protected:
    void SetUp() override {
        objects_test::SetUp();
        build_control_maps();
    }
    void TearDown() override {
        delete fighter;
        release_control_maps();
        objects_test::TearDown();
    }

    void load(const std::string& keys, const control_map* controls = nullptr) {
        fighter = new fighter_lifeform();
        fighter->controls = controls;
        testing::internal::CaptureStdout();
        fighter->load(files.fighter("f" + std::to_string(serial++), keys).c_str());
        last_log = testing::internal::GetCapturedStdout();
    }

    std::string combo_keys() const {
        return "combos=2 combo0moves=3 combo0move=2 combo0move0=down combo0move1=left combo0move2=punch"
               " combo1moves=2 combo1move=4 combo1move0=jump combo1move1=kick\n";
    }

    fighter_lifeform* fighter = nullptr;
};

TEST_F(loader_test, a_complete_file_gives_moves_pictures_sizes_and_bound_combos) {
    load("hp=120 scale=1.5 speed=2.0\n" + files.moves(3) + "move1scale=0.5\n" + files.stills() + combo_keys(),
         p1_controls);
    EXPECT_EQ(120, fighter->life);
    EXPECT_EQ(120, fighter->max_life);
    EXPECT_DOUBLE_EQ(120.0, fighter->shown_life);
    EXPECT_DOUBLE_EQ(1.5, fighter->scale);
    EXPECT_DOUBLE_EQ(2.0, fighter->speed);
    ASSERT_EQ(3, fighter->move_count());
    EXPECT_TRUE(fighter->has_move(2));
    EXPECT_DOUBLE_EQ(0.5, fighter->moves[1]->anims[0]->scale);
    EXPECT_DOUBLE_EQ(1.0, fighter->moves[0]->anims[0]->scale);
    ASSERT_EQ(3u, fighter->images.size());
    EXPECT_EQ(50, fighter->width);
    EXPECT_EQ(90, fighter->height);
    EXPECT_EQ(5, fighter->bound_box.left);
    EXPECT_EQ(45, fighter->bound_box.right);
    EXPECT_TRUE(has_text(last_log, "Char Min/Max Bound Box [5,5-45,85]\n"));

    ASSERT_EQ(2u, fighter->combos->size());
    EXPECT_EQ(3, (*fighter->combos)[0].step_count());
    EXPECT_EQ(2, (*fighter->combos)[0].combo_type);
    EXPECT_EQ("p1_down", (*fighter->combos)[0].steps[0].name);
    // "jump" is no control: the step is left out, the combo kept.
    EXPECT_EQ(1, (*fighter->combos)[1].step_count());
    EXPECT_TRUE(has_text(last_log, "Combo[1]Move[0] == 'jump'\n"));
    EXPECT_TRUE(has_text(last_log, "WARNING: Control [jump] not found in controls ["));
    EXPECT_TRUE(has_text(last_log, "Adding combo[2] combotype[4] reqkeys[1]\n"));
    EXPECT_TRUE(has_text(last_log, "Loaded Char [3]images [3]animations [2]combos\n"));
    EXPECT_TRUE(has_text(last_log, "Final size [50,90]\n"));
    EXPECT_EQ(100, fighter->cpu_weights[WEIGHT_BLOCK]);
    EXPECT_EQ(30, fighter->cpu_weights[WEIGHT_REACH]);
    EXPECT_EQ(50, fighter->cpu_weights[WEIGHT_APPROACH]);
}

TEST_F(loader_test, the_sizes_come_from_the_pictures_unless_the_file_gives_nonzero_ones) {
    load("hp=10\n");
    EXPECT_EQ(0, fighter->width);
    EXPECT_EQ(0, fighter->bound_box.right);
    EXPECT_FALSE(has_text(last_log, "Bound Box"));
    EXPECT_TRUE(has_text(last_log, "Final size [0,0]\n"));
    delete fighter;

    load("images=0 width=0 height=77\n");
    EXPECT_TRUE(has_text(last_log, "Char Min/Max Bound Box [640,480-0,0]\n"));
    EXPECT_TRUE(has_text(last_log, "Final size [0,77]\n"));
    delete fighter;

    load(files.stills() + "width=0 height=120\n");  // 0 keeps the measured width
    EXPECT_EQ(50, fighter->width);
    EXPECT_EQ(120, fighter->height);
}

TEST_F(loader_test, a_missing_file_gives_a_living_fighter_without_anything) {
    fighter = new fighter_lifeform();
    testing::internal::CaptureStdout();
    fighter->load("/nonexistent/nobody_char.ini");
    fighter->show();
    fighter->start_move(0, 1);
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(has_text(log, "WARNING: Can't read fighter file [/nonexistent/nobody_char.ini]\n"));
    EXPECT_TRUE(has_text(log, "WARNING: lifeform["));
    EXPECT_EQ(0, fighter->life);
    EXPECT_EQ(1, fighter->is_alive());
    EXPECT_EQ(0, fighter->move_count());
    EXPECT_EQ(lifeform::PHASE_NONE, fighter->move_phase);
}

TEST_F(loader_test, a_move_without_its_file_keeps_its_number_and_starts_nothing) {
    const std::string picture = files.picture("punch", 40, 80, 9, 9, 9);
    load("moves=3 move0=" + files.animation("punch", picture, 1, 1) + " move1=" + files.folder +
         "/gone.ini\n" + files.stills());
    ASSERT_EQ(3, fighter->move_count());
    EXPECT_TRUE(has_text(last_log, "has no [move2]"));
    EXPECT_FALSE(fighter->has_move(1));
    EXPECT_FALSE(fighter->has_move(2));
    testing::internal::CaptureStdout();
    fighter->start_move(1, 1);
    EXPECT_TRUE(has_text(testing::internal::GetCapturedStdout(), "WARNING frames for animation [0] ["));
    EXPECT_EQ(lifeform::PHASE_NONE, fighter->move_phase);
    EXPECT_EQ(50, fighter->width);
    // A move number the file never gave is no fault of the file: silent.
    testing::internal::CaptureStdout();
    fighter->start_move(5, 1);
    EXPECT_EQ("", testing::internal::GetCapturedStdout());
    fighter->start_move(0, 1);
    EXPECT_EQ(lifeform::PHASE_MOVE, fighter->move_phase);
}

TEST_F(loader_test, a_missing_picture_shows_the_first_one_in_its_place) {
    load("images=2 image0=" + files.picture("stand", 50, 90, 1, 2, 3) + " image1=" + files.folder + "/gone.png\n");
    ASSERT_EQ(2u, fighter->images.size());
    EXPECT_EQ(nullptr, fighter->images[1]);
    EXPECT_TRUE(has_text(last_log, "WARNING: still picture [1]"));
    fighter->show_state = 1;
    testing::internal::CaptureStdout();
    fighter->show();
    EXPECT_TRUE(has_text(testing::internal::GetCapturedStdout(), "Asset for state [1] not set\n"));
    EXPECT_EQ(fighter->images[0], fighter->image);
}

TEST_F(loader_test, combos_without_a_control_map_keep_no_steps) {
    load(combo_keys());
    ASSERT_EQ(2u, fighter->combos->size());
    EXPECT_EQ(0, (*fighter->combos)[0].step_count());
    EXPECT_TRUE(has_text(last_log, "WARNING: can't bind controls because controls aren't set\n"));
    EXPECT_TRUE(has_text(last_log, "Adding combo[1] combotype[2] reqkeys[0]\n"));
}

TEST_F(loader_test, huge_counts_are_cut_down_with_a_warning) {
    load("moves=2000000000 images=99999 combos=1000000\n");
    EXPECT_EQ((int)fighter_loader::MAX_ENTRIES, fighter->move_count());
    EXPECT_TRUE(has_text(last_log, "WARNING: [moves]"));
}

// The second fighter of a pair is recoloured on private copies; the cached
// pictures keep their colours, and every copy goes with the fighter.
class recolour_test : public loader_test {
protected:
    // Loads the first fighter (cached pictures) and forgets it; returns the
    // cached still picture 0.
    img_mgr* load_first_fighter() {
        load(keys);
        img_mgr* cached = fighter->images[0];
        delete fighter;
        fighter = nullptr;
        return cached;
    }

    // Loads the second fighter with red turned blue and shows its still
    // picture 0 (red) at (100, 100).
    void load_recoloured_fighter() {
        fighter = new fighter_lifeform();
        const Uint32 red = SDL_MapRGB(screen.surface->format, 200, 0, 40);
        const Uint32 blue = SDL_MapRGB(screen.surface->format, 0, 0, 250);
        fighter->colour_swaps.push_back(colour_swap{red, blue});
        testing::internal::CaptureStdout();
        fighter->load(files.fighter("f" + std::to_string(serial++), keys).c_str());
        last_log = testing::internal::GetCapturedStdout();
        clear_surface_screen();
        fighter->x = 100;
        fighter->y = 100;
        testing::internal::CaptureStdout();
        fighter->show();
        fighter->draw();
        testing::internal::GetCapturedStdout();
    }

    const std::string keys = files.moves(2) + files.stills();
};

TEST_F(recolour_test, a_recoloured_fighter_owns_its_copies_and_frees_them) {
    const img_mgr* cached = load_first_fighter();
    const int images_before = image_count;
    load_recoloured_fighter();
    EXPECT_NE(cached, fighter->images[0]);
    EXPECT_GT(image_count, images_before);
    EXPECT_EQ(0x0000FAu, screen_rgb(125, 145));

    delete fighter;
    fighter = nullptr;
    EXPECT_EQ(images_before, image_count);
}

// On the OpenGL path the first series draws the still pictures, which leaves
// the cached ones holding only textures. The next recoloured fighter's
// copies are read again from their files and recoloured all the same; the
// log still tells, for every fighter, that its picture was uploaded.
TEST_F(recolour_test, pictures_that_went_to_textures_are_recoloured_too) {
    const int fake_texture = 4242;
    img_mgr* cached = load_first_fighter();
    cached->surface.reset();
    cached->gl_tiles = fake_texture;
    load(keys);
    EXPECT_TRUE(has_text(last_log, "No lifeform surface to color (Usually already uploaded) [4242]\n"));
    delete fighter;
    fighter = nullptr;
    load_recoloured_fighter();
    EXPECT_TRUE(has_text(last_log, "No lifeform surface to color (Usually already uploaded) [4242]\n"));
    EXPECT_EQ(-1, fighter->images[0]->gl_tiles);
    EXPECT_EQ(0x0000FAu, screen_rgb(125, 145));
    EXPECT_EQ(fake_texture, cached->gl_tiles);
}

}  // namespace
