#ifndef SHELL_CHAR_SELECT_H
#define SHELL_CHAR_SELECT_H

#include <SDL/SDL_framerate.h>

#include "gfx/txt_mgr.h"
#include "shell/menu_poll.h"

class img_mgr;

// The character selection: one fighter's picture at a time, circled by four
// faint copies of itself, over the wallpaper. Left and Right step through the
// roster, Return or Space confirm. A quit key confirms as well and, by the
// wrap, lands on the last fighter.
//
// run() is the whole screen; its steps are public so a test can play it
// frame by frame with scripted keys.
class char_select {
public:
    enum {
        ROSTER_SIZE = 4,
        BUILD_UP_FRAMES = 32,
        BUILD_UP_ALPHA = 24,
        GHOSTS = 4,
        GHOST_ALPHA = 128,
        GHOST_RADIUS = 40,
        PICTURE_MARGIN = 40,
        PHASE_STEP = 8,
        FULL_TURN = 360,
        FADE_STEP = 8,
    };

    char_select(img_mgr* wallpaper, img_mgr* const pictures[ROSTER_SIZE], int rate);

    // Returns the chosen roster index, 0..3.
    int run();

    // The faint wallpaper builds up over whatever the screen shows.
    void build_up();
    // One frame of the choice; true once a fighter is confirmed.
    bool frame();
    void fade_out();

    int cursor() const { return input.cursor; }
    int phase() const { return turn; }
    int poll_period() const { return period; }

private:
    void draw_wallpaper();
    void draw_picture(img_mgr& picture);

    img_mgr* wallpaper;
    img_mgr* pictures[ROSTER_SIZE];
    double wallpaper_zoom;
    FPSmanager pacing;
    TXT_MGR prompt;
    menu_poll input;
    int period;
    int turn;
};

#endif
