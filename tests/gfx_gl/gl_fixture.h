#ifndef TESTS_GFX_GL_GL_FIXTURE_H
#define TESTS_GFX_GL_GL_FIXTURE_H

// What a picture's drawing puts in the OpenGL framebuffer, read back with
// glReadPixels, inside an X server with Mesa. Both programs' drawings are
// held to the same cases (gl_path_test.cpp), and each to its own.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "gfx/img_mgr.h"
#include "platform/screen_mgr.h"
#include "tests/gfx/placement_cases.h"
#include "tests/support/test_screen.h"

const int SCREEN_W = 320;
const int SCREEN_H = 240;

class gl_path : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(open_test_screen(SDL_OPENGL, SCREEN_W, SCREEN_H)); }
    void SetUp() override { glClear(GL_COLOR_BUFFER_BIT); }

    // Reads the framebuffer once; pixel() then answers from the copy.
    void read_back() {
        glFinish();
        framebuffer.assign((size_t)SCREEN_W * SCREEN_H * 4, 0);
        glReadPixels(0, 0, SCREEN_W, SCREEN_H, GL_RGBA, GL_UNSIGNED_BYTE, framebuffer.data());
    }
    rgb pixel(int x, int y) const {
        const Uint8* at = &framebuffer[((size_t)(SCREEN_H - 1 - y) * SCREEN_W + x) * 4];
        return rgb{at[0], at[1], at[2]};
    }
    area painted() const {
        return painted_box(SCREEN_W, SCREEN_H, [this](int x, int y) { return pixel(x, y); });
    }
    int count(rgb colour) const {
        return count_colour(SCREEN_W, SCREEN_H, [this](int x, int y) { return pixel(x, y); }, colour);
    }

    std::vector<Uint8> framebuffer;
};

#endif
