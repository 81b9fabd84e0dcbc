// brawler_scaled's OpenGL drawing: each picture's quad is compiled into a
// display list at upload, and every draw places, zooms, turns and mirrors it
// through the matrix stack. The list holds the texture and the quad; the
// draw sets the texture and blending state around it, since an opaque
// picture drawn texel for pixel needs no blending.
#include <GL/gl.h>

#include "gfx/img_mgr.h"

void img_mgr::finish_upload() {
    const int tw = trimmed_w();
    const int th = trimmed_h();
    const float u = (float)tw / tex_w;
    const float v = (float)th / tex_h;
    display_list = glGenLists(1);
    glNewList(display_list, GL_COMPILE);
    glBindTexture(GL_TEXTURE_2D, (GLuint)gl_tiles);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(0, 0);
    glTexCoord2f(u, 0);
    glVertex2f((float)tw, 0);
    glTexCoord2f(u, v);
    glVertex2f((float)tw, (float)th);
    glTexCoord2f(0, v);
    glVertex2f(0, (float)th);
    glEnd();
    glEndList();
}

void img_mgr::display_gl(int x0, int y0, float zx, float zy, int angle) {
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
    if (!covers_all_under(texel_per_pixel)) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    // Boxes and circles leave their own colour current.
    glColor4ub(255, 255, 255, alpha);
    bind_texture(texel_per_pixel);
    glCallList(display_list);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
    if (alpha != 255) glColor4ub(255, 255, 255, 255);
    reset_rects();
}
