#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "anim/anim_mgr.h"
#include "anim/static_scene.h"
#include "anim/frame.h"
#include "gfx/image_cache.h"
#include "gfx/img_mgr.h"
#include "tests/anim/anim_fixture.h"
#include "tests/support/test_screen.h"

namespace {

// Texels hold five bits per channel, so the test colours are full or none.
class gl_scene_test : public ::testing::Test {
protected:
    void SetUp() override {
        open_test_screen(SDL_OPENGL);
        ASSERT_TRUE(screen.is_gl());
        glClear(GL_COLOR_BUFFER_BIT);
    }

    // The framebuffer as 0xRRGGBB, rows from the top of the screen.
    static std::vector<Uint32> read_screen() {
        const int w = screen.width(), h = screen.height();
        std::vector<unsigned char> rgb(w * h * 3);
        glFinish();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        std::vector<Uint32> shown(w * h);
        for (int y = 0; y < h; y++) {
            for (int x = 0; x < w; x++) {
                const unsigned char* p = &rgb[((h - 1 - y) * w + x) * 3];
                shown[y * w + x] = ((Uint32)p[0] << 16) | ((Uint32)p[1] << 8) | p[2];
            }
        }
        return shown;
    }
    static Uint32 at(const std::vector<Uint32>& shown, int x, int y) { return shown[y * screen.width() + x]; }

    anim_files files;
};

TEST_F(gl_scene_test, the_scene_is_compiled_once_and_replayed_with_the_same_pixels) {
    Anim_Mgr logo, title, late;
    logo.add_picture(Image_Manager.get(files.picture("gl_logo", 40, 20, 255, 0, 0).c_str()), 0);
    title.add_picture(Image_Manager.get(files.picture("gl_title", 16, 16, 0, 0, 255).c_str()), 0);
    late.add_picture(Image_Manager.get(files.picture("gl_late", 16, 16, 255, 0, 255).c_str()), 0);
    static_scene scene;
    scene.add(&logo, 100, 100, 0.5);
    scene.add(&title, 300, 50, 1.0);

    scene.draw();
    const std::vector<Uint32> first = read_screen();
    ASSERT_EQ(1u, scene.display_lists.size());
    EXPECT_NE(-1, logo.frames[0].image->gl_tiles) << "pictures are uploaded before compiling";
    // Zoom 0.5 at (100, 100): x 50, bottom kept at 120, 20 x 10 pixels.
    EXPECT_EQ(0xFF0000u, at(first, 55, 115));
    EXPECT_EQ(0u, at(first, 55, 105));
    EXPECT_EQ(0u, at(first, 75, 115));
    EXPECT_EQ(0x0000FFu, at(first, 305, 55));

    scene.add(&late, 400, 50, 1.0);
    glClear(GL_COLOR_BUFFER_BIT);
    scene.draw();
    EXPECT_EQ(1u, scene.display_lists.size()) << "never rebuilt";
    const std::vector<Uint32> replayed = read_screen();
    EXPECT_TRUE(first == replayed) << "the replay shows the scene as compiled, without the late entry";
}

TEST_F(gl_scene_test, a_scaled_frame_keeps_its_bottom_edge_on_the_gl_path) {
    Anim_Mgr definition;
    definition.load(files.text_file("gl_scaled.ini", "images=1 image0=" + files.picture("gl_scaled", 20, 100, 255, 255, 0)).c_str());
    definition.scale = 2.0;
    paint_frame(definition, 50, 300, 0);
    const std::vector<Uint32> shown = read_screen();
    EXPECT_EQ(0u, at(shown, 60, 198));
    EXPECT_EQ(0xFFFF00u, at(shown, 60, 202));
    EXPECT_EQ(0xFFFF00u, at(shown, 87, 397));
    EXPECT_EQ(0u, at(shown, 60, 402));
    EXPECT_EQ(0u, at(shown, 92, 300));
}

}  // namespace
