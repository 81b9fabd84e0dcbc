#ifndef SHELL_MENU_POLL_H
#define SHELL_MENU_POLL_H

#include <SDL/SDL.h>
#include <SDL/SDL_framerate.h>

// Which way a menu's cursor runs and where a quit request leaves it. The main
// menu and the option list run down a column (joystick axis 1, Up and Down);
// the character selection runs along a row (axis 0, Left and Right).
struct poll_layout {
    const char* name;  // names the menu in the cursor's log line
    int axis;
    SDLKey next_key;
    SDLKey previous_key;
    int entries;
    // A quit key puts the cursor here before the arrows are read; the wrap
    // then decides which entry that is. Below 0 the cursor stays put.
    int quit_cursor;
    // Whether a confirm key already down when the menu appears waits to be
    // let go. The option list opens the very frame after the main menu was
    // confirmed, and the main menu comes back moments after the option list
    // was: a held Return would pass straight through both. The character
    // selection takes a held Return at its first poll.
    bool held_confirm_waits;
};

// The player's input to a menu, read once a frame. Each press of an arrow
// (or push of the joystick past its dead zone) moves the cursor exactly
// once, however short; a direction still held repeats after REPEAT_DELAY_MS,
// then every REPEAT_INTERVAL_MS.
//
// A quit key that was already down when the menu appeared counts only after
// it has been let go: Escape still held from ending a match or leaving the
// option list must not also quit the game. Confirm keys and buttons wait the
// same way where the layout says so. A window close quits every menu from
// the moment it arrives.
class menu_poll {
public:
    enum { AXIS_DEAD_ZONE = 17000, CONFIRM_BUTTONS = 4, REPEAT_DELAY_MS = 400, REPEAT_INTERVAL_MS = 100 };

    // The keys that drive one player's menu: the arrows, Return and Space
    // with the first joystick, or the second player's letters.
    struct key_set {
        SDLKey next;
        SDLKey previous;
        SDLKey confirm[2];
        bool joystick;
    };

    explicit menu_poll(const poll_layout& layout);

    // A menu screen of its own polls once a frame: its own frame-rate
    // manager, started now at `rate` frames a second.
    static void start_pacing(FPSmanager& pacing, int rate);

    // Cursor on the first entry, nothing confirmed or requested; presses
    // made before this moment are dropped, and a quit key (and, where the
    // layout says so, a confirm key) held now waits to be released.
    void reset();
    // Reads the frame's input; logs the cursor whenever it moves, so a
    // session driven from outside can tell where the cursor stands.
    void poll();
    // Which keys move the cursor and confirm; by default the layout's arrows,
    // Return and Space, and the first joystick.
    void use_keys(const key_set& keys);

    static const poll_layout column;  // main menu and option list: six entries
    static const poll_layout row;     // character selection: four fighters
    static key_set second_player_keys();

    int cursor;
    bool confirmed;
    bool quit_requested;

private:
    int pressed_steps();
    int held_direction(const Uint8* keys) const;
    int axis_direction() const;
    void repeat_held(int held);
    void request_quit();
    void wrap();
    static bool quit_key_held(const Uint8* keys);
    static bool quit_key_pressed();
    bool confirm_held(const Uint8* keys) const;
    bool confirm_pressed() const;

    bool quit_keys_were_up;
    bool confirm_was_up;
    // The direction held at the last poll, the axis's among them, and when
    // it repeats next.
    int repeating;
    int axis_was;
    Uint32 repeat_at;

    poll_layout layout;
    key_set keys_used;
};

#endif
