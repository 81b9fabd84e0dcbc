#include "shell/cheats.h"

#include "gfx/img_mgr.h"
#include "gfx/txt_mgr.h"
#include "objects/fighter_lifeform.h"
#include "shell/delete_and_clear.h"
#include "shell/match_request.h"
#include "shell/menu_entries.h"
#include "platform/screen_mgr.h"

namespace {

const char* const MARK_TEXT = "cheat";
// Level with the life bars, between them.
const int MARK_TOP = 8;
const int NO_LIFE_SEEN = -2147483647;

}  // namespace

cheats::cheats(const match_request& request)
    : infinite_left(request.infinite_life_left),
      infinite_right(request.infinite_life_right),
      one_hit(request.one_hit_knock_outs),
      life_before{NO_LIFE_SEEN, NO_LIFE_SEEN},
      mark(nullptr) {}

cheats::~cheats() { release_mark(); }

void cheats::apply_to(fighter_lifeform& fighter, bool infinite, bool knock_out_at_once, int& life_before) {
    // A fresh fighter or a new round starts with more life than was seen:
    // only a loss counts as a blow.
    if (knock_out_at_once && life_before != NO_LIFE_SEEN && fighter.life < life_before && fighter.life >= 0) {
        fighter.end_life();
    }
    if (infinite) fighter.refill_life();
    life_before = fighter.life;
}

void cheats::apply(fighter_lifeform& left, fighter_lifeform& right) {
    if (!any()) return;
    apply_to(left, infinite_left, one_hit, life_before[0]);
    apply_to(right, infinite_right, one_hit, life_before[1]);
}

void cheats::make_mark(TXT_MGR* face) {
    release_mark();
    if (!any() || !face || !face->font_loaded) return;
    mark = render_text_image(*face, MARK_TEXT);
    mark->tohw();
}

void cheats::draw_mark() const {
    if (mark) mark->display(screen.width() / 2 - mark->width() / 2, MARK_TOP);
}

void cheats::release_mark() { delete_and_clear(mark); }
