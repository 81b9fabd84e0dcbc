#ifndef ANIM_LOADING_GROUP_H
#define ANIM_LOADING_GROUP_H

#include "anim/anim_group.h"

// The animation that keeps moving while files load. Built empty before
// main; the preloading adds the looping definition of
// game/fighter/loading.ini and sets the group's width and height to its
// largest frame.
extern anim_group loading_group;

// One step of a long load: plays one tick of loading_group in the
// bottom-left corner, at (0, screen height - loading_group.height), over
// whatever the screen shows, and presents the screen. The stage and the
// fighter loaders call it after every loading step.
void show_loading_progress();

#endif
