#ifndef SOUND_SOUND_CACHE_H
#define SOUND_SOUND_CACHE_H

#include "config/nmanager.h"
#include "sound/sound_handle.h"

// Sound effects by file name (exact, case-sensitive), each loaded once. A
// missing file stays cached with a null chunk and is not retried.
extern nmanager<sound_handle> Sound_Manager;

#endif
