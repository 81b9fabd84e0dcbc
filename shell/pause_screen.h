#ifndef SHELL_PAUSE_SCREEN_H
#define SHELL_PAUSE_SCREEN_H

#include "shell/menu_entries.h"
#include "shell/still_frame.h"

class TXT_MGR;
class img_mgr;
class pause_menu;

// The paused match as the player sees it: the last picture of play,
// darkened, "Paused" over it and the pause list in the menus' face, the row
// under the cursor marked as the menus mark it.
class pause_screen {
public:
    enum { SHADE_ALPHA = 160, TITLE_ROW_DIVISOR = 4, TITLE_GAP = 16, ROW_GAP = 4 };

    pause_screen();
    ~pause_screen();

    // Renders the title and the rows once for the series.
    void build();
    void release();
    // Keeps the frame drawn so far; before the flip.
    void keep_picture() { still.take(); }
    void draw(const pause_menu& menu, int dummy_mode) const;

private:
    pause_screen(const pause_screen&);
    pause_screen& operator=(const pause_screen&);

    int entry_of(const pause_menu& menu, int row, int dummy_mode) const;
    void shade() const;

    TXT_MGR* title_face;
    TXT_MGR* entry_face;
    img_mgr* title;
    menu_entries entries;
    still_frame still;
};

#endif
