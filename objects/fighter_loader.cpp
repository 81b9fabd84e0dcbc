#include "objects/fighter_loader.h"

#include <cstdio>

#include "anim/anim_group.h"
#include "anim/anim_mgr.h"
#include "config/numbered_key.h"
#include "gfx/image_cache.h"
#include "input/combo.h"
#include "input/control_maps.h"
#include "objects/lifeform.h"
#include "platform/screen_mgr.h"
#include "stage/level_camera.h"

namespace {

unsigned address_of(const void* object) { return (unsigned)(size_t)object; }

// No fighter is drawn or paced beyond these; values outside are typing errors.
const double MIN_FACTOR = 0.01;
const double MAX_FACTOR = 100.0;

// The computer's leanings a fighter carries from its file until the match
// seats it and gives the ones it plays with.
enum {
    LOADED_BLOCK_WEIGHT = 100, LOADED_SPARE_WEIGHT = 100, LOADED_REACH_WEIGHT = 30,
    LOADED_JUMP_WEIGHT = 0, LOADED_DUCK_WEIGHT = 0, LOADED_APPROACH_WEIGHT = 50
};

}  // namespace

fighter_loader::fighter_loader(lifeform& fighter) : fighter(fighter), path("") {}

void fighter_loader::load(const char* fighter_path) {
    path = fighter_path ? fighter_path : "";
    if (!file.load(path)) printf("WARNING: Can't read fighter file [%s]\n", path);

    const int hp = file.get_int("hp");
    fighter.life = hp;
    fighter.max_life = hp;
    fighter.shown_life = hp;
    fighter.scale = read_factor("scale", fighter.scale);
    fighter.speed = read_factor("speed", fighter.speed);

    read_moves();
    const int wanted_width = file.has_key("width") ? file.get_int("width") : 0;
    const int wanted_height = file.has_key("height") ? file.get_int("height") : 0;
    read_pictures();
    read_combos();

    printf("Loaded Char [%d]images [%d]animations [%d]combos\n", (int)fighter.images.size(),
           (int)fighter.moves.size(), (int)fighter.combos->size());
    if (wanted_width) fighter.width = (Uint16)wanted_width;
    if (wanted_height) fighter.height = (Uint16)wanted_height;
    printf("Final size [%d,%d]\n", fighter.width, fighter.height);
    fighter.set_cpu_weights(LOADED_BLOCK_WEIGHT, LOADED_SPARE_WEIGHT, LOADED_REACH_WEIGHT, LOADED_JUMP_WEIGHT,
                            LOADED_DUCK_WEIGHT, LOADED_APPROACH_WEIGHT);
}

// A count the file gives for `key`: 0 when absent, at most MAX_ENTRIES.
int fighter_loader::read_count(const char* key) const {
    const int count = file.get_int(key);
    if (count > MAX_ENTRIES) {
        printf("WARNING: [%s] in [%s] is [%d], reading only [%d]\n", key, path, count, (int)MAX_ENTRIES);
        return MAX_ENTRIES;
    }
    return count;
}

// A size factor or pace divisor the file gives for `key`, or `current` when
// absent. Positions and steps are divided by these and pictures zoomed by
// them: 0, a negative value, one that is not a number, a tiny or a huge one
// would throw the fighter off the stage or leave its place undefined, so
// those are logged and ignored.
double fighter_loader::read_factor(const char* key, double current) const {
    if (!file.has_key(key)) return current;
    const double value = file.get_float(key);
    if (value >= MIN_FACTOR && value <= MAX_FACTOR) return value;
    printf("WARNING: [%s] in [%s] is [%g], outside [%g, %g]; keeping [%g]\n", key, path, value, MIN_FACTOR,
           MAX_FACTOR, current);
    return current;
}

// The file named by `key`; a missing key is reported here, where the fighter
// file is known, and gives the empty name.
const char* fighter_loader::read_name(const char* key) const {
    if (!file.has_key(key)) printf("WARNING: [%s] has no [%s]\n", path, key);
    return file.get_path(key);
}

