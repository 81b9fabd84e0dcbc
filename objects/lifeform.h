#ifndef OBJECTS_LIFEFORM_H
#define OBJECTS_LIFEFORM_H

#include <SDL/SDL.h>

#include <vector>

#include "anim/colour_swap.h"
#include "anim/shown_pictures.h"
#include "gfx/img_mgr.h"
#include "config/name_list.h"
#include "input/combo.h"
#include "input/controller.h"

class Anim_Mgr;
class anim_group;
class ag_stack;
class animation;
class definition_index;
class state_buffer;
class state_reader;
class state_writer;

// Everything in play is a lifeform: both fighters and every projectile. It
// holds the still pictures and the moves, position and speeds, facing and
// team, and the per-frame steps the match runs: think, move_step, show
// and the contact test. What it shows in a frame is kept for draw(), which
// only paints it.
class lifeform {
public:
    // `state`
    enum { STATE_NEUTRAL = 0, STATE_BLOCKING = 1, STATE_HIT = 2, STATE_KNOCKED_OUT = 3, STATE_ATTACKING = 4 };
    // `show_state`: which still picture is shown.
    enum {
        SHOW_STANDING = 0,
        SHOW_JUMPING = 1,
        SHOW_CROUCHING = 2,
        SHOW_READY = 3,
        SHOW_ATTACKING = 4,
        SHOW_VICTORY = 5,
        SHOW_BLOCKING_AIR = 6,
        SHOW_BLOCKING_STANDING = 7,
        SHOW_BLOCKING_CROUCHING = 8,
        SHOW_KNOCKED_OUT = 9
    };
    // `move_phase`
    enum { PHASE_NONE = -1, PHASE_FLIGHT = 0, PHASE_MOVE = 1, PHASE_RUSH_RIGHT = 3, PHASE_RUSH_LEFT = 4 };
    // `kind`: a fighter is 0; anything else moves four times as far.
    enum { BODY_FIGHTER = 0, BODY_PROJECTILE = 3 };

    lifeform();
    // Frees the moves (and with them the animation definitions the loader
    // adopted into them), the running list, the combos, the recoloured
    // copies of the still pictures, and a projectile's own controller and
    // flight move. Pictures from Image_Manager stay in the cache.
    ~lifeform();

    // Reads a fighter file (set `controls` and `colour_swaps` first).
    void load(const char* path);

    int is_alive() const { return life >= 0; }
    // Hands position, facing, target and weights to the controller, runs it
    // and takes the inputs back into move_x and move_y; a computer source
    // runs `computer`.
    void think(controller::computer_step computer);
    void move_step(int steps);
    // The frame's picture: shadow, then the move (one tick: its frames end,
    // fire and turn) or the still picture, kept for draw().
    void show();
    // Shows nothing this frame (a projectile that is gone).
    void hide();
    // Paints what show() chose, and before it what the ghosts showed.
    void draw_ghosts() const;
    void draw() const;
    // 1 when the pictures drawn last by the two objects touch.
    int overlaps(const lifeform& other) const;
    // Where on screen the contact test places this object's visible pixels;
    // false before it was first drawn.
    bool hit_box(img_box* box) const;
    // Drops the running move; the still picture shows again.
    void stop_moves();

    // Shows the object as show() would at this moment (shadow, the running
    // move's current frames or the still picture), as a ghost painted before
    // it, but advances nothing: no record counts down, so no frame ends,
    // fires or turns, and the hit-freeze is left for show(). The dizzy
    // ghosts and the rush afterimages are such extra pictures.
    void show_ghost();
    // The rush afterimage: a ghost of the running move at x + x_offset
    // with the given opacity. Shows nothing when no move runs. x and alpha
    // are restored afterwards.
    void show_afterimage(int x_offset, Uint8 opacity);

    // Helpers for the match.
    int move_count() const { return (int)moves.size(); }
    // The fighter defines move `index` and it has frames to play (a move
    // whose animation file is missing starts nothing).
    int has_move(int index) const;
    // The object has a running list and it holds no record (its move ended).
    int move_list_empty() const;
    // The first record of the running move plays move `index`'s definition.
    int is_playing_move(int index) const;
    void set_cpu_weights(int block, int spare, int reach, int jump, int duck, int approach);

