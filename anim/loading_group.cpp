#include "anim/loading_group.h"

#include "anim/shown_pictures.h"
#include "platform/screen_mgr.h"

// In this order, so the group never holds a definition not yet built.
Anim_Mgr loading_animation;
anim_group loading_group;

namespace {

// Reused from step to step: a load shows hundreds of them.
shown_pictures loading_pictures;

}  // namespace

frame_effects show_loading_progress(double zoom) {
    loading_pictures.clear();
    const frame_effects asked = loading_group.play(0, screen.height() - loading_group.height, zoom, loading_pictures);
    if (screen.painting) loading_pictures.draw();
    screen.flip();
    return asked;
}
