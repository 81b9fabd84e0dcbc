#include "shell/solid_face.h"

#include "gfx/txt_mgr.h"

TXT_MGR* new_solid_face(const char* font, int size, SDL_Color colour, SDL_Surface* target) {
    TXT_MGR* face = new TXT_MGR(target);
    face->size = size;
    face->fg = colour;
    face->mode = TXT_MGR::MODE_SOLID;
    face->open_font(font);
    return face;
}
