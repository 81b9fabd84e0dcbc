#ifndef SHELL_MENU_POLL_H
#define SHELL_MENU_POLL_H

#include <SDL/SDL.h>

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
    // then decides which entry that is.
    int quit_cursor;
    // Whether a confirm key already down when the menu appears waits to be
    // let go. The option list opens the very frame after the main menu was
    // confirmed, and the main menu comes back moments after the option list
    // was: a held Return would pass straight through both. The character
    // selection takes a held Return at its first poll.
    bool held_confirm_waits;
};

// One read of the player's input for a menu: one event from the queue, then
// the held state of the first joystick and the keyboard. Keys count as held,
// not as presses, so a menu that polls every few frames moves its cursor once
// per poll while an arrow stays down.
//
// A quit key that was already down when the menu appeared counts only after
// it has been let go: Escape still held from ending a match or leaving the
// option list must not also quit the game. Confirm keys and buttons wait the
// same way where the layout says so.
class menu_poll {
public:
    enum { AXIS_DEAD_ZONE = 17000, CONFIRM_BUTTONS = 4 };

    explicit menu_poll(const poll_layout& layout);

    // Cursor on the first entry, nothing confirmed or requested; a quit key
    // (and, where the layout says so, a confirm key) held at this moment
    // waits to be released.
    void reset();
    // Logs the cursor whenever a poll moves it, so a session driven from
    // outside can tell where the cursor stands.
    void poll();

    static const poll_layout column;  // main menu and option list: six entries
    static const poll_layout row;     // character selection: four fighters

    int cursor;
    bool confirmed;
    bool quit_requested;

private:
    void read_axis();
    void request_quit();
    void wrap();
    static bool quit_key_held(const Uint8* keys);
    static bool confirm_held(const Uint8* keys);

    bool quit_keys_were_up;
    bool confirm_was_up;

    poll_layout layout;
};

#endif
