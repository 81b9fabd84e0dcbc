#include "anim/anim_mgr.h"

#include <cstdio>

#include "config/config_file.h"
#include "config/numbered_key.h"
#include "anim/frame.h"
#include "anim/shown_pictures.h"
#include "gfx/image_cache.h"
#include "gfx/img_mgr.h"
#include "platform/screen_mgr.h"
#include "sound/sound_cache.h"
#include "sound/sound_handle.h"

namespace {

// How much a flash fades per drawn frame when the file does not say.
const int DEFAULT_FLASH_RATE = 25;
// No animation comes near this many frames; a larger "images" is a slip in
// the file that would otherwise reserve gigabytes or spin through keys.
const int MAX_FRAMES = 1024;
// A flash is an opacity; a shake beyond this many pixels shows nothing more
// and would overflow the level's sums of offsets; a spin turns the picture
// by whole degrees, so only its remainder of a full turn counts.
const int MAX_FLASH = 255;
const int MAX_SHAKE = 1000;
const int FULL_TURN = 360;
// A frame shows for `rate` ticks: 0 (also a missing key) means one tick,
// and no frame is meant to hold for minutes. Bounding it keeps the playback
// counts and the angle a spin adds up per tick far from overflowing.
const int MAX_RATE = 10000;

// A whole number of turns still marks a spinning frame (a group turns any
// spinning frame 15 degrees a tick), so it keeps one full turn of its sign
// instead of falling to 0.
int spin_within_a_turn(int spin) {
    const int rest = spin % FULL_TURN;
    if (rest != 0 || spin == 0) return rest;
    return spin > 0 ? FULL_TURN : -FULL_TURN;
}

int int_or(const config_file& file, const char* pattern, int index, int fallback) {
    const numbered_key key(pattern, index);
    return file.has_key(key.text) ? file.get_int(key.text) : fallback;
}

// The value of a frame key, brought into [low, high] with a log line.
int int_within(const config_file& file, const char* pattern, int index, int low, int high, const char* path) {
    const int value = int_or(file, pattern, index, 0);
    if (value >= low && value <= high) return value;
    const int kept = value < low ? low : high;
    printf("WARNING: [%s] of [%s] is [%d], using [%d]\n", numbered_key(pattern, index).text, path, value, kept);
    return kept;
}

}  // namespace

Anim_Mgr::Anim_Mgr()
    : refs(0),
      owned_by_groups(0),
      loop(0),
      mirrored(0),
      angle(0),
      height(0),
      width(0),
      alpha(255),
      scale(1.0),
      owner_scale(1.0) {
    printf("Creating Anim_Mgr\n");
}

Anim_Mgr::~Anim_Mgr() { clear(); }

void Anim_Mgr::clear() {
    frames.clear();
    free_private_copies();
}

void Anim_Mgr::free_private_copies() {
    for (img_mgr* copy : private_copies) delete copy;
    private_copies.clear();
}

void Anim_Mgr::load(const char* path) {
    clear();
    config_file file;
    if (!file.load(path)) {
        printf("Can't load animation from [%s]", path);
        return;
    }
    int count = file.get_int("images");
    if (file.get_int("loop")) loop = 1;
    if (count < 1) return;
    if (count > MAX_FRAMES) {
        printf("WARNING: [%s] asks for [%d] frames, reading the first [%d]\n", path, count, MAX_FRAMES);
        count = MAX_FRAMES;
    }
    frames.reserve(count);
    for (int i = 0; i < count; i++) read_frame(file, i, path);
}

void Anim_Mgr::read_frame(const config_file& file, int index, const char* path) {
    const numbered_key image_key("image%d", index);
    const char* image_name = file.get_path(image_key.text);
    img_mgr* picture = Image_Manager.get(image_name);
    // A picture that could not be loaded has no size: the frame would show
    // nothing and report an empty image on every tick it is drawn.
    if (!picture || picture->width() == 0 || picture->height() == 0) {
        printf("WARNING: frame [%d] of [%s] has no picture [%s], left out\n", index, path, image_name);
        return;
    }
    if (!colour_swaps.empty()) picture = recoloured(picture);
    // A private copy recolours even when the cached picture was already
    // uploaded (a later series): img_mgr reads its pixels again for it, so
    // the second player never fights in the first player's colours.
    if (picture->gl_tiles != -1 && colour_swaps.empty()) printf("No color swap available\n");
    for (const colour_swap& swap : colour_swaps) picture->swap_color(swap.source, swap.target);
    if (mirrored) picture->mirror();
    if (picture->width() > width) width = picture->width();
    if (picture->height() > height) height = picture->height();

    frames.emplace_back();
    frame& added = frames.back();
    added.image = picture;
    frame_settings& settings = added.settings;
    settings.rate = int_within(file, "rate%d", index, 0, MAX_RATE, path);
    settings.shake = int_within(file, "shake%d", index, -MAX_SHAKE, MAX_SHAKE, path);
    settings.flash = int_within(file, "flash%d", index, 0, MAX_FLASH, path);
    settings.flashrate = int_or(file, "flashrate%d", index, DEFAULT_FLASH_RATE);
    settings.fire = int_or(file, "fire%d", index, 0);
    settings.spin = spin_within_a_turn(int_or(file, "spin%d", index, 0));
    settings.trail = int_or(file, "trail%d", index, 0);
    settings.xoffset = int_or(file, "xoffset%d", index, 0);
    settings.yoffset = int_or(file, "yoffset%d", index, 0);
    const numbered_key sound_key("sound%d", index);
    if (file.has_key(sound_key.text)) {
        settings.has_sound = 1;
        added.set_sound(Sound_Manager.get(file.get_path(sound_key.text)));
    }
}

// The cached picture is shared by every animation naming the file: a
// recoloured one must be a copy of its own, freed with this definition.
img_mgr* Anim_Mgr::recoloured(img_mgr* cached) {
    img_mgr* copy = new img_mgr(*cached);
    private_copies.push_back(copy);
    return copy;
}

void Anim_Mgr::add_picture(img_mgr* picture, int rate) {
    if (!picture) return;
    frames.emplace_back();
    frames.back().image = picture;
    frames.back().settings.rate = rate;
    if (picture->width() > width) width = picture->width();
    if (picture->height() > height) height = picture->height();
}

frame_effects Anim_Mgr::show_frame(int x, int y, int index, double zoom, shown_pictures& shown) {
    frame_effects asked = {0, 0, 0};
    if (frames.empty()) return asked;
    if (index >= (int)frames.size()) index = (int)frames.size() - 1;
    if (index < 0) index = 0;
    const frame& chosen = frames[index];
    img_mgr* picture = chosen.image;
    const sound_handle* sound = chosen.settings.has_sound ? chosen.sound : nullptr;
    shown_picture placed = {picture, sound, shown_picture::TURNED, 0, 0, 1.0, 1.0, angle, (Uint8)alpha, (Uint8)mirrored};
    if (picture) {
        width = picture->width();
        height = picture->height();
        picture->face(mirrored);
        picture->set_alpha((Uint8)alpha);
        const float z = (float)(zoom * owner_scale * scale);
        // Scaling keeps the bottom edge at y + height; only x follows the zoom.
        placed.x = (int)(x * zoom);
        placed.y = (int)((y + height) - height * (double)z);
        placed.zoom_x = z;
        placed.zoom_y = z;
    }
    if (placed.picture || placed.sound) shown.add(placed);
    if (chosen.settings.flash) {
        asked.flash = chosen.settings.flash;
        asked.flash_rate = chosen.settings.flashrate;
    }
    asked.shake = chosen.settings.shake;
    return asked;
}
