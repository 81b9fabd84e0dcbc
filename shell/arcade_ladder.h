#ifndef SHELL_ARCADE_LADDER_H
#define SHELL_ARCADE_LADDER_H

#include <SDL/SDL.h>

#include <string>
#include <vector>

#include "shell/match_request.h"

class img_mgr;
class match_assets;
class series_run;

// The pictures the ladder's screens show; the screen flow owns them.
struct ladder_art {
    img_mgr* wallpaper;
    img_mgr* const* portraits;         // each fighter of the roster in its own colours
    img_mgr* const* player_portraits;  // the same in the first player's colours
    int portrait_count;
};

// Arcade: the player's fighter meets every other fighter of the roster in
// turn, a series each, in an order drawn when the ladder starts. Between two
// series "Next: NAME" shows who comes. A lost series ends the ladder with
// how far the player came; the last series won ends it with the player's
// fighter's ending. Escape or the window's close, in a series or on one of
// these screens, go straight back to the menu.
//
// run() is the whole ladder; the deciding steps are public so a test can
// play a ladder with the outcomes it chooses.
class arcade_ladder {
public:
    enum { NEXT_TENTHS = 25, DEFEAT_TENTHS = 30, ENDING_TENTHS = 50 };

    // Each series goes through `runner`, which records it when asked to.
    arcade_ladder(const match_request& request, const match_assets& assets, const ladder_art& art, series_run& runner);

    void run();

    // Every fighter of `fighters` but `player`, in an order drawn from
    // `seed`; the player's own fighter alone when there is no other.
    static std::vector<int> draw_order(int player, int fighters, Uint32 seed);

    // The series against the next opponent.
    match_request next_series() const;
    // What that series came to: the side that won it (a hud seat, -1 for
    // none), or a player leaving it.
    void series_ended(int winner_side, bool left_by_player);
    bool over() const { return leaving || lost || won(); }
    bool won() const { return beaten_count == (int)order.size(); }
    bool left() const { return leaving; }
    int beaten() const { return beaten_count; }
    const std::vector<int>& opponents() const { return order; }

private:
    std::string name_of(int choice) const;
    img_mgr* portrait(img_mgr* const* pictures, int choice) const;
    bool show_next();
    void show_end();

    match_request series;
    const match_assets& assets;
    series_run& runner;
    ladder_art art;
    std::vector<int> order;
    int beaten_count;
    bool lost;
    bool leaving;
};

#endif
