#ifndef INPUT_CONTROL_MAPS_H
#define INPUT_CONTROL_MAPS_H

#include "config/name_list.h"
#include "input/control.h"

// A control map: the names fighter files spell their combos with ("up",
// "noup", "down", "left", "right", "punch", "kick", "noleft", "noright")
// bound to one player's controls.
typedef name_list<control> control_map;

// One player's keys, by SDL key code. A twin is a second key that does the
// same in play (the first player punches with Space as with i), so it
// counts as that step of a combo too; key_req::NO_ALTERNATE when none.
struct key_layout {
    const char* prefix;
    int up;
    int down;
    int left;
    int right;
    int punch;
    int punch_twin;
    int kick;
    int kick_twin;
};

// The keys of player 1 (the right fighter) or player 2 (the left one).
const key_layout& keys_of_player(int player);
// The layout a player starts with before any rebinding.
const key_layout& default_keys_of_player(int player);
// Gives a player new keys; built control maps are built again from them, so
// fighters loaded afterwards spell their combos in the new keys. Only
// between series: a fighter in play holds its map's controls.
void set_keys_of_player(int player, const key_layout& keys);

// The fixed key layouts: p1 is the right fighter (arrows, i, k), p2 the left
// one (w, a, s, d, Tab, z). Built once before the first match and released
// at quit; null outside that time.
extern control_map* p1_controls;
extern control_map* p2_controls;

// Building twice keeps the first maps.
void build_control_maps();
void release_control_maps();

// The control a map holds under that name, or null (also for a null map).
const control* find_control(const control_map* map, const char* name);
// Any control built, by its own name ("p1_left", "p2_downleft"), including
// the four that are in no map; null when unknown or not built.
const control* control_named(const char* own_name);

#endif
