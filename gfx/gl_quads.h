#ifndef GFX_GL_QUADS_H
#define GFX_GL_QUADS_H

#include <GL/gl.h>
#include <SDL/SDL.h>

// The state around every textured quad a picture draws: texture and
// blending on, the picture's opacity as the colour; and off again after.
// Quads that can only cover what is under them may leave blending off.
void begin_textured_quads(int texture, Uint8 alpha, bool blend = true);
void end_textured_quads();

// Blending by the source's alpha, the way every picture and box is drawn.
void enable_blending();

// One textured quad between glBegin(GL_QUADS) and glEnd: the texture's
// (u_left, v_top)-(u_right, v_bottom) on the screen's (left, top)-(right,
// bottom), corner to corner.
void textured_quad(float left, float top, float right, float bottom, float u_left, float v_top, float u_right,
                   float v_bottom);

// The smallest power of two not below `size` (1 for 0).
int texture_side(int size);

#endif