    // Everything that decides what the object does next, its running move
    // included; pictures and definitions are named by index. The controller
    // is saved by its owner (the match, or the projectile).
    void save(state_buffer& out, const definition_index& definitions) const;
    void restore(state_buffer& in, const definition_index& definitions);
    // On the floor: y + height is the display height.
    int on_floor() const;
    bool is_projectile() const { return kind == BODY_PROJECTILE; }
    // Walking against the way it faces.
    bool backing_away() const { return (facing == 1 && move_x < 0) || (facing == 0 && move_x > 0); }

    // Named changes the match makes to an object in play.
    void put_on_floor();
    // Facing right (drawn mirrored) or left, at `at_x` on the floor.
    void stand_at(int at_x, bool facing_right);
    void face(bool right) { facing = right ? 1 : 0; }
    // The object in game_objects it aims at.
    void aim_at(int index) { target = (Uint8)index; }
    // Held at the level's edges instead of dying there.
    void stay_in_level() { dies_at_edge = 0; }
    // The inputs are read afresh every frame.
    void clear_steering();
    // Drops the running move and its phase: the still picture shows.
    void drop_move();
    // Shows still picture `picture` (a SHOW_ value).
    void show_still(int picture) { show_state = picture; }
    void end_hit_freeze() { freeze_frames = 0; }
    // Out of play at once: a knock-out, or a projectile gone with the round.
    void end_life() { life = -1; }
    void refill_life() { life = max_life; }
    // Life never below 0 where nothing is knocked out.
    void keep_life_above_zero();
    // The life bar shows the life as it is now, or moves half a point
    // toward it (it catches up over a few frames after a hit).
    void show_life_at_once() { shown_life = life; }
    void catch_up_shown_life();

    std::vector<img_mgr*> images;
    int life;
    int max_life;
    double shown_life;
    int x;
    int y;
    Uint16 height;
    Uint16 width;
    Uint8 freeze_frames;
    double move_x;
    double move_y;
    double drift_x;
    double jump_speed;
    double speed;
    img_box bound_box;  // visible pixels of the first still picture
    Uint8 target;
    Uint8 team;
    Uint8 facing;  // 1 faces right (drawn mirrored)
    Uint8 state;
    std::vector<colour_swap> colour_swaps;
    int show_state;
    Uint8 dies_at_edge;
    Uint8 kind;
    ::controller* controller;
    Uint16 source_cursor;
    std::vector<anim_group*> moves;
    ag_stack* anim_stack;
    int move_phase;
    Uint8 alpha;
    img_mgr* image;  // shown last: contact tests and the shadow use it
    // Where `image` came from, so that a saved state can name it: frame
    // `image_frame` of `image_def`, or still picture `image_still`.
    const Anim_Mgr* image_def;
    int image_frame;
    int image_still;
    double scale;
    std::vector<combo>* combos;
    int cpu_weights[CPU_WEIGHT_COUNT];  // indexed by cpu_weight
    const name_list<control>* controls;  // binds combo steps while loading

    // Owned by this object and freed with it (see the destructor).
    std::vector<img_mgr*> own_pictures;  // recoloured still pictures
    anim_group* flight;  // a projectile's copy of its shooter's flight move
    ::controller* own_controller;

private:
    lifeform(const lifeform&);
    lifeform& operator=(const lifeform&);

    struct margins {
        int left;
        int right;
    };

    // A fighter without pictures would report it on every frame it is shown.
    bool no_images_told;
    // This frame's pictures: the ghosts', then from body_start show()'s.
    // The first show after show() starts the next frame's list.
    shown_pictures shown;
    size_t body_start;
    bool body_shown;

    margins side_margins() const;
    int floor_y() const;
    void clamp_dying();
    void clamp_holding();

    // show() when `advancing`, show_ghost() otherwise.
    void show_pictures(bool advancing);
    void start_frame_if_shown();
    bool move_running() const;
    void show_shadow();
    // Plays one tick of every running record; ends the move when one ends.
    void play_move();
    int play_record(animation& record);
    // Shows a record's current frame as this object, without ticking it.
    void show_record(const animation& record);
    void end_move();
    int off_screen();
    void show_still_picture();
    void show_picture(int still);
    template <class Archive, class Self>
    static void fields(Archive&& archive, Self& self, const definition_index& definitions);
    // The picture drawn last, by where it came from.
    void picture_field(state_writer& archive, const definition_index& definitions) const;
    void picture_field(state_reader& archive, const definition_index& definitions);
    // The running move's records.
    void running_move_field(state_writer& archive, const definition_index& definitions) const;
    void running_move_field(state_reader& archive, const definition_index& definitions);
};

#endif
