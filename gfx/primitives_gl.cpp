#include <GL/gl.h>

#include <algorithm>

#include "gfx/primitives.h"
#include "platform/trig_tables.h"

namespace {

// The markers are small: the fan always has this radius.
const int GL_CIRCLE_RADIUS = 5;

void fan_rim_vertex(int x, int y, int degree) {
    glVertex2i(x + cos_table[degree] * GL_CIRCLE_RADIUS / 100, y + sin_table[degree] * GL_CIRCLE_RADIUS / 100);
}

// Image draws that don't set a colour of their own must find opaque white.
void restore_white() { glColor4ub(255, 255, 255, 255); }

}  // namespace

namespace primitives_gl {

// The surface path fills both corners; a GL quad stops short of its far
// edges, so those move out one pixel to cover the same pixels.
void box(int x1, int y1, int x2, int y2, Uint8 r, Uint8 g, Uint8 b, Uint8 a) {
    const int left = std::min(x1, x2);
    const int right = std::max(x1, x2) + 1;
    const int top = std::min(y1, y2);
    const int bottom = std::max(y1, y2) + 1;
    glColor4ub(r, g, b, a);
    glBegin(GL_QUADS);
    glVertex2i(left, top);
    glVertex2i(left, bottom);
    glVertex2i(right, bottom);
    glVertex2i(right, top);
    glEnd();
    restore_white();
}

void filled_circle(int x, int y, int segments, Uint8 r, Uint8 g, Uint8 b, Uint8 a) {
    const int step = 360 / segments;
    glColor4ub(r, g, b, a);
    glBegin(GL_TRIANGLE_FAN);
    glVertex2i(x, y);
    for (int degree = 0; degree < 360; degree += step) fan_rim_vertex(x, y, degree);
    fan_rim_vertex(x, y, 0);
    glEnd();
    restore_white();
}

}  // namespace primitives_gl
