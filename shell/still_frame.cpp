#include "shell/still_frame.h"

#include <GL/gl.h>
#include <SDL/SDL.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "gfx/img_mgr.h"
#include "platform/screen_mgr.h"

namespace {

// OpenGL hands its rows bottom first.
SDL_Surface* read_gl_screen() {
    const int width = screen.width();
    const int height = screen.height();
    SDL_Surface* copy = screen.create_surface(width, height, 32, SDL_SWSURFACE);
    if (!copy) return nullptr;
    std::vector<Uint8> rows((size_t)width * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
    SDL_LockSurface(copy);
    for (int y = 0; y < height; y++) {
        memcpy((Uint8*)copy->pixels + (size_t)y * copy->pitch, rows.data() + (size_t)(height - 1 - y) * width * 4,
               (size_t)width * 4);
    }
    SDL_UnlockSurface(copy);
    return copy;
}

SDL_Surface* read_surface_screen() {
    return SDL_ConvertSurface(screen.surface, screen.surface->format, SDL_SWSURFACE);
}

}  // namespace

still_frame::still_frame() : picture(nullptr) {}

still_frame::~still_frame() { release(); }

void still_frame::take() {
    release();
    if (!screen.surface) return;
    SDL_Surface* copy = screen.is_gl() ? read_gl_screen() : read_surface_screen();
    if (!copy) {
        printf("WARNING: the paused picture could not be kept: %s\n", SDL_GetError());
        return;
    }
    picture = new img_mgr();
    picture->set_surface(copy);
}

void still_frame::show() const {
    if (picture) picture->display(0, 0);
}

void still_frame::release() {
    delete picture;
    picture = nullptr;
}
