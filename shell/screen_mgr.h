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

private:
    void print_video_info() const;

    // The OpenGL half (screen_mgr_gl.cpp).
    void set_gl_attributes(int bpp) const;
    void setup_gl_2d() const;
    void clear_gl();
    void clip_rows_gl(int top, int bottom);
    void unclip_gl();
    void flip_gl();

    // The surface half (screen_mgr_sw.cpp).
    void clear_sw();
    void clip_rows_sw(int top, int bottom);
    void unclip_sw();
    void flip_sw();

    void set_window_icon() const;
    bool reset_mode(Uint32 flags);
};

extern screen_mgr screen;

#endif
