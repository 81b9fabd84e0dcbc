// brawler's drawing: immediate quads.
#include "tests/gfx_gl/gl_cases.h"
