#include "input/control_maps.h"

#include <string>
#include <vector>

control_map* p1_controls = nullptr;
control_map* p2_controls = nullptr;

namespace {

const int NONE = key_req::NO_ALTERNATE;
const key_layout default_layouts[] = {
    {"p1", SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_i, SDLK_SPACE, SDLK_k, NONE},
    {"p2", SDLK_w, SDLK_s, SDLK_a, SDLK_d, SDLK_TAB, NONE, SDLK_z, NONE},
};

// The layouts in force: the defaults until a player rebinds a key.
key_layout layouts[] = {default_layouts[0], default_layouts[1]};

int layout_index(int player) { return player == 2 ? 1 : 0; }

// The map names, in the order each layout's first controls are built.
const char* const map_names[] = {"up", "noup", "down", "left", "right", "punch", "kick", "noleft", "noright"};
const int MAPPED_CONTROLS = sizeof(map_names) / sizeof(map_names[0]);

// Every control of both layouts; the maps point into it, so it is filled
// completely before any map is made and never grows afterwards.
std::vector<control>* built_controls = nullptr;

control single_key(const key_layout& layout, const char* suffix, int alternate, int key, Uint8 state,
                   int twin = NONE) {
    control made((std::string(layout.prefix) + "_" + suffix).c_str());
    made.add_key(alternate, key, state, twin);
    return made;
}

// Left and right swap their keys when the tracker mirrors, so that "left"
// always points toward the opponent.
void build_layout(const key_layout& keys, std::vector<control>* controls) {
    controls->push_back(single_key(keys, "up", NONE, keys.up, 1));
    controls->push_back(single_key(keys, "noup", NONE, keys.up, 0));
    controls->push_back(single_key(keys, "down", NONE, keys.down, 1));
    controls->push_back(single_key(keys, "left", keys.right, keys.left, 1));
    controls->push_back(single_key(keys, "right", keys.left, keys.right, 1));
    controls->push_back(single_key(keys, "punch", NONE, keys.punch, 1, keys.punch_twin));
    controls->push_back(single_key(keys, "kick", NONE, keys.kick, 1, keys.kick_twin));
    controls->push_back(single_key(keys, "noleft", keys.right, keys.left, 0));
    controls->push_back(single_key(keys, "noright", keys.left, keys.right, 0));
    // Built and named, but in no map.
    controls->push_back(single_key(keys, "up2", NONE, keys.up, 1));
    control down_left = single_key(keys, "downleft", NONE, keys.down, 1);
    down_left.add_key(keys.right, keys.left, 1);
    controls->push_back(down_left);
}

control_map* build_map(std::vector<control>* controls, int first) {
    control_map* map = new control_map;
    for (int entry = 0; entry < MAPPED_CONTROLS; entry++) map->append(map_names[entry], &(*controls)[first + entry]);
    return map;
}

}  // namespace

void build_control_maps() {
    if (built_controls) return;
    built_controls = new std::vector<control>;
    build_layout(keys_of_player(1), built_controls);
    const int p2_first = (int)built_controls->size();
    build_layout(keys_of_player(2), built_controls);
    p1_controls = build_map(built_controls, 0);
    p2_controls = build_map(built_controls, p2_first);
}

void release_control_maps() {
    delete p1_controls;
    delete p2_controls;
    delete built_controls;
    p1_controls = nullptr;
    p2_controls = nullptr;
    built_controls = nullptr;
}

const key_layout& keys_of_player(int player) { return layouts[layout_index(player)]; }

const key_layout& default_keys_of_player(int player) { return default_layouts[layout_index(player)]; }

void set_keys_of_player(int player, const key_layout& keys) {
    key_layout& changed = layouts[layout_index(player)];
    // The prefix names the player's controls ("p1_left"): it stays.
    const char* const prefix = changed.prefix;
    changed = keys;
    changed.prefix = prefix;
    if (!built_controls) return;
    release_control_maps();
    build_control_maps();
}

const control* find_control(const control_map* map, const char* name) { return map ? map->find(name) : nullptr; }

const control* control_named(const char* own_name) {
    if (!built_controls || !own_name) return nullptr;
    for (const control& built : *built_controls) {
        if (built.name == own_name) return &built;
    }
    return nullptr;
}
