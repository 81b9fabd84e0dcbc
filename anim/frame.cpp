#include "anim/frame.h"

#include <cstdio>

#include "sound/sound_handle.h"

int frame_count = 0;

namespace {

sound_handle* copy_of(const sound_handle* record) { return record ? new sound_handle(*record) : nullptr; }

int estimated_memory() { return frame_count * (int)sizeof(frame); }

}  // namespace

frame::frame() : image(nullptr), sound(nullptr) {
    frame_count++;
    printf("Creating frame[%lx] cnt[%d] estmem[%d]\n", (unsigned long)this, frame_count, estimated_memory());
}

frame::frame(const frame& src) : image(src.image), sound(copy_of(src.sound)), settings(src.settings) {
    frame_count++;
    printf("Copying frames [%lx] cnt[%d] estmem[%d]\n", (unsigned long)this, frame_count, estimated_memory());
}

frame& frame::operator=(const frame& src) {
    if (this == &src) return *this;
    set_sound(src.sound);
    image = src.image;
    settings = src.settings;
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
