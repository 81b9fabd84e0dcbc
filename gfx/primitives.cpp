#include "gfx/primitives.h"

#include "platform/screen_mgr.h"

namespace {

// Colours arrive as pixel values of the screen's format; a format without
// alpha decodes to opaque.
bool decode_colour(Uint32 colour, Uint8& r, Uint8& g, Uint8& b, Uint8& a) {
    if (!screen.surface) return false;
    SDL_GetRGBA(colour, screen.surface->format, &r, &g, &b, &a);
    return true;
}

// The fan steps 360 / segments degrees: 0 segments would divide by zero and
// more than 360 would step 0 degrees forever.
int usable_segments(int segments) {
    if (segments < 1) return 1;
    if (segments > 360) return 360;
    return segments;
}

}  // namespace

void box(int x1, int y1, int x2, int y2, Uint32 colour) {
    Uint8 r, g, b, a;
    if (decode_colour(colour, r, g, b, a)) box_rgba(x1, y1, x2, y2, r, g, b, a);
}

void box_rgba(int x1, int y1, int x2, int y2, Uint8 r, Uint8 g, Uint8 b, Uint8 a) {
    if (screen.is_gl()) {
        primitives_gl::box(x1, y1, x2, y2, r, g, b, a);
    } else {
        primitives_sw::box(x1, y1, x2, y2, r, g, b, a);
    }
}

void filled_circle(int x, int y, int radius, int segments, Uint32 colour) {
    Uint8 r, g, b, a;
    if (!decode_colour(colour, r, g, b, a)) return;
    if (screen.is_gl()) {
        primitives_gl::filled_circle(x, y, usable_segments(segments), r, g, b, a);
    } else {
        primitives_sw::filled_circle(x, y, radius, r, g, b, a);
    }
}
