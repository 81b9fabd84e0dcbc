#ifndef PLATFORM_SCREEN_MGR_H
#define PLATFORM_SCREEN_MGR_H

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
    // Switches between window and full screen, keeping what is on screen;
    // on OpenGL the pictures' textures come back when the library gives
    // the new mode a new context.
    void toggle_fullscreen();
    // Gives the window (or the full screen) a new size, in the same way;
    // false, with the mode in force kept, when the library refuses it.
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
    // Counts the OpenGL contexts made so far: GL names kept from an earlier
    // count belong to a context that is gone.
    int gl_context = 0;

    // The pictures' textures belong to the layer above: it hands in how to
    // read them all back before a mode change and upload them again after
    // it. Static, so that the picture code can hand them in while globals
    // are built, whichever is built first.
    struct texture_keeper {
        void (*keep)();
        void (*restore)(bool context_is_new);
    };
    static texture_keeper textures;

private:
    void print_video_info() const;

    // The OpenGL half (screen_mgr_gl.cpp).
    void set_gl_attributes(int bpp) const;
    void setup_gl_2d() const;
    void clear_gl();
    void clip_rows_gl(int top, int bottom);
    void unclip_gl();
    void flip_gl();
    bool change_mode_gl(int width, int height, Uint32 flags);

    // The surface half (screen_mgr_sw.cpp).
    void clear_sw();
    void clip_rows_sw(int top, int bottom);
    void unclip_sw();
    void flip_sw();

    // Caption and icon, for the window the next video mode opens.
    void name_window() const;
    void set_window_icon() const;
    bool change_mode(int width, int height, Uint32 flags);
    bool reset_mode(int width, int height, Uint32 flags);
    // Where the window lay on the X screen before full screen; w 0 when unknown.
    void remember_window_place();
    void fit_window(int width, int height) const;
    SDL_Rect window_place = {0, 0, 0, 0};

    // The bits per pixel the game asked for; a mode change asks again.
    int mode_bpp = 0;
};

extern screen_mgr screen;

#endif
