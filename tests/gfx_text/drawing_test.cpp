// Text and primitives that must look alike on both paths: test_gfx_text
// runs these cases on the surface path, test_gfx_text_gl through OpenGL.
#include "tests/gfx_text/drawing_fixture.h"

#include <fstream>
#include <string>
#include <unistd.h>

#include "tests/support/temp_folder.h"

namespace {

// A working folder holding only the given fonts, for the fallback cases.
class font_folder {
public:
    explicit font_folder(bool with_fallback) : place("txt_mgr") {
        if (with_fallback) copy(probe::font_path(), place.file("tahoma.ttf"));
        getcwd(previous, sizeof previous);
        chdir(place.path().c_str());
    }
    ~font_folder() { chdir(previous); }

private:
    static void copy(const char* from, const std::string& to) {
        std::ifstream in(from, std::ios::binary);
        std::ofstream out(to, std::ios::binary);
        out << in.rdbuf();
    }
    temp_folder place;
    char previous[4096];
};

int font_height(int points) {
    TTF_Font* face = TTF_OpenFont(probe::font_path(), points);
    const int height = TTF_FontHeight(face);
    TTF_CloseFont(face);
    return height;
}

TEST_F(drawing, box_covers_both_corners_and_nothing_else) {
    const Uint32 colour = SDL_MapRGBA(screen.surface->format, 246, 206, 127, 255);
    box(10, 12, 50, 20, colour);
    box(70, 20, 60, 12, colour);  // corners given the other way round
    const probe::shot taken = probe::grab();
    const Uint32 sand = 0xF6CE7F;
    EXPECT_EQ(41 * 9, taken.count(10, 12, 41, 9, sand));
    EXPECT_EQ(11 * 9, taken.count(60, 12, 11, 9, sand));
    EXPECT_EQ(41 * 9 + 11 * 9, taken.count_not(0, 0, probe::SCREEN_W, probe::SCREEN_H, BLACK));
}

TEST_F(drawing, text_without_target_lands_on_the_screen_at_its_size) {
    TXT_MGR text;
    text.open_font(probe::font_path());
    ASSERT_EQ(1, text.font_loaded);
    text.x = 20;
    text.y = 30;
    text.print("Round 2");
    int w = 0, h = 0;
    TTF_SizeText(text.font, "Round 2", &w, &h);
    EXPECT_EQ(w, text.text_w);
    EXPECT_EQ(h, text.text_h);
    const probe::shot taken = probe::grab();
    const int inside = taken.count_not(20, 30, text.text_w, text.text_h, BLACK);
    EXPECT_GT(inside, 20);
    EXPECT_EQ(inside, taken.count_not(0, 0, probe::SCREEN_W, probe::SCREEN_H, BLACK));
}

// White text with a blue background colour, on black: Solid draws only
// whole white pixels, Shaded fills its box with blue behind smoothed
// letters, Blended smooths the letters onto what is under them.
TEST_F(drawing, each_render_mode_draws_its_own_way) {
    struct seen {
        int white, blue, black, between;
    };
    TXT_MGR text;
    text.open_font(probe::font_path());
    text.fg = {255, 255, 255, 0};
    text.bg = {0, 0, 200, 0};
    const auto print_in = [&text](int mode) {
        probe::clear();
        text.mode = mode;
        text.print("KO");
        const probe::shot taken = probe::grab();
        seen found = {0, 0, 0, 0};
        for (int y = text.y; y < text.y + text.text_h; y++) {
            for (int x = text.x; x < text.x + text.text_w; x++) {
                const Uint32 c = taken.at(x, y);
                const int r = c >> 16, g = (c >> 8) & 255, b = c & 255;
                if (r > 247 && g > 247 && b > 247) {
                    found.white++;
                } else if (r < 8 && g < 8 && b < 8) {
                    found.black++;
                } else if (r < 8 && g < 8 && b > 150) {
                    found.blue++;
                } else {
                    found.between++;
                }
            }
        }
        return found;
    };
    const seen solid = print_in(TXT_MGR::MODE_SOLID);
    EXPECT_GT(solid.white, 20);
    EXPECT_EQ(0, solid.between + solid.blue);
    const seen shaded = print_in(3);
    EXPECT_GT(shaded.white, 20);
    EXPECT_GT(shaded.blue, shaded.white);
    EXPECT_GT(shaded.between, 0);
    EXPECT_EQ(0, shaded.black);
    const seen blended = print_in(TXT_MGR::MODE_BLENDED);
    EXPECT_GT(blended.white, 20);
    EXPECT_GT(blended.between, 0);
    EXPECT_EQ(0, blended.blue);
}

TEST_F(drawing, a_face_that_fails_to_open_prints_in_the_fallback_at_its_size) {
    font_folder folder(true);
    TXT_MGR text;
    text.size = 30;
    text.open_font("no/such/face.ttf");
    EXPECT_EQ(0, text.font_loaded);
    text.print("Ab");
    EXPECT_EQ(1, text.font_loaded);
    EXPECT_EQ(font_height(30), text.text_h);
    EXPECT_GT(probe::grab().count_not(text.x, text.y, text.text_w, text.text_h, BLACK), 20);
}

TEST_F(drawing, without_any_face_print_draws_nothing) {
    font_folder folder(false);
    TXT_MGR text;
    text.print("Ab");
    EXPECT_EQ(0, text.font_loaded);
    EXPECT_EQ(0, text.text_w);
    EXPECT_EQ(nullptr, text.render("Ab"));
    EXPECT_EQ(0, probe::grab().count_not(0, 0, probe::SCREEN_W, probe::SCREEN_H, BLACK));
}

}  // namespace
