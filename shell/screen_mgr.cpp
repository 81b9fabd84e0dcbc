#include "shell/screen_mgr.h"

#include <GL/gl.h>
#include <algorithm>
#include <SDL/SDL_gfxPrimitives.h>
#include <SDL/SDL_image.h>
#include <cstdio>
#include <cstdlib>

namespace {

const char* const GAME_NAME = "QuillmooR";
const char* const WINDOW_ICON = "rsrc/icon/quillmoor_48.png";

// Left to itself, the classic SDL 1.2 leaves the window where the window
// manager puts it (the screen's corner when there is none), while the SDL 1.2
// layer over SDL2 centres it. Asking both for the centre opens the window in
// the same place on either; the corner would make the layer show the wrong
// part of the picture and a black full screen. A placement the player chose
// through SDL's own variables stands.
void centre_window_unless_placed() {
    if (getenv("SDL_VIDEO_WINDOW_POS")) return;
    setenv("SDL_VIDEO_CENTERED", "1", 0);
}

}  // namespace

// Built before every other global, so that the log opens with SDL's start
// and the caches built later find SDL's core running.
screen_mgr screen __attribute__((init_priority(101)));

screen_mgr::screen_mgr()
    : surface(nullptr), sdl_ok(1), video_ok(0), joystick_ok(0), audio_ok(0), video_flags(0), painting(true) {
    // The log is followed while the game runs: flush standard output at every
    // line end and standard error at once.
    setvbuf(stdout, nullptr, _IOLBF, 0);
    setvbuf(stderr, nullptr, _IONBF, 0);
    for (int i = 0; i < MAX_JOYSTICKS; i++) joysticks[i] = nullptr;
    printf("Initialize SDL.\n");
    if (SDL_Init(0) == -1) {
        printf("Couldn't initialize SDL: %s.\n", SDL_GetError());
        sdl_ok = 0;
    }
    printf("SDL Initialized.\n");
}

int screen_mgr::init_audio() {
    if (!sdl_ok) return -1;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == -1) {
        printf("Couldn't initialize SDL Audio: %s.\n", SDL_GetError());
        audio_ok = 0;
    } else {
        audio_ok = 1;
    }
    return 0;
}

int screen_mgr::init_joysticks(int max_to_open) {
    if (!sdl_ok) return -1;
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) == -1) {
        printf("Couldn't initialize SDL Joystick: %s.\n", SDL_GetError());
        joystick_ok = 0;
    }
    const int count = SDL_NumJoysticks();
    printf("%i joysticks were found.\n\n", count);
    if (count <= 0) return 0;
    joystick_ok = 1;
    printf("The names of the joysticks are:\n");
    for (int i = 0; i < count; i++) {
        printf("    %s\n", SDL_JoystickName(i));
        if (i < max_to_open && i < MAX_JOYSTICKS) joysticks[i] = SDL_JoystickOpen(i);
    }
    SDL_JoystickEventState(SDL_ENABLE);
    return 0;
}

void screen_mgr::print_video_info() const {
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    if (!info) return;
    struct capability {
        const char* question;
        const char* name;
        Uint32 value;
    };
    const capability capabilities[] = {
        {"Is it possible to  create hardware surfaces?", "hw_available", info->hw_available},
        {"Is there a window manager available?", "wm_available", info->wm_available},
        {"Are hardware to hardware blits accelerated?", "blit_hw", info->blit_hw},
        {"Are hardware to hardware colorkey blits accelerated?", "blit_hw_CC", info->blit_hw_CC},
        {"Are hardware to hardware alpha bits accelerated?", "blit_hw_A", info->blit_hw_A},
        {"Are software to hardware blits accelerated?", "blit_sw", info->blit_sw},
        {"Are software to hardware colorkey blits accelerated?", "blit_sw_CC", info->blit_sw_CC},
        {"Are software to hardware alpha blits accelerated?", "blit_sw_A", info->blit_sw_A},
        {"Are color fills accelerated?", "blit_fill", info->blit_fill},
    };
    for (const capability& each : capabilities) printf("%s\n\t%s=%d\n", each.question, each.name, (int)each.value);
    printf("\n\n\t\tTotal amount of video_mem: %d\n", info->video_mem);
}

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

