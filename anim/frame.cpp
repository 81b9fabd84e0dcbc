#include "anim/frame.h"

#include <cstdio>

#include "sound/sound_handle.h"

int frame_count = 0;

namespace {

sound_handle* copy_of(const sound_handle* record) { return record ? new sound_handle(*record) : nullptr; }

int estimated_memory() { return frame_count * (int)sizeof(frame); }

}  // namespace

frame::frame()
    : image(nullptr),
      sound(nullptr),
      rate(0),
      has_sound(0),
      flash(0),
      shake(0),
      flashrate(10),
      fire(0),
      spin(0),
      trail(0),
      xoffset(0),
      yoffset(0) {
    frame_count++;
    printf("Creating frame[%lx] cnt[%d] estmem[%d]\n", (unsigned long)this, frame_count, estimated_memory());
}

frame::frame(const frame& src) : image(src.image), sound(copy_of(src.sound)) {
    frame_count++;
    printf("Copying frames [%lx] cnt[%d] estmem[%d]\n", (unsigned long)this, frame_count, estimated_memory());
    copy_effects(src);
}

frame& frame::operator=(const frame& src) {
    if (this == &src) return *this;
    set_sound(src.sound);
    image = src.image;
    copy_effects(src);
    return *this;
}

frame::~frame() {
    frame_count--;
    printf("Deleting frame [%lx] cnt[%d]\n", (unsigned long)this, frame_count);
    image = nullptr;
    delete sound;
}

void frame::set_sound(const sound_handle* record) {
    sound_handle* replacement = copy_of(record);
    delete sound;
    sound = replacement;
}

void frame::copy_effects(const frame& src) {
    rate = src.rate;
    has_sound = src.has_sound;
    flash = src.flash;
    shake = src.shake;
    flashrate = src.flashrate;
    fire = src.fire;
    spin = src.spin;
    trail = src.trail;
    xoffset = src.xoffset;
    yoffset = src.yoffset;
}
