#include "sound/sound_cache.h"

nmanager<sound_handle> Sound_Manager;
