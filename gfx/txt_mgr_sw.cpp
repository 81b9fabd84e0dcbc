#include "gfx/txt_mgr.h"
#include "platform/screen_mgr.h"

// A manager made without a target draws on the screen.
void TXT_MGR::print_sw(SDL_Surface* rendered) {
    SDL_Surface* destination = target ? target : screen.surface;
    if (!destination) return;
    SDL_Rect place = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(rendered->w),
                      static_cast<Uint16>(rendered->h)};
    SDL_UpperBlit(rendered, nullptr, destination, &place);
}
