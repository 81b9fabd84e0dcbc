#ifndef SHELL_MATCH_H
#define SHELL_MATCH_H

#include <string>
#include <vector>

#include "anim/definition_index.h"
#include "anim/shown_pictures.h"
#include "config/state_buffer.h"
#include "input/frame_input.h"

#include "shell/cheats.h"
#include "shell/hud.h"
#include "shell/match_request.h"
#include "shell/object_update.h"
#include "shell/pause_menu.h"
#include "shell/pause_screen.h"
#include "shell/round_timer.h"
#include "shell/training_session.h"
#include "shell/sync_test.h"
#include "shell/round_intro.h"

class anim_group;
class camera;
class controller;
class fighter_lifeform;
class level;
class match_assets;
class state_reader;
class state_writer;
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
    // Plays the round's introduction first: see round_intro.
    void start_round();
    // One frame as the player sees it: inputs (live or fed), the step,
    // then, while the screen is painting, the frame drawn and shown at the
    // frame rate.
    void frame();
    // The match advanced by one frame from that frame's inputs. Draws
    // nothing: the state moves alike whether the frame is seen or not.
    void step(const frame_input& inputs);
    // Paints the frame the last step left: stage, display, fighters,
    // projectiles and sparks. Changes nothing of the match's state.
    void draw() const;
    const sync_test& sync_check() const { return checker; }
    // Counts the round's wins and readies the next round; true when the
    // series is over.
    bool end_round();
    // The winner's screen of a series that was played to its end.
    void show_victory();
    void end_series();

    // Over the saved state of the match: equal states, equal sums.
    Uint64 checksum() const;
    // The inputs of every frame stepped in this series, in order.
    const std::vector<frame_input>& inputs_played() const { return played; }
    // From now on each frame takes its inputs from `inputs` (kept by the
    // caller) instead of the platform; when they run out the series ends.
    // Null goes back to live play.
    void feed_inputs(const std::vector<frame_input>* inputs);
    Uint32 series_seed() const { return seed; }
    // The whole state of the running series as bytes, and back. A restore
    // from bytes that are not a state of this series returns false and
    // leaves the match in no state to trust.
    void save_state(state_buffer& out) const;
    bool restore_state(state_buffer& in);

    bool round_done() const { return round_is_done; }
    bool series_running() const { return running; }
    int round_over_count() const { return round_over_frames; }
    int round_limit() const { return over_limit; }
    int beaten() const { return opponents_beaten; }
    const round_intro& introduction() const { return intro; }
    // The side (hud seat) that won the series; -1 while it runs, for a draw
    // and when a player left it with Escape or the window's close.
    int winner() const { return winning_side; }
    bool left_by_a_player() const { return left_by_player; }
    const hud& display() const { return display_elements; }
    bool paused() const { return pause.paused(); }
    const pause_menu& pause_list() const { return pause; }
    const round_timer& timer() const { return clock; }
    training_session& training_record() { return training; }
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
    void stand_at_start(fighter_lifeform& fighter, int side) const;
    void ready_for_round(fighter_lifeform& fighter, int side, bool full_life);
    void end_projectiles();
    void show_introduction();
    void play();
    void run_object(size_t index, bool projectile_alive);
    void draw_object(size_t index) const;
    void celebrate(fighter_lifeform& winner);
    bool count_round();
    int series_winner() const;
    std::string seat_name(int side) const;
    std::string score_line() const;
    void place_fighters();
    void print_sizes() const;
    void read_quit_inputs();
    void apply_quit_inputs();
    void leave_series(fighter_lifeform& given_the_series);
    void paused_frame();
    void open_pause();
    void check_time();
    bool lost_round(const fighter_lifeform& fighter, const fighter_lifeform& opponent) const;
    bool in_training() const { return request.mode == match_request::TRAINING; }
    void seed_dice();
    // This frame's inputs, live or fed; false when the fed ones ran out.
    bool take_inputs(frame_input* inputs);
    // Numbers the definitions a saved state names: the fighters' moves and
    // the sparks. Again whenever a fighter comes or goes.
    void index_definitions();
    // The match's own saved fields and its parts, listed once: save_state()
    // runs the list with a state_writer, restore_state() with a state_reader.
    template <class Archive, class Self>
    static void fields(Archive&& archive, Self& self);
    // The fighter posing for its won round, by its side.
    void celebrating_field(state_writer& archive) const;
    void celebrating_field(state_reader& archive);
    void save_spark(state_buffer& out, const anim_group& spark) const;
    void restore_object(state_buffer& in, size_t index);
    void restore_spark(state_buffer& in);
    void check_knock_outs();
    void knock_out(fighter_lifeform& fighter, const char* text);
    static void lay_down(fighter_lifeform& fighter);
    static void add_wins(fighter_lifeform& fighter, int count);
    void play_effects();
    void reset_for_next_round();
    bool end_survival_round();
    void bring_next_opponent();
    void show_opponents_beaten();

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
    round_intro intro;
    // The last step introduced the round: its frame shows the fighters
    // posed and the intro's line, nothing of the fighting.
    bool introducing;
    int rounds_started;
    // The winner of the round showing its victory after the knock-out.
    fighter_lifeform* celebrating;
    int winning_side;
    // Survival: the roster index of the opponent now playing, and how many
    // went down before it.
    int opponent_choice;
    int opponents_beaten;
    cheats cheat_rules;
    pause_menu pause;
    pause_screen pause_view;
    round_timer clock;
    training_session training;
    Uint32 seed;
    std::vector<frame_input> played;
    const std::vector<frame_input>* fed;
    definition_index definitions;
    // The sparks' pictures of the last step.
    shown_pictures spark_pictures;
    mutable state_buffer checksum_bytes;
    sync_test checker;
};

// The screen flow's one call: runs a whole series and returns to the menu.
void run_match_series(const match_request& request, const match_assets& assets);

#endif
