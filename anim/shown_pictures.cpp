#include "anim/shown_pictures.h"

#include "gfx/img_mgr.h"
#include "platform/screen_mgr.h"
#include "sound/sound_handle.h"

void shown_pictures::draw(size_t first, size_t end) const {
    for (size_t index = first; index < end && index < entries.size(); index++) draw_one(entries[index]);
}

void shown_pictures::draw_one(const shown_picture& entry) {
    img_mgr* const picture = entry.picture;
    if (picture) {
        const bool turned_over = (picture->mirrored != 0) != (entry.mirrored != 0);
        const Uint8 opacity = picture->alpha;
        if (turned_over) picture->mirror();
        picture->set_alpha(entry.alpha);
        switch (entry.drawn) {
        case shown_picture::PLAIN: picture->display(entry.x, entry.y); break;
        case shown_picture::SCALED: picture->display_scaled(entry.x, entry.y, screen.surface, entry.zoom_x); break;
        case shown_picture::SQUASHED: picture->display_zoomed(entry.x, entry.y, entry.zoom_x, entry.zoom_y); break;
        case shown_picture::TURNED:
            picture->display(entry.x, entry.y, screen.surface, (float)entry.zoom_x, (float)entry.zoom_y, entry.angle);
            break;
        }
        picture->set_alpha(opacity);
        if (turned_over) picture->mirror();
    }
    if (entry.sound) entry.sound->play(-1, 0);
}
