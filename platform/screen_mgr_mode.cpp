// Changes of the video mode while the game runs: the full-screen switch and
// a new size.
#include <SDL/SDL_syswm.h>

#include <cstdio>
#include <string>

#include "platform/screen_mgr.h"

namespace {

// The game's window on the X screen.
struct window_area {
    int x, y, w, h;
    bool operator==(const window_area& other) const {
        return x == other.x && y == other.y && w == other.w && h == other.h;
    }
};

struct x_window {
    SDL_SysWMinfo info;
    Window window;
    Window root;
};

// The top window that shows the picture now. The classic library keeps a
// managed window and a full-screen one of its own; the layer over SDL2 has
// one window and names only that.
bool find_x_window(x_window& found) {
    SDL_VERSION(&found.info.version);
    if (SDL_GetWMInfo(&found.info) != 1 || found.info.subsystem != SDL_SYSWM_X11) return false;
    const bool full = SDL_GetVideoSurface() && (SDL_GetVideoSurface()->flags & SDL_FULLSCREEN);
    const auto& x11 = found.info.info.x11;
    found.window = full && x11.fswindow ? x11.fswindow : x11.wmwindow;
    if (!found.window) found.window = x11.window;
    found.root = DefaultRootWindow(found.info.info.x11.display);
    return found.window != 0;
}

bool area_of(const x_window& found, window_area& area) {
    Display* display = found.info.info.x11.display;
    XWindowAttributes attributes;
    Window child;
    found.info.info.x11.lock_func();
    const bool known = XGetWindowAttributes(display, found.window, &attributes) &&
                       XTranslateCoordinates(display, found.window, found.root, 0, 0, &area.x, &area.y, &child);
    found.info.info.x11.unlock_func();
    area.w = attributes.width;
    area.h = attributes.height;
    return known;
}

void move_window(const x_window& found, const window_area& area) {
    Display* display = found.info.info.x11.display;
    found.info.info.x11.lock_func();
    XMoveResizeWindow(display, found.window, area.x, area.y, (unsigned)area.w, (unsigned)area.h);
    XRaiseWindow(display, found.window);
    XSync(display, False);
    found.info.info.x11.unlock_func();
}

}  // namespace

void screen_mgr::toggle_fullscreen() {
    if (!surface) return;
    if (!change_mode(surface->w, surface->h, video_flags ^ SDL_FULLSCREEN)) {
        printf("Can't switch full screen: %s\n", SDL_GetError());
        return;
    }
    printf("Full screen [%d]\n", (video_flags & SDL_FULLSCREEN) ? 1 : 0);
}

bool screen_mgr::set_size(int width, int height) {
    if (!surface) return false;
    if (width <= 0 || height <= 0 || !change_mode(width, height, video_flags)) {
        printf("Can't set size [%d,%d]: %s\n", width, height, SDL_GetError());
        return false;
    }
    printf("Size [%d,%d]\n", surface->w, surface->h);
    return true;
}

// The SDL 1.2 layer over SDL2 turns its one window to full screen and back
// by asking the window manager; without one the window keeps its size and
// place and shows a part of the picture scaled for the whole screen, and
// still does after the way back. Where the window is not what the mode asks
// for, the game puts it there itself: over the whole screen, or back where
// it lay before full screen.
bool screen_mgr::change_mode(int width, int height, Uint32 flags) {
    const bool was_full = (video_flags & SDL_FULLSCREEN) != 0;
    if (!was_full) remember_window_place();
    const bool changed = is_gl() ? change_mode_gl(width, height, flags) : reset_mode(width, height, flags);
    const bool full = (video_flags & SDL_FULLSCREEN) != 0;
    if (changed && (full || was_full)) fit_window(width, height);
    show_cursor(full ? SDL_DISABLE : SDL_ENABLE);
    return changed;
}

void screen_mgr::remember_window_place() {
    x_window found;
    window_area place;
    if (!find_x_window(found) || !area_of(found, place)) return;
    window_place = {(Sint16)place.x, (Sint16)place.y, (Uint16)place.w, (Uint16)place.h};
}

void screen_mgr::fit_window(int width, int height) const {
    x_window found;
    window_area now;
    if (!find_x_window(found) || !area_of(found, now)) return;
    const Screen* x_screen = DefaultScreenOfDisplay(found.info.info.x11.display);
    window_area wanted = {0, 0, WidthOfScreen(x_screen), HeightOfScreen(x_screen)};
    if (!(video_flags & SDL_FULLSCREEN)) {
        // A window the game never saw keeps where the library put it.
        if (window_place.w == 0) return;
        wanted = {window_place.x, window_place.y, width, height};
    }
    if (now == wanted) return;
    printf("Window at [%d,%d %dx%d] moved to [%d,%d %dx%d]\n", now.x, now.y, now.w, now.h, wanted.x, wanted.y,
           wanted.w, wanted.h);
    move_window(found, wanted);
}

// A mode the library refuses may leave no screen: the one in force is set
// again, so the game goes on as it was.
bool screen_mgr::reset_mode(int width, int height, Uint32 flags) {
    const int old_w = surface->w;
    const int old_h = surface->h;
    SDL_Surface* changed = SDL_SetVideoMode(width, height, mode_bpp, flags);
    if (changed) {
        surface = changed;
        video_flags = flags;
        return true;
    }
    const std::string refusal = SDL_GetError();
    surface = SDL_SetVideoMode(old_w, old_h, mode_bpp, video_flags);
    if (!surface) {
        printf("ERROR: Couldn't set the %d x %d video mode again: %s\n", old_w, old_h, SDL_GetError());
        video_ok = 0;
    }
    SDL_SetError("%s", refusal.c_str());
    return false;
}
