#ifndef SHELL_SCREEN_FLOW_H
#define SHELL_SCREEN_FLOW_H

#include <SDL/SDL_framerate.h>
#include <SDL/SDL_mixer.h>

#include <string>
#include <vector>

#include "shell/main_menu.h"
#include "shell/match_assets.h"
#include "shell/match_request.h"
#include "shell/roster.h"

class img_mgr;
class series_run;
class startup;
class user_settings;

// The game from the first picture to the last: the logo fading in with the
// intro music while everything the menus and matches need is loaded, the
// main menu, the character selections and matches it leads to, and the
// release of everything when the player quits.
//
// Built before start-up and destroyed after the shut-down, so that the music
// is let go only once the shut-down has faded it out.
class screen_flow {
public:
    enum { LOGO_FADE_IN_STEP = 4, LOGO_FADE_OUT_STEP = 8 };

    screen_flow();
    // Frees the music.
    ~screen_flow();

    // From the logo to the player's quit; everything but the music is
    // released on return. Each series is played through `series`, which
    // records it when asked.
    void run(startup& boot, series_run& series);
    // A series named on the command line needs no logo and no menus: only
    // the match music and the match assets are loaded.
    void prepare_series(startup& boot);
    // A request with the roster, the pacing and the frame rate; the mode
    // and the fighters are the caller's.
    match_request series_request() const;

    // The steps of run(), public so tests can play them.
    void show_logo(FPSmanager* pacing, int menu_rate, int fps);
    void preload();
    void hide_logo();
    // Music and character selections of the entry's mode; the series it
    // hands to the match.
    match_request plan_series(int entry);
    // Arcade climbs a ladder of series; every other mode is one series.
    void play(const match_request& request, series_run& series);
    // A roster index by the fighter's name, in any case; -1 for none.
    static int roster_choice(const std::string& name);
    // "lunet" for 0: the name the command line and replay files use.
    static std::string roster_name(int choice);
    // The roster's pictures as player 1's or player 2's selection shows them.
    img_mgr* const* selection_pictures(int player) const;
    void release();

    main_menu menu;
    match_assets assets;

private:
    screen_flow(const screen_flow&);
    screen_flow& operator=(const screen_flow&);

    void load_music();
    void load_roster();
    void list_fighter_files();
    void take_pacing(startup& boot);
    void draw_logo(int alpha);
    int choose_character(int player);
    void free_music();

    FPSmanager* pacing;
    int menu_rate;
    int fps;
    img_mgr* logo;
    double logo_zoom;
    Mix_Music* intro_music;
    Mix_Music* menu_music;
    Mix_Music* match_music;
    Mix_Music* selection_music;
    img_mgr* roster_pictures[ROSTER_SIZE];
    img_mgr* recoloured_pictures[ROSTER_SIZE];  // in the first player's colours
    img_mgr* wallpaper;
    std::vector<std::string> fighter_files;
    // The player's choices a series is played with; none before run().
    const user_settings* settings_in_use;
};

#endif
