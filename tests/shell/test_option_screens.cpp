#include <fstream>
#include <sstream>
#include <string>

#include "gfx/img_mgr.h"
#include "gfx/txt_mgr.h"
#include "input/control_maps.h"
#include "input/input_code.h"
#include "input/key_rebinding.h"
#include "shell/option_screens.h"
#include "shell/user_settings.h"
#include "tests/shell/menu_fixture.h"

namespace {

// The option pages with the game's tile and faces, played key by key; the
// settings go to a folder of the test's own.
class option_pages : public menu_test {
protected:
    void SetUp() override {
        menu_test::SetUp();
        folder = std::string(BRAWLER_BINARY_DIR) + "/test-settings/option_pages";
        system(("rm -rf '" + folder + "'").c_str());
        chosen.use_folder(folder);
        chosen.width = screen.width();
        chosen.height = screen.height();
        chosen.fps = 60;
        tile.load("rsrc/tilablebg128.png");
        for (TXT_MGR* face : {&entry_face, &note_face}) face->mode = TXT_MGR::MODE_SOLID;
        entry_face.size = screen.width() / 14;
        entry_face.open_font("rsrc/Medici_Text.ttf");
        note_face.size = screen.width() / 45;
        note_face.open_font("rsrc/Veranda.ttf");
        build_control_maps();
    }
    void TearDown() override {
        key_rebinding::restore_defaults();
        release_control_maps();
        menu_test::TearDown();
    }

    // Presses and lets go of a key, a frame each; false once the page is left.
    bool tap(option_screens& screens, SDLKey key) {
        platform::set_key(key, true);
        const bool open = screens.frame();
        platform::set_key(key, false);
        return open && screens.frame();
    }

    std::string saved() const {
        std::ifstream in(folder + "/settings.ini");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string folder;
    user_settings chosen;
    img_mgr tile;
    TXT_MGR entry_face;
    TXT_MGR note_face;
};

TEST_F(option_pages, left_and_right_change_a_choice_and_leaving_saves_it) {
    option_screens screens(&tile, &entry_face, &note_face, MENU_RATE, chosen);
    screens.open(option_screens::GAME_PAGE);
    EXPECT_TRUE(tap(screens, SDLK_RIGHT));
    EXPECT_EQ(5, chosen.rounds_to_win);
    EXPECT_TRUE(tap(screens, SDLK_RIGHT)) << "past the last choice nothing changes";
    EXPECT_EQ(5, chosen.rounds_to_win);
    EXPECT_TRUE(tap(screens, SDLK_DOWN));
    EXPECT_TRUE(tap(screens, SDLK_DOWN));
    EXPECT_TRUE(tap(screens, SDLK_LEFT));
    EXPECT_EQ(0, chosen.cpu_difficulty);
    EXPECT_EQ("Computer: easy", screens.shown_page()->entry(2).text());
    EXPECT_EQ("", saved()) << "nothing is written before the page is left";
    EXPECT_FALSE(tap(screens, SDLK_ESCAPE));
    EXPECT_NE(std::string::npos, saved().find("rounds_to_win=5\nround_seconds=0\ncpu_difficulty=0\n")) << saved();
}

TEST_F(option_pages, a_key_is_bound_by_pressing_it_and_a_key_in_use_is_refused_with_a_line) {
    option_screens screens(&tile, &entry_face, &note_face, MENU_RATE, chosen);
    screens.open(option_screens::PLAYER_2_PAGE);
    EXPECT_TRUE(tap(screens, SDLK_RETURN));
    EXPECT_TRUE(screens.shown_page()->waiting_for_key());
    EXPECT_TRUE(tap(screens, SDLK_x));
    EXPECT_EQ(SDLK_x, keys_of_player(2).up);
    EXPECT_EQ("Up: x", screens.shown_page()->entry(0).text());

    EXPECT_TRUE(tap(screens, SDLK_DOWN));
    EXPECT_TRUE(tap(screens, SDLK_RETURN));
    EXPECT_TRUE(tap(screens, SDLK_k));
    EXPECT_EQ(SDLK_s, keys_of_player(2).down);
    EXPECT_EQ("k is already Player 1's Kick", screens.shown_page()->note());
    screens.frame();
    ASSERT_EQ(0, SDL_SaveBMP(screen.surface, BRAWLER_BINARY_DIR "/test-settings/option_page_refused.bmp"));

    // Escape while waiting keeps the key and stays on the page; Escape then leaves.
    EXPECT_TRUE(tap(screens, SDLK_RETURN));
    EXPECT_TRUE(tap(screens, SDLK_ESCAPE));
    EXPECT_EQ(SDLK_s, keys_of_player(2).down);
    EXPECT_FALSE(tap(screens, SDLK_ESCAPE));
    EXPECT_NE(std::string::npos, saved().find("p2_up=120\np2_down=115\n")) << saved();
}

TEST_F(option_pages, the_first_player_binds_a_joystick_button_by_pushing_it) {
    screen.joystick_ok = 1;
    option_screens screens(&tile, &entry_face, &note_face, MENU_RATE, chosen);
    screens.open(option_screens::PLAYER_1_PAGE);
    EXPECT_TRUE(tap(screens, SDLK_RETURN));
    EXPECT_TRUE(screens.frame());
    EXPECT_TRUE(screens.shown_page()->waiting_for_key());
    platform::set_joystick_button(5, true);
    EXPECT_TRUE(screens.frame());
    EXPECT_EQ(input_code::button(5), keys_of_player(1).up);
    EXPECT_EQ("Up: joystick button 5", screens.shown_page()->entry(0).text());
}

TEST_F(option_pages, a_new_screen_size_applies_at_once_on_plain_surfaces) {
    option_screens screens(&tile, &entry_face, &note_face, MENU_RATE, chosen);
    screens.open(option_screens::VIDEO_PAGE);
    const option_entry& sizes = screens.shown_page()->entry(0);
    ASSERT_EQ("640x480", sizes.values[sizes.chosen]);
    const std::string next = sizes.values[sizes.chosen + 1];
    EXPECT_TRUE(tap(screens, SDLK_RIGHT));
    const std::string now = std::to_string(screen.width()) + "x" + std::to_string(screen.height());
    EXPECT_EQ(next, now);
    EXPECT_FALSE(tap(screens, SDLK_RETURN));
    EXPECT_NE(std::string::npos, saved().find("width=" + std::to_string(screen.width()) + "\n")) << saved();
    screen.set_size(640, 480);
}

}  // namespace
