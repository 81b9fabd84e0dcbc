#include "tests/objects/objects_fixture.h"

#include "anim/ag_stack.h"
#include "anim/anim_group.h"
#include "anim/frame.h"
#include "gfx/image_cache.h"
#include "objects/projectile.h"

namespace {

// A fighter whose move 0 is a three-tick punch with a wide picture, whose
// move 13 is a looping flight, whose move 14 fires on its second frame and
// whose move 15 has two frames without a rate, the first one firing.
class display_test : public objects_test {
protected:
    void SetUp() override {
        objects_test::SetUp();
        const std::string punch = files.picture("punch", 90, 80, 250, 250, 0);
        const std::string flight = files.picture("flight", 20, 10, 0, 250, 250);
        std::string keys = files.moves(18) + files.stills() + "hp=100\n";
        // Put first, these replace the standard moves: a repeated key answers
        // with its first value.
        keys = "move0=" + files.animation("punch", punch, 1, 3) + " move13=" +
               files.animation("flight", flight, 2, 1, true) + " move14=" +
               files.animation("thrower", punch, 2, 3, false, 1) + " move15=" +
               files.animation("quick", punch, 2, 0, false, 0) + "\n" + keys;
        shooter = load_fighter(keys);
        shooter->x = 300;
        shooter->y = 200;
        shooter->width = 120;
        game_objects.push_back(shooter);
    }

    // `ticks` frames of display, quietly.
    void show(lifeform& object, int ticks) {
        testing::internal::CaptureStdout();
        for (int i = 0; i < ticks; i++) object.show();
        testing::internal::GetCapturedStdout();
    }

