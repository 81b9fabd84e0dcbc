#ifndef SHELL_OPTION_PAGE_H
#define SHELL_OPTION_PAGE_H

#include <SDL/SDL_framerate.h>

#include <string>
#include <vector>

#include "input/input_code.h"
#include "shell/menu_entries.h"
#include "shell/menu_poll.h"

class TXT_MGR;
class img_mgr;

// One entry of an option page: "Label: value", the value one of `values`
// (Left and Right step through them), or just "Label" for an entry that
// Return acts on.
struct option_entry {
    std::string label;
    std::vector<std::string> values;
    int chosen;

    std::string text() const;
};

// A page of the option screens: a column of entries in the option list's
// look, a note line under it, and the option list's keys. Up and Down move
// the cursor, Left and Right change the entry under it, Return or Space
// chooses it, Escape or Q leaves; each press acts once. The page can also
// wait for the next key pressed, to bind it.
//
// The owner runs frame() and acts on what it returns.
class option_page {
public:
    enum happening { NOTHING, CHANGED, CHOSEN, LEFT_PAGE, KEY_TAKEN };
    enum { FIRST_ROW_Y = 200, ROW_OVERLAP = 10, NOTE_MARGIN = 8 };

    option_page(img_mgr* tile, TXT_MGR* face, TXT_MGR* note_face, int rate);
    ~option_page();

    // Shows these entries from now on; the cursor stays where it was.
    void show(const std::vector<option_entry>& entries);
    void set_note(const std::string& line);
    // The next key pressed is taken (Escape gives up waiting), or with
    // `joystick_too` the next joystick button pushed or axis moved.
    void take_next_key(bool joystick_too);

    // One frame: draws, reads the player's input, says what happened.
    happening frame();

    int cursor() const { return input.cursor; }
    const option_entry& entry(int i) const { return entries[i]; }
    int entry_total() const { return (int)entries.size(); }
    int taken_key() const { return key; }
    bool waiting_for_key() const { return waiting; }
    const std::string& note() const { return note_text; }

private:
    option_page(const option_page&);
    option_page& operator=(const option_page&);

    void draw() const;
    int first_row_y() const;
    happening read_input();
    happening read_key();
    int newly_held_joystick_input();
    void take(int code);
    bool step_value(int step);

    img_mgr* tile;
    TXT_MGR* face;
    TXT_MGR* note_face;
    std::vector<option_entry> entries;
    menu_entries pictures;
    img_mgr* note_picture;
    std::string note_text;
    FPSmanager pacing;
    menu_poll input;
    int scroll;
    bool waiting;
    bool joystick_too;
    int key;
    // The joystick's inputs when the page started waiting: one already held
    // counts only once let go and pushed again.
    bool joystick_held[input_code::END - input_code::JOYSTICK_FIRST];
};

#endif