int screen_mgr::set_video_mode(int width, int height, int bpp) {
    if (!sdl_ok) return -1;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == -1) {
        printf("Couldn't initialize SDL Video: %s.\n", SDL_GetError());
    }
    SDL_WM_SetCaption(GAME_NAME, GAME_NAME);
    // Without a video subsystem SDL would crash setting the icon.
    if (SDL_WasInit(SDL_INIT_VIDEO)) set_window_icon();
    print_video_info();
    video_ok = 1;
    // SDL crashes when GL attributes are set without a video subsystem; the
    // mode below then fails in order instead.
    if (is_gl() && SDL_WasInit(SDL_INIT_VIDEO)) set_gl_attributes(bpp);
    centre_window_unless_placed();
    surface = SDL_SetVideoMode(width, height, bpp, video_flags);
    if (!surface) {
        fprintf(stderr, "Couldn't set %d x %d x %d video mode: %s\n", width, height, bpp, SDL_GetError());
        // The log on standard output is where players look: say there too
        // what was asked for, on which path, and why it was refused.
        printf("ERROR: Couldn't set %d x %d x %d %s%s video mode: %s\n", width, height, bpp,
               is_gl() ? "OpenGL" : "surface", (video_flags & SDL_FULLSCREEN) ? " full-screen" : "", SDL_GetError());
        video_ok = 0;
        return -2;
    }
    if (is_gl()) setup_gl_2d();
    return 0;
}

// Must come before the first video mode: SDL gives the icon to the window
// when it creates it.
void screen_mgr::set_window_icon() const {
    SDL_Surface* icon = IMG_Load(WINDOW_ICON);
    if (!icon) {
        printf("Can't open [%s]: %s\n", WINDOW_ICON, IMG_GetError());
        return;
    }
    SDL_WM_SetIcon(icon, nullptr);
    SDL_FreeSurface(icon);
}

bool screen_mgr::reset_mode(int width, int height, int bpp, Uint32 flags) {
    SDL_Surface* changed = SDL_SetVideoMode(width, height, bpp, flags);
    if (!changed) return false;
    surface = changed;
    video_flags = flags;
    return true;
}

// Setting the mode again gives OpenGL a new context without the pictures'
// textures: there a new size waits for the next start.
bool screen_mgr::set_size(int width, int height) {
    if (!surface || is_gl()) return false;
    if (width == surface->w && height == surface->h) return true;
    const int old_width = surface->w;
    const int old_height = surface->h;
    const int bpp = surface->format->BitsPerPixel;
    if (!reset_mode(width, height, bpp, video_flags)) {
        printf("Can't set the size to [%d,%d]: %s\n", width, height, SDL_GetError());
        // A refused mode may leave no screen at all: take the old one back.
        if (!reset_mode(old_width, old_height, bpp, video_flags)) surface = SDL_GetVideoSurface();
        return false;
    }
    printf("Screen size [%d,%d]\n", width, height);
    return true;
}

void screen_mgr::toggle_fullscreen() {
    if (!surface) return;
    const Uint32 wanted = video_flags ^ SDL_FULLSCREEN;
    // The in-place switch keeps the surface and the GL context. Setting the
    // mode again would give OpenGL a new context without the textures the
    // pictures hold, so that path is only taken for plain surfaces, whose
    // pictures live in memory of their own.
    if (SDL_WM_ToggleFullScreen(surface)) {
        video_flags = wanted;
    } else if (is_gl() || !reset_mode(surface->w, surface->h, surface->format->BitsPerPixel, wanted)) {
        printf("Can't switch full screen: %s\n", SDL_GetError());
        return;
    }
    const bool full = (video_flags & SDL_FULLSCREEN) != 0;
    show_cursor(full ? SDL_DISABLE : SDL_ENABLE);
    printf("Full screen [%d]\n", full ? 1 : 0);
}

void screen_mgr::clear_screen() {
    if (is_gl()) {
        glClear(GL_COLOR_BUFFER_BIT);
    } else if (surface) {
        boxRGBA(surface, 0, 0, surface->w, surface->h, 0, 0, 0, 255);
    }
}

void screen_mgr::clip_rows(int top, int bottom) {
    top = std::max(top, 0);
    bottom = std::max(std::min(bottom, height()), top);
    if (is_gl()) {
        // The scissor box counts rows from the bottom of the window.
        glEnable(GL_SCISSOR_TEST);
        glScissor(0, height() - bottom, width(), bottom - top);
    } else if (surface) {
        SDL_Rect rows = {0, (Sint16)top, (Uint16)width(), (Uint16)(bottom - top)};
        SDL_SetClipRect(surface, &rows);
    }
}

void screen_mgr::unclip() {
    if (is_gl()) {
        glDisable(GL_SCISSOR_TEST);
    } else if (surface) {
        SDL_SetClipRect(surface, nullptr);
    }
}

void screen_mgr::flip() {
    if (is_gl()) {
        SDL_GL_SwapBuffers();
    } else if (surface) {
        SDL_Flip(surface);
    }
}

int screen_mgr::show_cursor(int toggle) { return SDL_ShowCursor(toggle); }

SDL_Surface* screen_mgr::create_surface(int width, int height, int depth, Uint32 flags) const {
    return SDL_CreateRGBSurface(flags, width, height, depth, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000);
}
