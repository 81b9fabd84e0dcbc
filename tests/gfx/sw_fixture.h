#ifndef TESTS_GFX_SW_FIXTURE_H
#define TESTS_GFX_SW_FIXTURE_H

// The surface path, headless: a 320 x 240 window on SDL's dummy driver.
#include <gtest/gtest.h>

#include "gfx/img_mgr.h"
#include "platform/screen_mgr.h"
#include "tests/gfx/picture_files.h"
#include "tests/support/test_screen.h"

class surface_path : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(open_test_screen(SDL_SWSURFACE, 320, 240)); }
    void SetUp() override { clear(); }

    static void clear() { SDL_FillRect(screen.surface, nullptr, 0); }
    static rgb pixel(int x, int y) { return surface_pixel(screen.surface, x, y); }
    static area painted() { return painted_box(320, 240, pixel); }
    static int count(rgb colour) { return count_colour(320, 240, pixel, colour); }
};

#endif
