#ifndef GFX_GL_QUADS_H
#define GFX_GL_QUADS_H

#include <GL/gl.h>
#include <SDL/SDL.h>

// The state around every textured quad a picture draws: texture and
// blending on, the picture's opacity as the colour; and off again after.
// Quads that can only cover what is under them may leave blending off.
void begin_textured_quads(int texture, Uint8 alpha, bool blend = true);
void end_textured_quads();

// The smallest power of two not below `size` (1 for 0).
int texture_side(int size);

#endif
