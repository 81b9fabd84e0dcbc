#include "input/key_rebinding.h"

#include <SDL/SDL.h>

#include <vector>

#include "input/input_code.h"

namespace {

const char* const SLOT_NAMES[key_rebinding::SLOTS] = {"Up", "Down", "Left", "Right", "Punch", "Kick"};

int* slot_field(key_layout& layout, int which) {
    int* const fields[key_rebinding::SLOTS] = {&layout.up,    &layout.down,  &layout.left,
                                               &layout.right, &layout.punch, &layout.kick};
    return which >= 0 && which < key_rebinding::SLOTS ? fields[which] : nullptr;
}

// The second key a slot may have (the first player punches with Space too).
int twin_in(const key_layout& layout, int which) {
    if (which == key_rebinding::PUNCH) return layout.punch_twin;
    if (which == key_rebinding::KICK) return layout.kick_twin;
    return key_req::NO_ALTERNATE;
}

bool is_key(int key) { return input_code::is_code(key); }

// Every (slot, key) a layout uses, twins included.
struct used_key {
    int which;
    int key;
};

std::vector<used_key> keys_used(const key_layout& layout) {
    std::vector<used_key> used;
    for (int which = 0; which < key_rebinding::SLOTS; which++) {
        used.push_back({which, key_rebinding::key_in(layout, which)});
        const int twin = twin_in(layout, which);
        if (is_key(twin)) used.push_back({which, twin});
    }
    return used;
}

}  // namespace

const char* key_rebinding::slot_name(int which) {
    return which >= 0 && which < SLOTS ? SLOT_NAMES[which] : "Unknown";
}

int key_rebinding::key_in(const key_layout& layout, int which) {
    int* const field = slot_field(const_cast<key_layout&>(layout), which);
    return field ? *field : key_req::NO_ALTERNATE;
}

void key_rebinding::set_key_in(key_layout& layout, int which, int key) {
    int* const field = slot_field(layout, which);
    if (field) *field = key;
}

std::string key_rebinding::key_name(int key) { return input_code::name(key); }

std::string key_rebinding::holder(int key, int player, int which) {
    for (int owner = 1; owner <= 2; owner++) {
        for (const used_key& each : keys_used(keys_of_player(owner))) {
            if (each.key != key || (owner == player && each.which == which)) continue;
            return "Player " + std::to_string(owner) + "'s " + slot_name(each.which);
        }
    }
    return "";
}

bool key_rebinding::can_bind(int player, int key, std::string* refusal) {
    if (!is_key(key)) {
        *refusal = "That key can't be used";
        return false;
    }
    // Only the first player's source reads the joystick.
    if (player == 2 && input_code::is_joystick(key)) {
        *refusal = "The joystick is Player 1's";
        return false;
    }
    // Escape leaves a match: a fighter can't own it.
    if (key == SDLK_ESCAPE) {
        *refusal = "Escape is kept for leaving a match";
        return false;
    }
    return true;
}

bool key_rebinding::bind(int player, int which, int key, std::string* refusal) {
    if (which < 0 || which >= SLOTS) {
        *refusal = "No such control";
        return false;
    }
    if (!can_bind(player, key, refusal)) return false;
    const std::string owner = holder(key, player, which);
    if (!owner.empty()) {
        *refusal = key_name(key) + " is already " + owner;
        return false;
    }
    key_layout changed = keys_of_player(player);
    set_key_in(changed, which, key);
    set_keys_of_player(player, changed);
    return true;
}

bool key_rebinding::layouts_apart(const key_layout& first, const key_layout& second) {
    const std::vector<used_key> by_player[2] = {keys_used(first), keys_used(second)};
    for (int player = 0; player < 2; player++) {
        for (const used_key& each : by_player[player]) {
            if (!is_key(each.key)) return false;
            for (int other = 0; other < 2; other++) {
                for (const used_key& another : by_player[other]) {
                    // A slot's twin may repeat its own key; nothing else may.
                    const bool same_slot = other == player && another.which == each.which;
                    if (another.key == each.key && !same_slot) return false;
                }
            }
        }
    }
    return true;
}

void key_rebinding::restore_defaults() {
    set_keys_of_player(1, default_keys_of_player(1));
    set_keys_of_player(2, default_keys_of_player(2));
}
