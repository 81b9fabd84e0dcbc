#include <SDL/SDL_gfxPrimitives.h>

#include "platform/screen_mgr.h"
#include "stage/level.h"

void level::draw_flash_sw() const {
    boxRGBA(screen.surface, 0, 0, screen.width(), screen.height(), 255, 255, 255, drawn_flash & 0xFF);
}
