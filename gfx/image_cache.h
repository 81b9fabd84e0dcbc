#ifndef GFX_IMAGE_CACHE_H
#define GFX_IMAGE_CACHE_H

#include "gfx/img_mgr.h"
#include "config/nmanager.h"

// Every animation frame and projectile picture is loaded once, by file name,
// through this cache; it is emptied only at shut-down.
extern nmanager<img_mgr> Image_Manager;

#endif
