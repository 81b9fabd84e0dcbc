#ifndef SHELL_PAUSE_MENU_H
#define SHELL_PAUSE_MENU_H

#include <SDL/SDL.h>

#include "shell/menu_poll.h"

// Whether a match stands paused, and the player's answers to the pause
// list: "Resume", in training the dummy's behaviour, and "Leave match". The
// list answers as the other menus do (arrows, Return or Space, Q or Escape
// to leave, the joystick); P or the joystick's start button pauses and
// resumes.
//
// While paused no game time passes. The time spent paused is added up from
// the platform clock, so the match can leave it out of the clock its key
// trackers read: a combo begun before the pause finishes after it.
class pause_menu {
public:
    enum row_kind { ROW_RESUME, ROW_DUMMY, ROW_LEAVE };
    enum answer { STAY, RESUME, LEAVE, NEXT_DUMMY_MODE };
    // Common pads put their start button here.
    enum { START_BUTTON = 7 };

    // `with_dummy`: the training's list, with the dummy's row.
    explicit pause_menu(bool with_dummy);

    // At the end of a frame of play, after the frame's events were read:
    // P or the start button went down.
    bool pause_pressed();
    void open();
    // One paused frame: reads the events and answers. RESUME has already
    // closed the pause.
    answer poll();

    bool paused() const { return is_paused; }
    int rows() const { return row_count; }
    int cursor() const { return input.cursor; }
    row_kind kind_of(int row) const;
    // Milliseconds spent paused, all pauses of the series together.
    Uint32 paused_ms() const { return paused_total; }

private:
    static poll_layout layout_for(int rows);
    bool start_button_went_down();
    void close();
    void stay_on_row();

    int row_count;
    menu_poll input;
    bool is_paused;
    bool start_was_down;
    Uint32 opened_at;
    Uint32 paused_total;
};

#endif