    fighter_lifeform* shooter = nullptr;
};

TEST_F(display_test, a_projectile_starts_at_the_shooters_middle_and_drifts_its_way) {
    shooter->facing = 1;
    shooter->team = 1;
    shooter->scale = 1.25;
    testing::internal::CaptureStdout();
    fighter_lifeform* right = projectile::launch(*shooter);
    shooter->facing = 0;
    fighter_lifeform* left = projectile::launch(*shooter);
    testing::internal::GetCapturedStdout();
    ASSERT_NE(nullptr, right);
    ASSERT_NE(nullptr, left);
    EXPECT_EQ(3u, game_objects.size());
    EXPECT_EQ(360, right->x);
    EXPECT_EQ(250, right->y);
    EXPECT_DOUBLE_EQ(0.25, right->drift_x);
    EXPECT_EQ(320, left->x);
    EXPECT_EQ(250, left->y);
    EXPECT_DOUBLE_EQ(-0.25, left->drift_x);

    EXPECT_EQ(1, right->team);
    EXPECT_EQ(lifeform::BODY_PROJECTILE, right->kind);
    EXPECT_EQ(lifeform::PHASE_FLIGHT, right->move_phase);
    EXPECT_EQ(lifeform::STATE_ATTACKING, right->state);
    EXPECT_EQ(lifeform::SHOW_ATTACKING, right->show_state);
    EXPECT_DOUBLE_EQ(1.25, right->scale);
    EXPECT_EQ(20, right->width);
    EXPECT_EQ(1, right->life);
    EXPECT_EQ(0, right->move_count());
    EXPECT_FALSE(right->move_list_empty());

    // In flight: the match zeroes the speeds, the idle controller runs.
    right->y = 100;
    right->move_x = 0.0;
    right->move_y = 0.0;
    right->think(nullptr);
    right->move_step(1);
    EXPECT_EQ(370, right->x);
}

TEST_F(display_test, a_fighter_without_a_flight_move_throws_nothing) {
    fighter_lifeform* unarmed = load_fighter(files.moves(13));
    EXPECT_EQ(nullptr, projectile::launch(*unarmed));
    EXPECT_EQ(1u, game_objects.size());
    delete unarmed;
}

TEST_F(display_test, a_fire_frame_launches_once_at_the_end_of_its_last_tick) {
    shooter->start_move(14, fighter_lifeform::PRIORITY_MOVE);
    show(*shooter, 3);  // frame 0
    show(*shooter, 2);
    EXPECT_EQ(1u, game_objects.size());
    show(*shooter, 1);  // the third tick of the fire frame
    EXPECT_EQ(2u, game_objects.size());
    EXPECT_EQ(lifeform::PHASE_NONE, shooter->move_phase);  // the move is over
    show(*shooter, 5);
    EXPECT_EQ(2u, game_objects.size());
}

TEST_F(display_test, a_move_plays_its_ticks_then_the_fighter_stands_again) {
    shooter->start_move(0, fighter_lifeform::PRIORITY_MOVE);
    EXPECT_EQ(90, shooter->width);
    show(*shooter, 2);
    EXPECT_EQ(lifeform::PHASE_MOVE, shooter->move_phase);
    EXPECT_EQ(shooter->moves[0]->anims[0]->frames[0].image, shooter->image);
    show(*shooter, 1);
    EXPECT_EQ(lifeform::PHASE_NONE, shooter->move_phase);
    EXPECT_TRUE(shooter->move_list_empty());
    EXPECT_EQ(lifeform::SHOW_STANDING, shooter->show_state);
    EXPECT_EQ(50, shooter->width);
    EXPECT_EQ(90, shooter->height);
}

TEST_F(display_test, a_hit_stop_shows_the_still_picture_and_holds_the_move) {
    shooter->start_move(0, fighter_lifeform::PRIORITY_MOVE);
    shooter->freeze_frames = 4;
    show(*shooter, 4);
    EXPECT_EQ(0, shooter->freeze_frames);
    EXPECT_EQ(shooter->images[0], shooter->image);
    EXPECT_EQ(3, (*shooter->anim_stack)[0].ticks_left);
    show(*shooter, 3);
    EXPECT_EQ(lifeform::PHASE_NONE, shooter->move_phase);
}

TEST_F(display_test, an_object_out_of_view_is_not_drawn) {
    shooter->x = 700;
    testing::internal::CaptureStdout();
    shooter->show();
    EXPECT_TRUE(has_text(testing::internal::GetCapturedStdout(), "OFFSCREEN [700,200]\n"));
    EXPECT_EQ(nullptr, shooter->image);
}

// The rush afterimages draw the move twice more each frame; they must never
// advance it, even on its last tick, and never touch an ended move.
TEST_F(display_test, afterimages_neither_advance_nor_end_the_move) {
    shooter->start_move(14, fighter_lifeform::PRIORITY_MOVE);
    show(*shooter, 5);  // the last tick of the fire frame is next
    testing::internal::CaptureStdout();
    shooter->show_afterimage(-6, 192);
    shooter->show_afterimage(-18, 64);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(lifeform::PHASE_MOVE, shooter->move_phase);
    EXPECT_EQ(1u, game_objects.size());
    EXPECT_EQ(300, shooter->x);
    EXPECT_EQ(255, shooter->alpha);
    show(*shooter, 1);
    EXPECT_EQ(2u, game_objects.size());
    EXPECT_EQ(lifeform::PHASE_NONE, shooter->move_phase);

    shooter->show_afterimage(-6, 192);  // nothing runs: nothing happens
    EXPECT_TRUE(shooter->move_list_empty());

    // A frame of rate 0 ends after its one real tick, never in an afterimage.
    shooter->start_move(15, fighter_lifeform::PRIORITY_MOVE);
    testing::internal::CaptureStdout();
    shooter->show_afterimage(-6, 192);
    shooter->show_afterimage(-18, 64);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(0, (*shooter->anim_stack)[0].current);
    EXPECT_EQ(2u, game_objects.size());
    show(*shooter, 1);
    EXPECT_EQ(1, (*shooter->anim_stack)[0].current);
    EXPECT_EQ(3u, game_objects.size());
}

// Ghosts (a dizzy fighter's, the afterimages) leave the hit-freeze and the
// move's count to the real display.
TEST_F(display_test, a_ghost_draw_uses_up_neither_the_freeze_nor_a_tick) {
    shooter->start_move(0, fighter_lifeform::PRIORITY_MOVE);
    shooter->freeze_frames = 2;
    testing::internal::CaptureStdout();
    for (int ghost = 0; ghost < 3; ghost++) shooter->show_ghost();
    EXPECT_EQ(2, shooter->freeze_frames);
    shooter->freeze_frames = 0;
    for (int ghost = 0; ghost < 3; ghost++) shooter->show_ghost();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(3, (*shooter->anim_stack)[0].ticks_left);
    EXPECT_EQ(shooter->moves[0]->anims[0]->frames[0].image, shooter->image);
    show(*shooter, 3);
    EXPECT_EQ(lifeform::PHASE_NONE, shooter->move_phase);
}

TEST_F(display_test, a_looping_flight_keeps_playing) {
    shooter->facing = 1;
    testing::internal::CaptureStdout();
    fighter_lifeform* missile = projectile::launch(*shooter);
    testing::internal::GetCapturedStdout();
    show(*missile, 9);
    EXPECT_EQ(lifeform::PHASE_FLIGHT, missile->move_phase);
    EXPECT_FALSE(missile->move_list_empty());
}

// Contact is decided on the pictures drawn last: the punch reaches over.
TEST_F(display_test, an_attack_picture_over_the_opponent_lands_the_hit) {
    fighter_lifeform* opponent = load_fighter(files.moves(18) + files.stills() + "hp=100\n");
    game_objects.push_back(opponent);
    EXPECT_EQ(0, shooter->overlaps(*opponent));  // never drawn
    shooter->x = 200;
    opponent->x = 300;
    opponent->y = shooter->y;
    show(*shooter, 1);
    show(*opponent, 1);
    EXPECT_EQ(0, shooter->overlaps(*opponent));  // bodies 5..45 wide apart

    shooter->start_move(0, fighter_lifeform::PRIORITY_MOVE);
    opponent->x = 240;
    show(*shooter, 1);
    ASSERT_EQ(1, shooter->overlaps(*opponent));
    testing::internal::CaptureStdout();
    opponent->take_hit(*shooter);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(90, opponent->life);
    EXPECT_TRUE(opponent->is_playing_move(fighter_lifeform::MOVE_HIT));
}

// A series leaves nothing behind: fighters, their projectiles and the
// recoloured pictures of both go when the list is cleared.
TEST_F(display_test, clearing_the_objects_frees_every_picture_a_series_made) {
    // Pictures outside the cache: the recoloured copies.
    const auto uncached = [] { return image_count - (int)Image_Manager.size(); };
    const int uncached_before = uncached();
    fighter_lifeform* second = new fighter_lifeform();
    second->colour_swaps.push_back(colour_swap{1, 2});
    testing::internal::CaptureStdout();
    second->load(files.fighter("pair", files.moves(14) + files.stills()).c_str());
    second->facing = 1;
    projectile::launch(*second);
    testing::internal::GetCapturedStdout();
    game_objects.push_back(second);
    game_objects.push_back(game_objects[1]);  // the projectile after both fighters
    game_objects.erase(game_objects.begin() + 1);
    EXPECT_GT(uncached(), uncached_before);
    testing::internal::CaptureStdout();
    clear_game_objects();
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(game_objects.empty());
    EXPECT_EQ(uncached_before, uncached());
}

}  // namespace
