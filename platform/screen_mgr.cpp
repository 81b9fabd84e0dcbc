#include "platform/screen_mgr.h"

#include <algorithm>
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

// The surface path draws without OpenGL. The SDL 1.2 layer over SDL2 would
// still hand each finished frame to an OpenGL texture, which on a machine
// without a graphics driver costs three to four times the frame itself and
// leaves the game behind its pace on a busy processor. Asked for SDL2's
// software renderer over a plain window buffer, it copies the frame into
// the window as the classic library does; the classic library reads neither
// variable, and a player's own choice of either stands.
void present_surface_by_copy() {
    setenv("SDL_RENDER_DRIVER", "software", 0);
    setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 0);
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

int screen_mgr::set_video_mode(int width, int height, int bpp) {
    if (!sdl_ok) return -1;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == -1) {
        printf("Couldn't initialize SDL Video: %s.\n", SDL_GetError());
    }
    name_window();
    print_video_info();
    video_ok = 1;
    // SDL crashes when GL attributes are set without a video subsystem; the
    // mode below then fails in order instead.
    if (is_gl() && SDL_WasInit(SDL_INIT_VIDEO)) set_gl_attributes(bpp);
    centre_window_unless_placed();
    if (!is_gl()) present_surface_by_copy();
    mode_bpp = bpp;
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
    if (is_gl()) {
        gl_context++;
        setup_gl_2d();
    }
    return 0;
}

void screen_mgr::name_window() const {
    SDL_WM_SetCaption(GAME_NAME, GAME_NAME);
    // Without a video subsystem SDL would crash setting the icon.
    if (SDL_WasInit(SDL_INIT_VIDEO)) set_window_icon();
}

// Must come before the video mode: SDL gives the icon to the window when it
// creates it.
void screen_mgr::set_window_icon() const {
    SDL_Surface* icon = IMG_Load(WINDOW_ICON);
    if (!icon) {
        printf("Can't open [%s]: %s\n", WINDOW_ICON, IMG_GetError());
        return;
    }
    SDL_WM_SetIcon(icon, nullptr);
    SDL_FreeSurface(icon);
}

void screen_mgr::clear_screen() {
    if (is_gl()) {
        clear_gl();
    } else if (surface) {
        clear_sw();
    }
}

void screen_mgr::clip_rows(int top, int bottom) {
    top = std::max(top, 0);
    bottom = std::max(std::min(bottom, height()), top);
    if (is_gl()) {
        clip_rows_gl(top, bottom);
    } else if (surface) {
        clip_rows_sw(top, bottom);
    }
}

void screen_mgr::unclip() {
    if (is_gl()) {
        unclip_gl();
    } else if (surface) {
        unclip_sw();
    }
}

void screen_mgr::flip() {
    if (is_gl()) {
        flip_gl();
    } else if (surface) {
        flip_sw();
    }
}

int screen_mgr::show_cursor(int toggle) { return SDL_ShowCursor(toggle); }

SDL_Surface* screen_mgr::create_surface(int width, int height, int depth, Uint32 flags) const {
    return SDL_CreateRGBSurface(flags, width, height, depth, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000);
}
