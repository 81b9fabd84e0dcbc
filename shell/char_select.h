#ifndef SHELL_CHAR_SELECT_H
#define SHELL_CHAR_SELECT_H

#include <SDL/SDL_framerate.h>

#include "gfx/txt_mgr.h"
#include "shell/menu_poll.h"
#include "shell/roster.h"

class img_mgr;

// The character selection: one fighter's picture at a time, circled by four
// faint copies of itself, over the wallpaper. The first player steps through
// the roster with Left and Right and confirms with Return or Space; the
// second player, choosing in versus, with a and d, Tab or z. The first
// joystick drives both. A quit key leaves without a choice.
//
// run() is the whole screen; its steps are public so a test can play it
// frame by frame with scripted keys.
class char_select {
public:
    enum {
        BUILD_UP_FRAMES = 32,
        BUILD_UP_ALPHA = 24,
        GHOSTS = 4,
        GHOST_ALPHA = 128,
        GHOST_RADIUS = 40,
        PICTURE_MARGIN = 40,
        PHASE_STEP = 8,
        FULL_TURN = 360,
        FADE_STEP = 8,
        NO_CHOICE = -1,
    };
    // Who chooses: the training's dummy is chosen by the first player, with
    // the first player's keys.
    enum { FIRST_PLAYER = 1, SECOND_PLAYER = 2, TRAINING_DUMMY = 3 };

    // `player` FIRST_PLAYER, SECOND_PLAYER or TRAINING_DUMMY: whose keys
    // choose and what the prompt asks for.
    char_select(img_mgr* wallpaper, img_mgr* const pictures[ROSTER_SIZE], int rate, int player);

    // Returns the chosen roster index, 0..3, or NO_CHOICE when the player
    // quit.
    int run();

    // The faint wallpaper builds up over whatever the screen shows.
    void build_up();
    // One frame of the choice; true once a fighter is confirmed.
    bool frame();
    void fade_out();

    int cursor() const { return input.cursor; }
    int phase() const { return turn; }
    const char* prompt_text() const { return prompt_line; }

private:
    void draw_wallpaper();
    void draw_picture(img_mgr& picture);

    img_mgr* wallpaper;
    img_mgr* pictures[ROSTER_SIZE];
    double wallpaper_zoom;
    FPSmanager pacing;
    TXT_MGR prompt;
    menu_poll input;
    const char* prompt_line;
    int player;
    int turn;
};

#endif
