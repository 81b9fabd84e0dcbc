#include "shell/pause_screen.h"

#include <GL/gl.h>

#include <cstdio>

#include "gfx/gl_quads.h"
#include "gfx/img_mgr.h"
#include "gfx/primitives.h"
#include "gfx/txt_mgr.h"
#include "shell/delete_and_clear.h"
#include "shell/menu_list.h"
#include "shell/pause_menu.h"
#include "platform/screen_mgr.h"
#include "shell/training_dummy.h"

namespace {

const char* const MENU_FONT = "rsrc/Medici_Text.ttf";
const char* const TITLE_TEXT = "Paused";

// The rows' texts; the dummy's row shows one of the dummy's labels, which
// follow the two fixed rows.
enum { ENTRY_RESUME, ENTRY_LEAVE, ENTRY_FIRST_DUMMY, ENTRY_COUNT = ENTRY_FIRST_DUMMY + training_dummy::MODES };

// The same faces as the main menu's title and entries.
TXT_MGR* menu_face(int size) {
    TXT_MGR* face = new TXT_MGR(screen.surface);
    face->size = size > 0 ? size : 1;
    face->mode = TXT_MGR::MODE_SOLID;
    face->open_font(MENU_FONT);
    return face;
}

}  // namespace

pause_screen::pause_screen() : title_face(nullptr), entry_face(nullptr), title(nullptr) {}

pause_screen::~pause_screen() { release(); }

void pause_screen::build() {
    release();
    title_face = menu_face(screen.width() / 10);
    entry_face = menu_face(screen.width() / 14);
    title = render_text_image(*title_face, TITLE_TEXT);
    char texts[ENTRY_COUNT][menu_list::ENTRY_FIELD] = {"Resume", "Leave match"};
    for (int mode = 0; mode < training_dummy::MODES; mode++) {
        snprintf(texts[ENTRY_FIRST_DUMMY + mode], menu_list::ENTRY_FIELD, "%s", training_dummy::label(mode));
    }
    entries.make(*entry_face, texts[0], menu_list::ENTRY_FIELD, ENTRY_COUNT);
    entries.upload();
    title->tohw();
}

void pause_screen::release() {
    still.release();
    entries.release();
    delete_and_clear(title);
    delete_and_clear(title_face);
    delete_and_clear(entry_face);
}

int pause_screen::entry_of(const pause_menu& menu, int row, int dummy_mode) const {
    switch (menu.kind_of(row)) {
    case pause_menu::ROW_RESUME: return ENTRY_RESUME;
    case pause_menu::ROW_DUMMY: return ENTRY_FIRST_DUMMY + dummy_mode;
    default: return ENTRY_LEAVE;
    }
}

// The screen's format may carry no alpha: the shade's opacity goes to the
// box as a byte, and OpenGL blends only this box.
void pause_screen::shade() const {
    if (screen.is_gl()) enable_blending();
    box_rgba(0, 0, screen.width() - 1, screen.height() - 1, 0, 0, 0, SHADE_ALPHA);
    if (screen.is_gl()) glDisable(GL_BLEND);
}

void pause_screen::draw(const pause_menu& menu, int dummy_mode) const {
    screen.clear_screen();
    still.show();
    shade();
    if (!title || entries.count() < ENTRY_COUNT) return;
    int y = screen.height() / TITLE_ROW_DIVISOR;
    title->display(screen.width() / 2 - title->width() / 2, y);
    y += title->height() + TITLE_GAP;
    for (int row = 0; row < menu.rows(); row++) {
        img_mgr& picture = entries.picture(entry_of(menu, row, dummy_mode), row == menu.cursor());
        picture.display(screen.width() / 2 - picture.width() / 2, y);
        y += picture.height() + ROW_GAP;
    }
}
