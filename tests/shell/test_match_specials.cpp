// The game's own four fighters: each one's special move strikes as a blow
// while its frames run, whether or not it also throws something.
#include <unistd.h>

#include "tests/shell/match_fixture.h"

namespace {

typedef fighter_lifeform fl;

const int COMBO_SPECIAL = 2;

class real_fighters_match : public match_test {
protected:
    // The series runs in the game's own data tree, where the test started.
    void SetUp() override {
        match_test::SetUp();
        use_game_data({"game/fighter/lunet_char.ini", "game/fighter/halvard_char.ini", "game/fighter/tamsin_char.ini",
                       "game/fighter/morrow_char.ini"});
    }

    bool game_fighters_present() const {
        for (const std::string& path : request.fighter_files) {
            if (access(path.c_str(), R_OK) != 0) return false;
        }
        return true;
    }

    // The right fighter closes in until the two bodies touch, then steps
    // back a little: beside its opponent, where a punch lands.
    void close_in() {
        quiet([&] {
            while (!left().overlaps(right()) && right().x > left().x) {
                right().x -= 2;
                left().show();
                right().show();
            }
        });
        right().x += 8;
        frames(1);
    }

    // The right fighter performs its special as the computer does, by a
    // finished combo. Returns the first damage the left one takes, or 0;
    // `while_special` tells whether the special was running when it came.
    int first_damage_from_special(bool* while_special) {
        const std::vector<combo>& known = *right().combos;
        int special = -1;
        for (size_t i = 0; i < known.size(); i++) {
            if (known[i].combo_type == COMBO_SPECIAL) special = (int)i;
        }
        if (special < 0) return 0;
        right().controller->tracker.insert_finished_candidate(special, (int)platform::ticks() + 1);
        for (int frame = 0; frame < 90; frame++) {
            const int life = left().life;
            *while_special = right().is_playing_move(fl::MOVE_SPECIAL);
            frames(1);
            if (left().life < life) return life - left().life;
        }
        return 0;
    }
};

TEST_F(real_fighters_match, every_special_lands_as_a_blow_from_beside_the_opponent) {
    if (!game_fighters_present()) GTEST_SKIP() << "the game's fighters are not in the data tree";
    for (int choice = 0; choice < (int)request.fighter_files.size(); choice++) {
        SCOPED_TRACE(request.fighter_files[choice]);
        request.first_choice = choice;
        request.second_choice = (choice + 1) % (int)request.fighter_files.size();
        start();
        frames(1);
        close_in();
        bool while_special = false;
        EXPECT_EQ(10, first_damage_from_special(&while_special));
        EXPECT_TRUE(while_special);
        quiet([&] { series.reset(); });
    }
}

}  // namespace
