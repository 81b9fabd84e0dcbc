#include <GL/gl.h>

#include "gfx/primitives.h"
#include "shell/screen_mgr.h"
#include "stage/level.h"

// The screen format may carry no alpha, so the opacity goes to the box as a
// byte, and blending is on only for this box.
void level::draw_flash_gl() const {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    box_rgba(0, 0, screen.width(), screen.height(), 255, 255, 255, flash & 0xFF);
    glDisable(GL_BLEND);
}
