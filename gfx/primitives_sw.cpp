#include <SDL/SDL_gfxPrimitives.h>

#include "gfx/primitives.h"
#include "platform/screen_mgr.h"

namespace primitives_sw {

void box(int x1, int y1, int x2, int y2, Uint8 r, Uint8 g, Uint8 b, Uint8 a) {
    boxRGBA(screen.surface, x1, y1, x2, y2, r, g, b, a);
}

void filled_circle(int x, int y, int radius, Uint8 r, Uint8 g, Uint8 b, Uint8 a) {
    filledCircleRGBA(screen.surface, x, y, radius, r, g, b, a);
}

}  // namespace primitives_sw
