#ifndef TESTS_GFX_TEXT_DRAWING_FIXTURE_H
#define TESTS_GFX_TEXT_DRAWING_FIXTURE_H

// Text and primitives read back from the screen, on the surface path or, in
// a program built with DRAW_ON_GL true, through OpenGL.

#include <SDL/SDL_ttf.h>
#include <gtest/gtest.h>

#include "gfx/primitives.h"
#include "gfx/txt_mgr.h"
#include "tests/gfx_text/screen_probe.h"

const Uint32 BLACK = 0x000000;

class drawing : public probe::screen_test {};

#endif
