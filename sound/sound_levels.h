#ifndef SOUND_SOUND_LEVELS_H
#define SOUND_SOUND_LEVELS_H

#include <SDL/SDL_mixer.h>

// How loud music and effects play, out of MIX_MAX_VOLUME. In a match the
// music and several effects sound at once and the mixer adds them up: at
// full volume the sum clipped for seconds on end. These levels leave room
// for the music and a few overlapping blows, and keep the blows well above
// the music. They are set for sound played as it happens: a recording that
// runs ahead of the game (the classic library's disk writer puts out 1.2 s
// of sound a second) spreads the blows apart and hides clipping that a
// player hears.
namespace sound_levels {

const int MUSIC_VOLUME = 22;
const int EFFECT_VOLUME = 46;

}  // namespace sound_levels

#endif
