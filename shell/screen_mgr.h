#ifndef SHELL_SCREEN_MGR_H
#define SHELL_SCREEN_MGR_H

#include <SDL/SDL.h>

// The display and the platform's subsystems. One global instance, `screen`,
// built before main so that SDL's core is up before any other global.
class screen_mgr {
public:
    enum { MAX_JOYSTICKS = 4 };

    screen_mgr();

    int init_audio();
    int init_joysticks(int max_to_open);
    int set_video_mode(int width, int height, int bpp);
    // Switches between window and full screen, keeping what is on screen
    // and, on OpenGL, the context with every texture.
    void toggle_fullscreen();
    // A new screen size on the same path, where SDL can set the mode again
    // without losing the pictures; false when it can't (OpenGL, a size the
    // display refuses), the old size then stays.
    bool set_size(int width, int height);

    // The one switch between the OpenGL and the plain surface drawing.
    Uint32 is_gl() const { return video_flags & (SDL_OPENGL | SDL_OPENGLBLIT); }
    void clear_screen();
    // Limits drawing to rows [top, bottom) of the screen, until unclip().
    void clip_rows(int top, int bottom);
    void unclip();
    void flip();
    int show_cursor(int toggle);
    SDL_Surface* create_surface(int width, int height, int depth, Uint32 flags) const;

    int width() const { return surface ? surface->w : 0; }
    int height() const { return surface ? surface->h : 0; }

    SDL_Surface* surface;
    SDL_Joystick* joysticks[MAX_JOYSTICKS];
    Sint32 sdl_ok;
    Sint32 video_ok;
    Sint32 joystick_ok;
    Sint32 audio_ok;
    Uint32 video_flags;
    // Off while a match frame is stepped that nobody sees (a sync test's
    // second run, a headless series): every rule a draw carries still runs
    // (the picture that decides the next contact, a frame that fires, the
    // flash a frame starts), but no pixel is written and no sound plays.
    bool painting;

private:
    void print_video_info() const;
    void set_gl_attributes(int bpp) const;
    void setup_gl_2d() const;
    void set_window_icon() const;
    bool reset_mode(int width, int height, int bpp, Uint32 flags);
};

extern screen_mgr screen;

#endif
