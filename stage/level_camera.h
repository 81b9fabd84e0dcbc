#ifndef STAGE_LEVEL_CAMERA_H
#define STAGE_LEVEL_CAMERA_H

#include "anim/frame_effects.h"

// What objects, frames and effects read of the running level's camera.
// Without a level (tests, screens before a series) nothing scrolls, nothing
// zooms and the play area is the screen.
struct level_camera {
    int scroll_x;
    int scroll_y;
    double zoom;
    double scale;
    int level_width;
};

// For placing and clamping: a zero or negative zoom or scale from a broken
// stage reads as 1, so callers may divide by them.
level_camera current_camera();

// The level's zoom as it stands, 1 without a level: frames and their
// effects are shown at exactly the zoom the stage has.
double current_zoom();

// Hands a flash or shake a frame asks for to the running level; without
// one it is dropped.
void start_screen_effects(const frame_effects& asked);

// One step of the loading indicator at the level's zoom, its frame's
// effects handed to the level: the stage and the fighter loaders call it
// after every loading step.
void show_loading_step();

#endif
