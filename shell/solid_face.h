#ifndef SHELL_SOLID_FACE_H
#define SHELL_SOLID_FACE_H

#include <SDL/SDL.h>

class TXT_MGR;

// The faces of the menus and the heads-up display: solid text in one colour,
// opened at `size` points. `target` is where it prints on the surface path;
// null prints on the screen as it is at the time.
TXT_MGR* new_solid_face(const char* font, int size, SDL_Color colour, SDL_Surface* target);

#endif
