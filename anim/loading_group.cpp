#include "anim/loading_group.h"

#include "shell/screen_mgr.h"

anim_group loading_group;

void show_loading_progress() {
    loading_group.play(0, screen.height() - loading_group.height);
    screen.flip();
}
