#ifndef SOUND_MUSIC_H
#define SOUND_MUSIC_H

#include <SDL/SDL_mixer.h>

// The music rules of the screens. Every call does nothing when the audio
// subsystem did not start (screen.audio_ok 0), and a null music is ignored.
namespace music {

// Sets the music to its level. The mixer opens at full volume; each rule
// below sets it as it starts a music, and a fade-in rises to it.
void set_level();
// The tune in `path`, or null with a line naming the file when it can't be
// read; the screens then go on silent. Loads whatever audio_ok says, so the
// failure tells why the game is silent.
Mix_Music* load(const char* path);
// Plays `intro` once, fading in over a second.
void fade_in_intro(Mix_Music* intro);
// Starts `loop` repeating forever, replacing whatever plays.
void start_loop(Mix_Music* loop);
// Starts `loop` repeating forever only when no music plays: called every
// frame, it follows the intro as soon as that ends and resumes music that
// stopped.
void keep_looping(Mix_Music* loop);
// Fades every effect and the music out over a second and waits for it.
void fade_out_all();

}  // namespace music

#endif
