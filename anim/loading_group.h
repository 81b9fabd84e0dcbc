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

// One step of a long load: plays one tick of loading_group in the
// bottom-left corner, at (0, screen height - loading_group.height), over
// whatever the screen shows, and presents the screen. The stage and the
// fighter loaders call it after every loading step.
void show_loading_progress();

#endif
