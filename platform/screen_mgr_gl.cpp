// The screen's OpenGL half: the context's attributes, the 2D projection and
// the per-frame calls of the OpenGL path.
#include <GL/gl.h>
#include <cstdio>

#include "platform/screen_mgr.h"

void screen_mgr::set_gl_attributes(int bpp) const {
    printf("Setting GL Atts [%d]\n", is_gl());
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, bpp);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, (video_flags & SDL_DOUBLEBUF) ? 1 : 0);
}

// One GL unit is one screen pixel and y grows downward, as on the surface path.
void screen_mgr::setup_gl_2d() const {
    printf("Setting up OpenGL 2D\n");
    GLint max_texture_size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max_texture_size);
    printf("Max texture size[%d]\n", max_texture_size);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glClearColor(0, 0, 0, 1);
    glViewport(0, 0, surface->w, surface->h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const int half_width = surface->w / 2;
    glOrtho(0, surface->w, surface->h, 0, -half_width, half_width);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, 0);
    glClearColor(0, 0, 0, 0);
}

void screen_mgr::clear_gl() { glClear(GL_COLOR_BUFFER_BIT); }

// The scissor box counts rows from the bottom of the window.
void screen_mgr::clip_rows_gl(int top, int bottom) {
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, height() - bottom, width(), bottom - top);
}

void screen_mgr::unclip_gl() { glDisable(GL_SCISSOR_TEST); }

void screen_mgr::flip_gl() { SDL_GL_SwapBuffers(); }

// Some libraries keep the context through a mode change, others make a new
// one. A texture made just before the change tells which: a new context has
// never heard of it. The pictures' textures are read back first, so they can
// be uploaded again.
screen_mgr::texture_keeper screen_mgr::textures = {nullptr, nullptr};

bool screen_mgr::change_mode_gl(int width, int height, Uint32 flags) {
    GLuint marker = 0;
    glGenTextures(1, &marker);
    glBindTexture(GL_TEXTURE_2D, marker);
    if (textures.keep) textures.keep();
    const bool changed = reset_mode(width, height, flags);
    const bool context_is_new = !glIsTexture(marker);
    if (context_is_new) {
        gl_context++;
    } else {
        glDeleteTextures(1, &marker);
    }
    if (surface) setup_gl_2d();
    if (textures.restore) textures.restore(context_is_new && surface);
    return changed;
}
