// brawler_scaled's OpenGL drawing: each picture's cells are compiled into
// two display lists at upload, solid and blended, and every draw places,
// zooms, turns and mirrors them through the matrix stack. The draw sets the
// texture and the blending around the lists.
#include <GL/gl.h>

#include <vector>

#include "gfx/gl_quads.h"
#include "gfx/img_mgr.h"

namespace {

// The rectangles as quads in texel units, the picture's top-left at (0, 0).
void compile_rects(unsigned int list, const std::vector<texel_rect>& rects, int tex_w, int tex_h) {
    glNewList(list, GL_COMPILE);
    glBegin(GL_QUADS);
    for (const texel_rect& rect : rects) {
        const float left = (float)rect.x, right = (float)(rect.x + rect.w);
        const float top = (float)rect.y, bottom = (float)(rect.y + rect.h);
        textured_quad(left, top, right, bottom, left / tex_w, top / tex_h, right / tex_w, bottom / tex_h);
    }
    glEnd();
    glEndList();
}

}  // namespace

void img_mgr::finish_upload() {
    display_list = glGenLists(DISPLAY_LISTS);
    remake_lists();
}

void img_mgr::remake_lists() {
    compile_rects(display_list, cells.solid(), tex_w, tex_h);
    compile_rects(display_list + 1, cells.blended(), tex_w, tex_h);
}

void img_mgr::draw_gl(int x0, int y0, float zx, float zy, int angle) {
    if (!check_uploaded()) return;
    const int tw = trimmed_w();
    const int th = trimmed_h();
    const int source_x = (int)(src_rect.x * zx);
    const int source_y = (int)(src_rect.y * zy);
    src_rect.x = (Sint16)source_x;
    src_rect.y = (Sint16)source_y;
    src_rect.w = (Uint16)(int)(src_rect.w * zx);
    src_rect.h = (Uint16)(int)(src_rect.h * zy);
    dst_rect.x = (Sint16)x0;
    dst_rect.y = (Sint16)y0;
    dst_rect.w = (Uint16)(int)(dst_rect.w * zx);
    dst_rect.h = (Uint16)(int)(dst_rect.h * zy);
    // Mirrored: flipped by a negative x scale about the quad's left edge,
    // moved right by the width, so it turns about the logical rectangle.
    const float fx = mirrored ? -zx : zx;
    const int shift = mirrored ? dst_rect.w : 0;
    // Pushing the matrix restores it exactly; undoing each step by its
    // inverse would let rounding build up over a run.
    glPushMatrix();
    glTranslated(dst_rect.x - source_x + shift, dst_rect.y - source_y, 0);
    if (angle != 0) {
        glTranslated((int)(tw * fx * 0.5), (int)(th * zy * 0.5), 0);
        glRotatef((float)angle, 0, 0, 1);
    }
    if (zx != 1.0f || zy != 1.0f || mirrored) glScalef(fx, zy, 1);
    if (angle != 0) glTranslated(-(tw >> 1), -(th >> 1), 0);
    const bool texel_per_pixel = angle == 0 && zx == 1.0f && zy == 1.0f;
    glEnable(GL_TEXTURE_2D);
    // Boxes and circles leave their own colour current.
    glColor4ub(255, 255, 255, alpha);
    bind_texture(texel_per_pixel);
    // Solid cells cover what is under them only at full opacity.
    if (alpha != 255) enable_blending();
    glCallList(display_list);
    enable_blending();
    glCallList(display_list + 1);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
    if (alpha != 255) glColor4ub(255, 255, 255, 255);
    reset_rects();
}
