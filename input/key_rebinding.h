#ifndef INPUT_KEY_REBINDING_H
#define INPUT_KEY_REBINDING_H

#include <string>

#include "input/control_maps.h"

// The six controls a player can give new keys, and the rule that keeps the
// two layouts playable: no key may do two things, for one player or across
// both, since both players share one keyboard.
class key_rebinding {
public:
    enum slot { UP, DOWN, LEFT, RIGHT, PUNCH, KICK, SLOTS };

    // "Up", "Down", "Left", "Right", "Punch", "Kick".
    static const char* slot_name(int which);
    static int key_in(const key_layout& layout, int which);
    static void set_key_in(key_layout& layout, int which, int key);

    // Gives `which` of `player` (1 or 2) the key; false, with the reason in
    // `refusal`, when the key can't be bound or already does something else.
    static bool bind(int player, int which, int key, std::string* refusal);
    // Whether `key` may be one of the player's controls at all; false, with
    // the reason, for Escape, a code that is no input, and the joystick for
    // the second player.
    static bool can_bind(int player, int key, std::string* refusal);
    // Who else uses `key` ("Player 2's Kick"), or empty when nobody does.
    static std::string holder(int key, int player, int which);
    // Whether two layouts use no key twice.
    static bool layouts_apart(const key_layout& first, const key_layout& second);
    static void restore_defaults();
    // The key's name as SDL gives it ("up", "left shift").
    static std::string key_name(int key);
};

#endif
