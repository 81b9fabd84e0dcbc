#include "sound/volume.h"

#include <SDL/SDL_mixer.h>

#include "platform/screen_mgr.h"
#include "sound/sound_levels.h"

namespace volume {

namespace {

int music_step = STEPS;

int within_steps(int step) { return step < 0 ? 0 : (step > STEPS ? STEPS : step); }

}  // namespace

int music_level() { return sound_levels::MUSIC_VOLUME * music_step / STEPS; }

void set_music_step(int step) {
    music_step = within_steps(step);
    if (screen.audio_ok == 1) Mix_VolumeMusic(music_level());
}

// Each effect keeps its own level (sound_levels); the channels scale it.
void set_effects_step(int step) {
    if (screen.audio_ok == 1) Mix_Volume(-1, MIX_MAX_VOLUME * within_steps(step) / STEPS);
}

}  // namespace volume