// Every move gets its group, even one whose file is missing, because a
// move's position in the file is its number.
void fighter_loader::read_moves() {
    if (!file.has_key("moves")) return;
    const int count = read_count("moves");
    for (int i = 0; i < count; i++) {
        Anim_Mgr* definition = new Anim_Mgr();
        definition->colour_swaps = fighter.colour_swaps;
        definition->load(read_name(numbered_key("move%d", i).text));
        definition->scale = read_factor(numbered_key("move%dscale", i).text, definition->scale);
        anim_group* move = new anim_group();
        // The group owns the definition from here: deleting the fighter's
        // moves frees it, with its recoloured frame pictures.
        move->adopt(definition);
        fighter.moves.push_back(move);
        show_loading_step();
    }
}

void fighter_loader::read_pictures() {
    if (!file.has_key("images")) return;
    const int count = read_count("images");
    fighter.width = 0;
    fighter.height = 0;
    fighter.bound_box = img_box{screen.width(), screen.height(), 0, 0};
    for (int i = 0; i < count; i++) {
        img_mgr* picture = read_picture(i);
        if (picture) {
            if (picture->width() > fighter.width) fighter.width = (Uint16)picture->width();
            if (picture->height() > fighter.height) fighter.height = (Uint16)picture->height();
            if (i == 0) fighter.bound_box = picture->bounds;
        }
        show_loading_step();
        if (picture) recolour(picture);
        // A missing picture stays a null entry: that state shows picture 0.
        fighter.images.push_back(picture);
    }
    printf("Char Min/Max Bound Box [%d,%d-%d,%d]\n", fighter.bound_box.left, fighter.bound_box.top,
           fighter.bound_box.right, fighter.bound_box.bottom);
}

// Still picture `index` from the cache, or a private copy of it when the
// fighter is recoloured, so the shared picture keeps its colours. Null when
// the file could not be loaded.
img_mgr* fighter_loader::read_picture(int index) {
    const char* name = read_name(numbered_key("image%d", index).text);
    img_mgr* picture = Image_Manager.get(name);
    if (!picture || picture->width() == 0 || picture->height() == 0) {
        printf("WARNING: still picture [%d] [%s] of [%s] could not be loaded\n", index, name, path);
        return nullptr;
    }
    if (fighter.colour_swaps.empty()) return picture;
    img_mgr* copy = new img_mgr(*picture);
    fighter.own_pictures.push_back(copy);
    return copy;
}

// A picture that went to a texture is reported as such, whether or not the
// fighter is recoloured. A private copy of one still is recoloured: its
// first swap reads the pixels again from the file. Only a picture that has
// no pixels even then cannot be.
void fighter_loader::recolour(img_mgr* picture) {
    const bool uploaded = picture->gl_tiles != img_mgr::NO_TEXTURE;
    if (uploaded) report_uncoloured(*picture);
    for (const colour_swap& swap : fighter.colour_swaps) {
        picture->swap_color(swap.source, swap.target);
        if (!picture->has_surface()) {
            if (!uploaded) report_uncoloured(*picture);
            return;
        }
        show_loading_step();
    }
}

void fighter_loader::report_uncoloured(const img_mgr& picture) {
    printf("No lifeform surface to color (Usually already uploaded) [%d]\n", picture.gl_tiles);
}

void fighter_loader::read_combos() {
    if (!file.has_key("combos")) return;
    const int count = read_count("combos");
    for (int i = 0; i < count; i++) {
        combo read;
        const int step_count = read_count(numbered_key("combo%dmoves", i).text);
        read.combo_type = file.get_int(numbered_key("combo%dmove", i).text);
        if (fighter.controls) {
            bind_steps(i, step_count, read);
        } else {
            printf("WARNING: can't bind controls because controls aren't set\n");
        }
        fighter.combos->push_back(read);
        printf("Adding combo[%d] combotype[%d] reqkeys[%d]\n", (int)fighter.combos->size(), read.combo_type,
               read.step_count());
        show_loading_step();
    }
}

void fighter_loader::bind_steps(int index, int step_count, combo& bound) {
    for (int j = 0; j < step_count; j++) {
        const char* name = file.get_string(numbered_key("combo%dmove%d", index, j).text);
        printf("Combo[%d]Move[%d] == '%s'\n", index, j, name);
        const control* step = find_control(fighter.controls, name);
        if (step) {
            bound.steps.push_back(*step);
        } else {
            printf("WARNING: Control [%s] not found in controls [%x]\n", name, address_of(fighter.controls));
        }
    }
}
