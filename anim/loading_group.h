#ifndef ANIM_LOADING_GROUP_H
#define ANIM_LOADING_GROUP_H

#include "anim/anim_group.h"

// The animation that keeps moving while files load, and the definition it
// plays. Both are built empty before main, the definition first; the
// preloading reads game/fighter/loading.ini into the definition, makes it
// loop, adds it to the group and sets the group's width and height to its
// largest frame. The release lets go of both.
extern Anim_Mgr loading_animation;
extern anim_group loading_group;

// One step of a long load: plays one tick of loading_group at `zoom` in the
// bottom-left corner, at (0, screen height - loading_group.height), paints
// it over whatever the screen shows while the screen is painting, and
// presents the screen. Returns what its frame asks of the screen. The stage
// calls it, with its zoom, after every loading step of its own and of the
// fighters.
frame_effects show_loading_progress(double zoom);

#endif
