#include <GL/gl.h>

#include "gfx/gl_quads.h"
#include "gfx/primitives.h"
#include "platform/screen_mgr.h"
#include "stage/level.h"

// The screen format may carry no alpha, so the opacity goes to the box as a
// byte, and blending is on only for this box.
void level::draw_flash_gl() const {
    enable_blending();
    box_rgba(0, 0, screen.width(), screen.height(), 255, 255, 255, drawn_flash & 0xFF);
    glDisable(GL_BLEND);
}
