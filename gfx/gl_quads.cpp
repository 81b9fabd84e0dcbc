#include "gfx/gl_quads.h"

void begin_textured_quads(int texture, Uint8 alpha, bool blend) {
    glEnable(GL_TEXTURE_2D);
    if (blend) enable_blending();
    glBindTexture(GL_TEXTURE_2D, (GLuint)texture);
    glBegin(GL_QUADS);
    glColor4ub(255, 255, 255, alpha);
}

void end_textured_quads() {
    glEnd();
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

void enable_blending() {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void textured_quad(float left, float top, float right, float bottom, float u_left, float v_top, float u_right,
                   float v_bottom) {
    glTexCoord2f(u_left, v_top);
    glVertex2f(left, top);
    glTexCoord2f(u_right, v_top);
    glVertex2f(right, top);
    glTexCoord2f(u_right, v_bottom);
    glVertex2f(right, bottom);
    glTexCoord2f(u_left, v_bottom);
    glVertex2f(left, bottom);
}

int texture_side(int size) {
    int side = 1;
    while (side < size) side <<= 1;
    return side;
}
