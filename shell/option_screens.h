#ifndef SHELL_OPTION_SCREENS_H
#define SHELL_OPTION_SCREENS_H

#include <string>
#include <vector>

#include "shell/option_page.h"

class TXT_MGR;
class img_mgr;
class user_settings;

// The option screen behind the main menu's "options": its list, and behind
// each entry a page of choices that take effect at once (the volumes, the
// keys, the screen size and full screen where SDL can set them) or at the
// next start (the renderer, the frame rate), as the page says. Leaving a
// page writes the settings file.
//
// run() is the whole screen; a page can also be opened and played frame by
// frame, for tests.
class option_screens {
public:
    enum page_kind { GAME_PAGE, PLAYER_1_PAGE, PLAYER_2_PAGE, VIDEO_PAGE, CHEATS_PAGE, PAGE_KINDS };

    option_screens(img_mgr* tile, TXT_MGR* face, TXT_MGR* note_face, int rate, user_settings& chosen);
    ~option_screens();

    // The option list and its pages, until "Back to Main Menu" or a quit key.
    void run();

    void open(int kind);
    // One frame of the open page; false once the player has left it (the
    // settings are then written).
    bool frame();
    const option_page* shown_page() const { return page; }

    // The screen sizes offered: what SDL lists for the display and the
    // common ones, smallest first.
    static std::vector<std::string> screen_sizes(int width, int height);

private:
    option_screens(const option_screens&);
    option_screens& operator=(const option_screens&);

    std::vector<option_entry> entries_of_page() const;
    std::vector<option_entry> game_entries() const;
    std::vector<option_entry> control_entries() const;
    std::vector<option_entry> video_entries() const;
    std::vector<option_entry> cheat_entries() const;
    // The page's values back into the settings, applied where they act now.
    void take_game_choices();
    void take_video_choices();
    void take_cheat_choices();
    void act_on_choice();
    void act_on_key();
    void apply_screen_choices(int old_width, int old_height, int old_fullscreen);
    std::string video_note() const;
    int player() const { return kind == PLAYER_2_PAGE ? 2 : 1; }

    img_mgr* tile;
    TXT_MGR* face;
    TXT_MGR* note_face;
    int rate;
    user_settings& chosen;
    option_page* page;
    int kind;
    std::string size_note;
    // What the running game was started with: renderer and rate change
    // only at the next start.
    int started_hwaccel;
    int started_fps;
};

#endif
