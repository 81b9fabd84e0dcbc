#include "shell/match_assets.h"

#include <cstdio>

#include "anim/anim_group.h"
#include "anim/anim_mgr.h"
#include "anim/loading_group.h"
#include "gfx/img_mgr.h"
#include "gfx/txt_mgr.h"
#include "input/control_maps.h"
#include "shell/asset_files.h"
#include "shell/delete_and_clear.h"
#include "platform/ref_ptr.h"
#include "platform/screen_mgr.h"
#include "shell/solid_face.h"
#include "platform/trig_tables.h"

std::list<anim_group> effects;
anim_group* explosion_template = nullptr;
anim_group* guard_spark_template = nullptr;

namespace {

const int NAME_FONT_SIZE = 30;
const Uint8 SHADOW_ALPHA = 64;
const SDL_Color GOLD = {246, 206, 127, 0};
const SDL_Color HIT_RED = {255, 0, 0, 0};
const SDL_Color DAMAGE_RED = {250, 45, 64, 0};

img_mgr* load_picture(const char* path) {
    img_mgr* picture = new img_mgr();
    picture->load(path);
    return picture;
}

Uint32 map_colour(SDL_Color colour) {
    if (!screen.surface) return 0;
    return SDL_MapRGBA(screen.surface->format, colour.r, colour.g, colour.b, 255);
}

}  // namespace

match_assets::match_assets()
    : shadow(nullptr),
      bar_frame(nullptr),
      symbol(nullptr),
      name_face(nullptr),
      win_text(nullptr),
      hit_text(nullptr),
      life_colour(0),
      damage_colour(0),
      music(nullptr),
      spark_anim(nullptr),
      guard_spark_anim(nullptr) {}

void match_assets::preload(Mix_Music* match_music) {
    // A second preload would leak the first one's pictures and faces.
    release();
    build_control_maps();
    fill_trig_tables();
    load_animations();
    load_display_resources();
    music = match_music;
}

void match_assets::load_animations() {
    loading_animation.load(LOADING_ANIMATION);
    loading_animation.loop = 1;
    loading_group.add(ref_ptr<Anim_Mgr>(&loading_animation));
    loading_group.width = loading_animation.width;
    loading_group.height = loading_animation.height;

    explosion_template = load_effect(SPARK_ANIMATION, &spark_anim);
    guard_spark_template = load_effect(GUARD_SPARK_ANIMATION, &guard_spark_anim);
}

anim_group* match_assets::load_effect(const char* path, Anim_Mgr** definition) {
    *definition = new Anim_Mgr();
    (*definition)->load(path);
    anim_group* effect = new anim_group();
    effect->add(ref_ptr<Anim_Mgr>(*definition));
    return effect;
}

void match_assets::load_display_resources() {
    bar_frame = load_picture(BAR_FRAME_PICTURE);
    shadow = load_picture(SHADOW_PICTURE);
    shadow->set_alpha(SHADOW_ALPHA);
    symbol = load_picture(SYMBOL_PICTURE);

    // The result lines keep the text manager's own look: its default size,
    // white, shaded.
    win_text = new TXT_MGR();
    win_text->open_font(PLAIN_FONT);
    name_face = new_solid_face(NAME_FONT, NAME_FONT_SIZE, GOLD, nullptr);
    hit_text = new_solid_face(NAME_FONT, NAME_FONT_SIZE, HIT_RED, nullptr);

    life_colour = map_colour(GOLD);
    damage_colour = map_colour(DAMAGE_RED);
}

// The groups let go of the definitions before they are deleted; a spark
// still in the list holds them too.
void match_assets::release_animations() {
    effects.clear();
    delete_and_clear(explosion_template);
    delete_and_clear(guard_spark_template);
    loading_group.clear();
    loading_group.width = 0;
    loading_group.height = 0;
    loading_animation.clear();
    delete_and_clear(spark_anim);
    delete_and_clear(guard_spark_anim);
}

void match_assets::release() {
    delete_and_clear(hit_text);
    delete_and_clear(name_face);
    delete_and_clear(win_text);
    delete_and_clear(symbol);
    delete_and_clear(shadow);
    delete_and_clear(bar_frame);
    release_animations();
    music = nullptr;
    release_control_maps();
}
