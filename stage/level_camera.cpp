#include "stage/level_camera.h"

#include "anim/loading_group.h"
#include "platform/screen_mgr.h"
#include "stage/level.h"

level_camera current_camera() {
    if (!current_level) return level_camera{0, 0, 1.0, 1.0, screen.width()};
    level_camera view{current_level->scroll_x, current_level->scroll_y, current_level->zoom, current_level->scale,
                      current_level->level_width};
    if (view.zoom <= 0.0) view.zoom = 1.0;
    if (view.scale <= 0.0) view.scale = 1.0;
    return view;
}

double current_zoom() { return current_level ? current_level->zoom : 1.0; }

void start_screen_effects(const frame_effects& asked) {
    if (current_level) current_level->start_effects(asked);
}

void show_loading_step() { start_screen_effects(show_loading_progress(current_zoom())); }
