#include "shell/option_page.h"

#include <algorithm>
#include <cstdio>

#include "gfx/img_mgr.h"
#include "gfx/txt_mgr.h"
#include "shell/delete_and_clear.h"
#include "shell/menu_list.h"
#include "platform/platform.h"
#include "platform/screen_mgr.h"

namespace {

poll_layout layout_for(int count) {
    poll_layout layout = menu_poll::column;
    layout.name = "Option page";
    layout.entries = std::max(count, 1);
    // Escape leaves the page from wherever the cursor is.
    layout.quit_cursor = -1;
    return layout;
}

}  // namespace

std::string option_entry::text() const {
    if (values.empty()) return label;
    const int shown = std::max(0, std::min(chosen, (int)values.size() - 1));
    return label + ": " + values[shown];
}

option_page::option_page(img_mgr* tile, TXT_MGR* face, TXT_MGR* note_face, int rate)
    : tile(tile),
      face(face),
      note_face(note_face),
      note_picture(nullptr),
      pacing(),
      input(layout_for(1)),
      scroll(0),
      waiting(false),
      joystick_too(false),
      key(0),
      joystick_held() {
    menu_poll::start_pacing(pacing, rate);
}

option_page::~option_page() { delete note_picture; }

// Rendered here, when something changed, never in a frame.
void option_page::show(const std::vector<option_entry>& shown) {
    const int cursor = input.cursor;
    const bool new_count = shown.size() != entries.size();
    entries = shown;
    std::vector<char> fields(entries.size() * menu_list::ENTRY_FIELD, '\0');
    for (size_t i = 0; i < entries.size(); i++) {
        snprintf(&fields[i * menu_list::ENTRY_FIELD], menu_list::ENTRY_FIELD, "%s", entries[i].text().c_str());
    }
    pictures.make(*face, fields.data(), menu_list::ENTRY_FIELD, (int)entries.size());
    pictures.upload();
    if (new_count) input = menu_poll(layout_for((int)entries.size()));
    input.cursor = std::min(cursor, std::max((int)entries.size() - 1, 0));
}

void option_page::set_note(const std::string& line) {
    if (line == note_text && (note_picture || line.empty())) return;
    note_text = line;
    delete_and_clear(note_picture);
    if (line.empty() || !note_face) return;
    note_picture = render_text_image(*note_face, line.c_str());
    note_picture->tohw();
}

void option_page::take_next_key(bool with_joystick) {
    waiting = true;
    joystick_too = with_joystick;
    key = 0;
    newly_held_joystick_input();
}

int option_page::newly_held_joystick_input() {
    const Uint8* keys = platform::key_state();
    int found = 0;
    for (int code = input_code::JOYSTICK_FIRST; code < input_code::END; code++) {
        bool& was_held = joystick_held[code - input_code::JOYSTICK_FIRST];
        const bool now_held = input_code::held(keys, code);
        if (now_held && !was_held && !found) found = code;
        was_held = now_held;
    }
    return found;
}

void option_page::take(int code) {
    waiting = false;
    key = code;
    // The key just taken must not also move or choose on the page.
    const int cursor = input.cursor;
    input.reset();
    input.cursor = cursor;
}

int option_page::first_row_y() const {
    if (pictures.count() == 0) return FIRST_ROW_Y;
    const int height = pictures.picture(0, false).height();
    const int note_room = (note_picture ? note_picture->height() : 0) + 2 * NOTE_MARGIN;
    const int column = (pictures.count() - 1) * (height - ROW_OVERLAP) + height;
    return std::max(0, std::min((int)FIRST_ROW_Y, screen.height() - note_room - column));
}

void option_page::draw() const {
    screen.clear_screen();
    draw_menu_backdrop(*tile, scroll);
    int y = first_row_y();
    for (int j = 0; j < pictures.count(); j++) {
        img_mgr& picture = pictures.picture(j, j == input.cursor);
        picture.display(screen.width() / 2 - picture.width() / 2, y);
        y += picture.height() - ROW_OVERLAP;
    }
    if (note_picture) {
        note_picture->display(screen.width() / 2 - note_picture->width() / 2,
                              screen.height() - note_picture->height() - NOTE_MARGIN);
    }
}

bool option_page::step_value(int step) {
    if (entries.empty() || step == 0) return false;
    option_entry& changed = entries[input.cursor];
    const int last = (int)changed.values.size() - 1;
    const int chosen = std::max(0, std::min(changed.chosen + step, last));
    if (last < 1 || chosen == changed.chosen) return false;
    changed.chosen = chosen;
    show(std::vector<option_entry>(entries));
    return true;
}

// The first key that went down since the last frame, or joystick input
// newly pushed; Escape gives up.
option_page::happening option_page::read_key() {
    platform::pump_events();
    if (platform::close_requested()) return LEFT_PAGE;
    for (int pressed = 1; pressed < SDLK_LAST; pressed++) {
        if (!platform::presses(pressed)) continue;
        take(pressed);
        return KEY_TAKEN;
    }
    const int pushed = joystick_too ? newly_held_joystick_input() : 0;
    if (!pushed) return NOTHING;
    take(pushed);
    return KEY_TAKEN;
}

option_page::happening option_page::read_input() {
    if (waiting) return read_key();
    input.poll();
    if (input.quit_requested) return LEFT_PAGE;
    if (input.confirmed) {
        // Return acts once a press: held, it waits to be let go.
        const int cursor = input.cursor;
        input.reset();
        input.cursor = cursor;
        return CHOSEN;
    }
    const int step = platform::presses(SDLK_RIGHT) - platform::presses(SDLK_LEFT);
    return step_value(step) ? CHANGED : NOTHING;
}

option_page::happening option_page::frame() {
    draw();
    const happening happened = read_input();
    platform::frame_delay(&pacing);
    scroll++;
    if (scroll >= menu_list::SCROLL_STEPS) scroll = 0;
    screen.flip();
    return happened;
}
