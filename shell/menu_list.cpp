#include "shell/menu_list.h"

#include <cstdio>

#include "gfx/img_mgr.h"
#include "gfx/txt_mgr.h"
#include "platform/platform.h"
#include "platform/screen_mgr.h"

namespace {

// A list needs one entry to show; an empty one is shown as this.
const char EMPTY_LIST[1][menu_list::ENTRY_FIELD] = {"Back"};

poll_layout layout_for(int count) {
    poll_layout layout = menu_poll::column;
    layout.name = "Option list";
    layout.entries = count < 1 ? 1 : count;
    layout.quit_cursor = layout.entries - 1;
    return layout;
}

// Tile steps across per pixel of scroll: a hair under 1 / TILE_STEP_X, so
// the backdrop climbs one row less than a whole step at the last scroll step.
const double TILE_STEPS_PER_SCROLL = 0.008695652;

}  // namespace

void draw_menu_backdrop(img_mgr& tile, int scroll) {
    tile.display_tiled(-scroll, (int)(scroll * TILE_STEPS_PER_SCROLL * -TILE_STEP_Y), screen.width(), screen.height());
}

menu_list::menu_list(const char (*entries)[ENTRY_FIELD], int count, img_mgr* tile, TXT_MGR* face, int rate)
    : tile(tile), face(face), pacing(), input(layout_for(count)), scroll(0) {
    if (count < 1) {
        printf("WARNING: menu list with [%d] entries, showing one\n", count);
        entries = EMPTY_LIST;
        count = 1;
    }
    menu_poll::start_pacing(pacing, rate);
    pictures.make(*face, entries[0], ENTRY_FIELD, count);
    pictures.upload();
}

void menu_list::place_cursor(int entry) {
    if (entry >= 0 && entry < pictures.count()) input.cursor = entry;
}

int menu_list::run() {
    while (!frame()) {
    }
    return input.cursor;
}

void menu_list::draw_entries() {
    int y = FIRST_ROW_Y;
    for (int j = 0; j < pictures.count(); j++) {
        img_mgr& picture = pictures.picture(j, j == input.cursor);
        const int x = screen.width() / 2 - picture.width() / 2;
        picture.display(x, y);
        face->x = x;
        face->y = y;
        y += picture.height() - ROW_OVERLAP;
    }
}

bool menu_list::frame() {
    screen.clear_screen();
    draw_menu_backdrop(*tile, scroll);
    draw_entries();
    input.poll();
    platform::frame_delay(&pacing);
    scroll++;
    if (scroll >= SCROLL_STEPS) scroll = 0;
    screen.flip();
    return input.confirmed;
}
