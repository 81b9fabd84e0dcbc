#ifndef GFX_SURFACE_CONVERT_H
#define GFX_SURFACE_CONVERT_H

#include <SDL/SDL.h>

// Conversions shared by the picture code of both drawing paths.

// Pure green, the transparent colour of every picture, in `format`.
Uint32 key_green(const SDL_PixelFormat* format);

// Whether `format` holds pure green exactly. A palette without it has no
// transparent colour: the entry nearest to green is a colour the picture
// shows (often its black outline), never a see-through one.
bool holds_key_green(const SDL_PixelFormat* format);

// Pure green becomes the surface's colour key; a surface that cannot hold
// pure green gets none.
void key_out_green(SDL_Surface* pixels);

// Blits and reports a failure on standard error; drawing goes on.
void blit_logged(SDL_Surface* source, SDL_Rect* area, SDL_Surface* dest, SDL_Rect* at);

// A w x h 32-bit RGBA surface holding `area` of `source` (all of it when
// null) in its top-left corner. Key-coloured pixels and everything beyond the
// picture stay transparent (alpha 0); the rest arrives opaque, whatever
// per-surface alpha the source has.
SDL_Surface* rgba_copy(SDL_Surface* source, SDL_Rect* area, int w, int h);

// A copy of `source` in the display's format, pure green as its colour key.
// The source is not freed. Null when no video mode is set.
SDL_Surface* keyed_display_copy(SDL_Surface* source);

// Turns every fully transparent pixel of a 32-bit RGBA surface pure green,
// so that a display-format copy of it can key them out again.
void transparent_to_green(SDL_Surface* rgba);

// `area` of `source` (all of it when null, a w x h patch otherwise) zoomed
// and rotated without smoothing, in display format with pure green keyed:
// key-coloured pixels and the corners a rotation uncovers stay transparent
// whatever the display's depth. Null when a step fails.
SDL_Surface* zoomed_display_copy(SDL_Surface* source, SDL_Rect* area, int w, int h, double angle, double zx,
                                 double zy);

#endif
