#ifndef SHELL_MENU_LIST_H
#define SHELL_MENU_LIST_H

#include <SDL/SDL_framerate.h>

#include "gfx/tile_step.h"
#include "shell/menu_entries.h"
#include "shell/menu_poll.h"

class TXT_MGR;
class img_mgr;

// A centred column of text entries over the scrolling tile: the option
// screen. Up and Down move the cursor (wrapping), Return or Space choose,
// a quit key leaves with the cursor on the last entry.
//
// run() is the whole screen; its steps are public so a test can play it
// frame by frame with scripted keys.
class menu_list {
public:
    enum { ENTRY_FIELD = 32, FIRST_ROW_Y = 200, ROW_OVERLAP = 10, SCROLL_STEPS = TILE_STEP_X + 1 };

    // entries: `count` texts of ENTRY_FIELD bytes each, one after the other.
    menu_list(const char (*entries)[ENTRY_FIELD], int count, img_mgr* tile, TXT_MGR* face, int rate);

    // Returns the index of the entry under the cursor when the list was left.
    int run();
    // One frame; true once an entry is chosen.
    bool frame();

    int cursor() const { return input.cursor; }
    // Opens on this entry instead of the first: coming back from a page the
    // player chose, the cursor stays there.
    void place_cursor(int entry);

private:
    void draw_entries();

    img_mgr* tile;
    TXT_MGR* face;
    menu_entries pictures;
    FPSmanager pacing;
    menu_poll input;
    int scroll;
};

// The scrolling background of the menus: a tile pattern that drifts left
// and up by one step a frame.
void draw_menu_backdrop(img_mgr& tile, int scroll);

#endif
