#ifndef GFX_PRIMITIVES_H
#define GFX_PRIMITIVES_H

#include <SDL/SDL.h>

// Untextured shapes on the screen: the life bars and the round-win markers.
// Colours are pixel values in the screen surface's format (SDL_MapRGB or
// SDL_MapRGBA on screen.surface->format).

// Filled rectangle between two corners, both included, on either path.
void box(int x1, int y1, int x2, int y2, Uint32 colour);
// The same with the colour given as bytes: the way to draw a translucent box
// when the screen format carries no alpha (the OpenGL path blends it only
// when the caller has enabled blending).
void box_rgba(int x1, int y1, int x2, int y2, Uint8 r, Uint8 g, Uint8 b, Uint8 a);
// Filled circle. The OpenGL path draws a fan of `segments` points on a fixed
// radius of 5 pixels; the surface path draws `radius`. Segments are kept
// within 1..360.
void filled_circle(int x, int y, int radius, int segments, Uint32 colour);

// Each rendering path's drawing, one file each (primitives_gl.cpp,
// primitives_sw.cpp). Callers use the functions above.
namespace primitives_gl {
void box(int x1, int y1, int x2, int y2, Uint8 r, Uint8 g, Uint8 b, Uint8 a);
void filled_circle(int x, int y, int segments, Uint8 r, Uint8 g, Uint8 b, Uint8 a);
}
namespace primitives_sw {
void box(int x1, int y1, int x2, int y2, Uint8 r, Uint8 g, Uint8 b, Uint8 a);
void filled_circle(int x, int y, int radius, Uint8 r, Uint8 g, Uint8 b, Uint8 a);
}

#endif
