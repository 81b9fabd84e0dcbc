#include "shell/pause_menu.h"

#include <cstdio>

#include "platform/platform.h"
#include "platform/screen_mgr.h"

namespace {

const int ROWS_PLAIN = 2;     // Resume, Leave match
const int ROWS_TRAINING = 3;  // Resume, the dummy, Leave match

}  // namespace

poll_layout pause_menu::layout_for(int rows) {
    poll_layout layout = menu_poll::column;
    layout.name = "Pause list";
    layout.entries = rows;
    layout.quit_cursor = rows - 1;
    return layout;
}

pause_menu::pause_menu(bool with_dummy)
    : row_count(with_dummy ? ROWS_TRAINING : ROWS_PLAIN),
      input(layout_for(row_count)),
      is_paused(false),
      // A start button held as the match begins pauses once it is let go
      // and pressed again.
      start_was_down(true),
      opened_at(0),
      paused_total(0) {}

pause_menu::row_kind pause_menu::kind_of(int row) const {
    if (row == 0) return ROW_RESUME;
    if (row == row_count - 1) return ROW_LEAVE;
    return ROW_DUMMY;
}

bool pause_menu::start_button_went_down() {
    const bool down = screen.joystick_ok == 1 && platform::joystick_button(START_BUTTON);
    const bool went_down = down && !start_was_down;
    start_was_down = down;
    return went_down;
}

bool pause_menu::pause_pressed() {
    const bool pressed = start_button_went_down();
    return platform::presses(SDLK_p) > 0 || pressed;
}

void pause_menu::open() {
    if (is_paused) return;
    is_paused = true;
    opened_at = platform::ticks();
    input.reset();
    printf("Match paused\n");
}

void pause_menu::close() {
    is_paused = false;
    paused_total += platform::ticks() - opened_at;
    printf("Match resumed after [%u] ms\n", (unsigned)(platform::ticks() - opened_at));
}

// The list stays open on the dummy's row: a confirm key still held must be
// let go before it counts again, so each press changes the dummy once.
void pause_menu::stay_on_row() {
    const int row = input.cursor;
    input.reset();
    input.cursor = row;
}

pause_menu::answer pause_menu::poll() {
    input.poll();
    if (pause_pressed()) {
        close();
        return RESUME;
    }
    if (!input.confirmed) return STAY;
    input.confirmed = false;
    if (input.quit_requested) return LEAVE;
    switch (kind_of(input.cursor)) {
    case ROW_RESUME:
        close();
        return RESUME;
    case ROW_DUMMY:
        stay_on_row();
        return NEXT_DUMMY_MODE;
    default:
        return LEAVE;
    }
}
