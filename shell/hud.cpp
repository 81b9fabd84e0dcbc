#include "shell/hud.h"

#include <cstdio>
#include <cstring>

#include "gfx/img_mgr.h"
#include "gfx/primitives.h"
#include "gfx/txt_mgr.h"
#include "objects/fighter_lifeform.h"
#include "shell/match_assets.h"
#include "shell/screen_mgr.h"
#include "stage/level.h"

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
const double CATCH_UP_STEP = 0.5;
// Half the width of "%d hit" in the counter's face (size 30 x 5 / 3), and
// how far above the fighter's top it shows.
const int HIT_TEXT_HALF_WIDTH = 50;
const int HIT_TEXT_RISE = 100;

void face_way(img_mgr* picture, int facing) {
    if (picture && (picture->mirrored != 0) != (facing != 0)) picture->mirror();
}

}  // namespace

hud::hud(const match_assets& match_assets_in) : assets(match_assets_in) {}

hud::side hud::side_of(const lifeform& fighter) {
    if (fighter.facing == 1) return side{0, 0, 1};
    return side{screen.width(), -1, -1};
}

double hud::bar_length(double points, int max_life) {
    if (max_life <= 0) return 0.0;
    return points * BAR_LENGTH / max_life;
}

void hud::catch_up(lifeform& fighter) {
    if ((int)fighter.shown_life == fighter.life) return;
    fighter.shown_life += fighter.life > fighter.shown_life ? CATCH_UP_STEP : -CATCH_UP_STEP;
}

void hud::draw_pictures(const lifeform& fighter, const side& at) const {
    img_mgr* const backdrop[] = {assets.shadow, assets.bar_frame, assets.symbol};
    for (img_mgr* picture : backdrop) {
        if (!picture) continue;
        face_way(picture, fighter.facing);
        picture->display(at.x0 + at.shift * picture->width(), PICTURE_TOP);
    }
    if (assets.name_image) {
        assets.name_image->display(at.x0 + at.shift * assets.name_image->width() + NAME_INDENT * at.dir, NAME_TOP);
    }
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

void hud::draw(fighter_lifeform& fighter) const {
    const side at = side_of(fighter);
    draw_pictures(fighter, at);
    catch_up(fighter);
    draw_bar(at, bar_length(fighter.shown_life, fighter.max_life), assets.damage_colour);
    draw_bar(at, (float)bar_length((float)fighter.life, fighter.max_life), assets.life_colour);
    draw_wins(fighter, at);
}

void hud::draw_hit_count(const fighter_lifeform& object) const {
    if (object.hits_taken <= 1 || !assets.hit_text) return;
    const int scroll_x = current_level ? current_level->scroll_x : 0;
    const int scroll_y = current_level ? current_level->scroll_y : 0;
    const double zoom = current_level ? current_level->zoom : 1.0;
    char text[32];
    snprintf(text, sizeof(text), "%d hit", object.hits_taken);
    assets.hit_text->x = (int)((object.x + object.width / 2 - HIT_TEXT_HALF_WIDTH - scroll_x) * zoom);
    assets.hit_text->y = object.y - scroll_y - HIT_TEXT_RISE;
    assets.hit_text->print(text);
}

void hud::show_result(const char* text) const {
    if (!assets.win_text) return;
    assets.win_text->x = screen.width() / 2 - 4 * (int)strlen(text);
    assets.win_text->y = screen.height() / 2 - 4;
    assets.win_text->print(text);
}
