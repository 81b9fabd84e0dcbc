#ifndef SHELL_MATCH_H
#define SHELL_MATCH_H

#include <string>

#include "shell/hud.h"
#include "shell/match_request.h"
#include "shell/object_update.h"

class camera;
class controller;
class fighter_lifeform;
class level;
class match_assets;
class control;
template <class T>
class name_list;

// One series of rounds between two fighters on the road stage. The series
// owns the level, the two fighters with their controllers and every
// projectile; all of them are gone when run() returns.
//
// run() is the whole series; the steps it is made of are public too, so a
// test can drive a series frame by frame with scripted keys and clock.
class match {
public:
    match(const match_request& request, const match_assets& assets);
    // Ends the series if the owner did not.
    ~match();

    void run();
    // The series' rounds up to its end, all but the clearing away, so that
    // the caller can still read how it ended.
    void play_rounds();

    // The name a fighter file plays under, from the start of its file name.
    static std::string fighter_name(const std::string& path);

    void set_up();
    void start_round();
    void frame();
    // Counts the round's wins and readies the next round; true when the
    // series is over.
    bool end_round();
    void end_series();

    bool round_done() const { return round_is_done; }
    bool series_running() const { return running; }
    int round_over_count() const { return round_over_frames; }
    int round_limit() const { return over_limit; }
    int beaten() const { return opponents_beaten; }
    const hud& display() const { return display_elements; }
    // The left fighter is game_objects[0], the right one game_objects[1];
    // null outside a series.
    fighter_lifeform* left() const;
    fighter_lifeform* right() const;

private:
    match(const match&);
    match& operator=(const match&);

    const char* fighter_file(int choice) const;
    fighter_lifeform* load_fighter(int choice, const name_list<control>* controls, bool recoloured) const;
    void load_fighters();
    void build_controllers();
    void place_fighter(fighter_lifeform& fighter, int side);
    void place_fighters();
    void print_sizes() const;
    void read_quit_inputs();
    void check_knock_outs();
    void knock_out(fighter_lifeform& fighter, const char* text);
    static void lay_down(fighter_lifeform& fighter);
    static void add_wins(fighter_lifeform& fighter, int count);
    void play_effects();
    void reset_for_next_round();
    bool end_survival_round();
    void bring_next_opponent();
    void show_opponents_beaten() const;

    match_request request;
    const match_assets& assets;
    hud display_elements;
    object_update updater;
    level* stage;
    camera* view;
    controller* controllers;  // [0] drives the right fighter, [1] the left
    bool running;
    bool round_is_done;
    int round_over_frames;
    int over_limit;
    // Escape or the window's close: the series ends whatever the mode.
    bool left_by_player;
    // Survival: the roster index of the opponent now playing, and how many
    // went down before it.
    int opponent_choice;
    int opponents_beaten;
};

// The screen flow's one call: runs a whole series and returns to the menu.
void run_match_series(const match_request& request, const match_assets& assets);

#endif
