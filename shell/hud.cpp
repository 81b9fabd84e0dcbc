#include "shell/hud.h"

#include <cstdio>
#include <cstring>

#include "config/state_fields.h"
#include "gfx/img_mgr.h"
#include "gfx/primitives.h"
#include "gfx/txt_mgr.h"
#include "objects/fighter_lifeform.h"
#include "shell/match_assets.h"
#include "platform/screen_mgr.h"

namespace {

const int PICTURE_TOP = 5;
const int NAME_TOP = 39;
const int NAME_INDENT = 64;
const int BAR_INDENT = 18;
const int BAR_TOP = 12;
const int BAR_BOTTOM = 20;
const int WIN_DOT_INDENT = 21;
const int WIN_DOT_SPACING = 11;
const int WIN_DOT_Y = 31;
const int WIN_DOT_RADIUS = 5;
const int WIN_DOT_SEGMENTS = 12;
// The width of "%d hit" in the counter's face (size 30 x 5 / 3 each half).
const int HIT_TEXT_WIDTH = 100;
const int MS_PER_SECOND = 1000;
// The second result line stands this far under the first.
const int RESULT_LINE_HEIGHT = 24;

}  // namespace

hud::hud(const match_assets& match_assets_in, int fps)
    : assets(match_assets_in),
      hit_count_frames(HIT_COUNT_SHOWN_MS * fps / MS_PER_SECOND),
      seats(),
      last_result(""),
      results(),
      result_count(0) {}

hud::~hud() { clear_seats(); }

void hud::seat(int side, const fighter_lifeform* fighter, const std::string& name) {
    if (side != LEFT_SEAT && side != RIGHT_SEAT) return;
    seat_state& chosen = seats[side];
    delete chosen.name;
    chosen = seat_state{fighter, nullptr, 0, 0};
    SDL_Surface* rendered = assets.name_face && assets.name_face->font_loaded ? assets.name_face->render(name.c_str())
                                                                             : nullptr;
    if (!rendered) {
        printf("WARNING: the fighter name image [%s] could not be made\n", name.c_str());
        return;
    }
    chosen.name = new img_mgr();
    chosen.name->set_surface(rendered);
}

void hud::clear_seats() {
    for (seat_state& each : seats) {
        delete each.name;
        each = seat_state{nullptr, nullptr, 0, 0};
    }
}

int hud::seat_of(const fighter_lifeform& fighter) const {
    for (int side = LEFT_SEAT; side <= RIGHT_SEAT; side++) {
        if (seats[side].fighter == &fighter) return side;
    }
    return -1;
}

hud::side hud::side_of(int seat) {
    if (seat == LEFT_SEAT) return side{0, 0, 1};
    return side{screen.width(), -1, -1};
}

double hud::bar_length(double points, int max_life) {
    if (max_life <= 0) return 0.0;
    return points * BAR_LENGTH / max_life;
}

// The pictures face the screen's centre from either side.
void hud::draw_pictures(const side& at, img_mgr* name) const {
    img_mgr* const backdrop[] = {assets.shadow, assets.bar_frame, assets.symbol};
    for (img_mgr* picture : backdrop) {
        if (!picture) continue;
        picture->face(at.dir == 1);
        picture->display(at.x0 + at.shift * picture->width(), PICTURE_TOP);
    }
    if (name) name->display(at.x0 + at.shift * name->width() + NAME_INDENT * at.dir, NAME_TOP);
}

// Two boxes, the second a pixel longer at each end and a pixel thinner at
// top and bottom, so the bar's ends look rounded. The bar hangs from the
// fighter's screen edge and grows toward the centre.
void hud::draw_bar(const side& at, double length, unsigned colour) const {
    const double anchor = at.x0 + BAR_INDENT * at.dir;
    const int start = (int)(length * at.shift + anchor);
    const int end = (int)(length * (at.shift + 1) + anchor);
    box(start, BAR_TOP, end, BAR_BOTTOM, colour);
    box((int)(length * at.shift + anchor - 1), BAR_TOP + 1, (int)(length * (at.shift + 1) + anchor + 1),
        BAR_BOTTOM - 1, colour);
}

void hud::draw_wins(const fighter_lifeform& fighter, const side& at) const {
    for (int i = 0; i < fighter.wins; i++) {
        filled_circle(at.x0 + WIN_DOT_INDENT * at.dir + WIN_DOT_SPACING * at.dir * i, WIN_DOT_Y, WIN_DOT_RADIUS,
                      WIN_DOT_SEGMENTS, assets.life_colour);
    }
}

void hud::draw(const fighter_lifeform& fighter) const {
    const int seat = seat_of(fighter);
    if (seat < 0) return;
    const side at = side_of(seat);
    draw_pictures(at, seats[seat].name);
    draw_bar(at, bar_length(fighter.shown_life, fighter.max_life), assets.damage_colour);
    draw_bar(at, (float)bar_length((float)fighter.life, fighter.max_life), assets.life_colour);
    draw_wins(fighter, at);
}

void hud::note_hits(const fighter_lifeform& object) {
    const int seat = seat_of(object);
    if (seat < 0) return;
    seat_state& taken = seats[seat];
    if (object.hits_taken != taken.hits_shown) {
        taken.hits_shown = object.hits_taken;
        taken.frames_left = hit_count_frames;
    } else if (taken.frames_left > 0) {
        taken.frames_left--;
    }
}

void hud::draw_hit_count(const fighter_lifeform& object) const {
    const int seat = seat_of(object);
    if (seat < 0 || shown_hits(object) == 0 || !assets.hit_text) return;
    const seat_state& taken = seats[seat];
    char text[32];
    snprintf(text, sizeof(text), "%d hit", taken.hits_shown);
    // The string belongs to the attacker: it shows on the other seat's side.
    const side at = side_of(1 - seat);
    assets.hit_text->x = at.dir == 1 ? BAR_INDENT : screen.width() - BAR_INDENT - HIT_TEXT_WIDTH;
    assets.hit_text->y = HIT_COUNT_TOP;
    assets.hit_text->print(text);
}

int hud::shown_hits(const fighter_lifeform& fighter) const {
    const int seat = seat_of(fighter);
    if (seat < 0) return 0;
    const seat_state& taken = seats[seat];
    return taken.hits_shown > 1 && taken.frames_left > 0 ? taken.hits_shown : 0;
}

template <class Archive, class Self>
void hud::fields(Archive&& archive, Self& self) {
    archive.context("hud");
    for (auto& taken : self.seats) STATE_FIELDS(archive, taken.hits_shown, taken.frames_left);
}

void hud::save(state_buffer& out) const { fields(state_writer(out), *this); }

void hud::restore(state_buffer& in) { fields(state_reader(in), *this); }

void hud::start_frame() { result_count = 0; }

void hud::show_result(const char* text, int line) {
    if (line == 0) last_result = text;
    if (result_count == MOST_RESULTS) return;
    result_line& kept = results[result_count++];
    snprintf(kept.text, sizeof(kept.text), "%s", text);
    kept.line = line;
}

void hud::draw_results() const {
    if (!assets.win_text) return;
    for (int index = 0; index < result_count; index++) {
        const result_line& shown = results[index];
        assets.win_text->x = screen.width() / 2 - 4 * (int)strlen(shown.text);
        assets.win_text->y = screen.height() / 2 - 4 + shown.line * RESULT_LINE_HEIGHT;
        assets.win_text->print(shown.text);
    }
}
