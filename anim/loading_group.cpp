#include "anim/loading_group.h"

#include "platform/screen_mgr.h"

// In this order, so the group never holds a definition not yet built.
Anim_Mgr loading_animation;
anim_group loading_group;

void show_loading_progress() {
    loading_group.play(0, screen.height() - loading_group.height);
    screen.flip();
}
