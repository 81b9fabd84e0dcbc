#ifndef SHELL_MAIN_MENU_H
#define SHELL_MAIN_MENU_H

#include <SDL/SDL_framerate.h>
#include <SDL/SDL_mixer.h>

#include "shell/menu_entries.h"
#include "shell/menu_list.h"
#include "shell/menu_poll.h"

class Anim_Mgr;
class TXT_MGR;
class img_mgr;
class static_scene;
class user_settings;

// What a main-menu entry starts: the match mode, the round wins it asks
// for, how many character selections come first and whether the selection
// music plays.
struct menu_mode {
    int mode;
    int reqwins;
    int selections;
    bool selection_music;
};

// The main menu: the scrolling tile, the dark logo, the title, the seven
// entries and the credit lines; its entry animation, its frames with the
// menu music, the option screen behind "options", and the exit transition in
// which the logo grows past the screen.
//
// run() is the whole menu; its steps are public so a test can play it frame
// by frame with scripted keys.
class main_menu {
public:
    enum {
        ENTRIES = 7,
        ENTRY_FIELD = 9,
        OPTIONS_ENTRY = 5,
        QUIT_ENTRY = 6,
        OPTION_ENTRIES = 6,
        SCROLL_STEPS = menu_list::SCROLL_STEPS,
        ENTRY_ANIMATION_STEP = 8,
        EXIT_FRAMES = 255,
        EXIT_MENU_FRAMES = 100,
        ENTRY_TOP = 200,
        ENTRY_SPACING = 50,
        ENTRY_HALF_WIDTH = 100,
        HIGHLIGHT_SHIFT = 32,
        TITLE_HALF_WIDTH = 183,
        TITLE_TOP = 75,
        CREDIT_ROW = 22,
        CREDIT_LINES = 2,
        FULL_HEIGHT = 480,
        MIN_ENTRY_FACE = 6,
    };
    static const char entry_texts[ENTRIES][ENTRY_FIELD];
    static const char option_texts[OPTION_ENTRIES][menu_list::ENTRY_FIELD];

    main_menu();
    ~main_menu();

    // Behind the logo: the tile, the three faces, the credit lines, the dark
    // logo, the title and the entry pictures.
    void load(FPSmanager* pacing, int rate, Mix_Music* loop_music);
    // After the logo has gone: uploads, the fixed scene, the entry spacing.
    void prepare();
    void release();

    // Shows the menu until an entry other than "options" is chosen, then
    // plays the exit transition; returns the chosen entry.
    int run();
    bool quit_requested() const { return input.quit_requested; }

    // The mode an entry starts; null for "options" and "quit".
    static const menu_mode* mode_for(int entry);

    void enter();
    void entry_animation();
    // One menu frame; true once an entry is chosen.
    bool frame();
    void show_options();
    void exit_transition();

    int cursor() const { return input.cursor; }
    int scroll_step() const { return scroll; }
    int first_entry_top() const { return entry_top; }
    int entry_rows() const { return entry_spacing; }
    int entry_height() const;
    // Where credit line 0 or 1 starts.
    int credit_top(int line) const;

    // What the option screen changes and saves; set by the screen flow.
    user_settings* player_settings;

private:
    main_menu(const main_menu&);
    main_menu& operator=(const main_menu&);

    void load_faces();
    void build_scene();
    void advance_scroll();
    void fit_entries();
    // Even entries at even_x, odd ones at odd_x; the highlighted one 32
    // pixels further left.
    void draw_entries_at(int highlighted_entry, int even_x, int odd_x);
    void draw_credits(int x);
    void draw_growing_logo(int step);

    FPSmanager* pacing;
    int rate;
    Mix_Music* loop_music;
    img_mgr* tile;
    img_mgr* dark_logo;
    img_mgr* title;
    img_mgr* credit_lines[2];
    TXT_MGR* title_face;
    TXT_MGR* entry_face;
    TXT_MGR* credit_face;
    menu_entries entries;
    Anim_Mgr* scene_pictures[4];
    static_scene* scene;
    menu_poll input;
    int scroll;
    // Where the first entry stands, and rows from one entry to the next:
    // ENTRY_TOP and ENTRY_SPACING where they fit.
    int entry_top;
    int entry_spacing;
};

#endif
