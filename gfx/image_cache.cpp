#include "gfx/image_cache.h"

nmanager<img_mgr> Image_Manager;
