#ifndef SOUND_VOLUME_H
#define SOUND_VOLUME_H

// The player's volume steps for music and effects, 0 (silent) to STEPS. The
// top step is the game's own mix (sound_levels): it already leaves room for
// the music and several blows at once, so a louder one would only clip.
namespace volume {

enum { STEPS = 10 };

// Music from now on, including a tune already playing.
void set_music_step(int step);
// Every effect channel, from the next sound on and for those playing.
void set_effects_step(int step);
// The mixer level music plays at, out of MIX_MAX_VOLUME.
int music_level();

}  // namespace volume

#endif
