#include "gfx/gl_quads.h"

void begin_textured_quads(int texture, Uint8 alpha, bool blend) {
    glEnable(GL_TEXTURE_2D);
    if (blend) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    glBindTexture(GL_TEXTURE_2D, (GLuint)texture);
    glBegin(GL_QUADS);
    glColor4ub(255, 255, 255, alpha);
}

void end_textured_quads() {
    glEnd();
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

int texture_side(int size) {
    int side = 1;
    while (side < size) side <<= 1;
    return side;
}
