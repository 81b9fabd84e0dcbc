#include "anim/static_scene.h"

#include <GL/gl.h>

#include "anim/anim_mgr.h"
#include "anim/frame.h"
#include "gfx/img_mgr.h"
#include "platform/screen_mgr.h"

// The scene never changes, so its drawing is compiled once and replayed.
void static_scene::draw_gl() {
    // Lists made in a context that is gone are compiled again in this one.
    if (lists_context != screen.gl_context) display_lists.clear();
    if (!display_lists.empty()) {
        for (unsigned int list : display_lists) glCallList(list);
        return;
    }
    const GLuint list = glGenLists(1);
    if (!list) {
        // No list to be had: the scene is still shown, picture by picture.
        draw_pictures();
        return;
    }
    // Uploads must happen before compiling: texture creation inside a list
    // would be recorded rather than done once.
    upload_pictures();
    glNewList(list, GL_COMPILE_AND_EXECUTE);
    draw_pictures();
    glEndList();
    display_lists.push_back(list);
    lists_context = screen.gl_context;
}

void static_scene::upload_pictures() const {
    for (const entry& placed : entries) {
        if (!placed.anim) continue;
        for (const frame& shown : placed.anim->frames) {
            if (shown.image) shown.image->tohw();
        }
    }
}

void static_scene::free_display_lists() {
    // Names from a context that is gone may belong to others' lists now.
    if (lists_context != screen.gl_context) display_lists.clear();
    for (unsigned int list : display_lists) glDeleteLists(list, 1);
    display_lists.clear();
}
