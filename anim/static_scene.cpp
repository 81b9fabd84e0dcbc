#include "anim/static_scene.h"

#include "anim/anim_mgr.h"
#include "anim/frame.h"
#include "gfx/img_mgr.h"
#include "platform/screen_mgr.h"

static_scene::static_scene() {}

static_scene::~static_scene() {
    if (screen.is_gl()) free_display_lists();
}

int static_scene::add(Anim_Mgr* anim, int x, int y, double zoom) {
    entries.push_back(entry{anim, x, y, zoom});
    return (int)entries.size() - 1;
}

void static_scene::draw() {
    if (screen.is_gl()) {
        draw_gl();
    } else {
        draw_sw();
    }
}

// Every picture of every frame of every entry, bottom-anchored at the
// entry's zoom: the scene's whole drawing, shared by both paths.
void static_scene::draw_pictures() const {
    for (const entry& placed : entries) {
        if (!placed.anim) continue;
        for (const frame& shown : placed.anim->frames) {
            if (shown.image) shown.image->display_scaled(placed.x, placed.y, screen.surface, placed.zoom);
        }
    }
}
