#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/platform.h"
#include "platform/screen_mgr.h"
#include "sound/music.h"
#include "sound/sound_cache.h"
#include "sound/sound_levels.h"
#include "tests/support/captured_log.h"
#include "tests/support/temp_folder.h"

namespace {

// A silent 16-bit stereo WAV file, written in code.
std::string silent_wav(const std::string& name, Uint32 samples = 441) {
    static const temp_folder folder("brawler_sound");
    const std::string path = folder.file(name);
    const Uint32 data_bytes = samples * 4;
    const Uint32 header[] = {0x46464952, 36 + data_bytes, 0x45564157, 0x20746d66, 16,
                             0x00020001, 44100, 44100 * 4, 0x00100004, 0x61746164, data_bytes};
    FILE* out = fopen(path.c_str(), "wb");
    fwrite(header, sizeof(header), 1, out);
    for (Uint32 i = 0; i < data_bytes; i++) fputc(0, out);
    fclose(out);
    return path;
}

class sound_cache : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        screen.init_audio();
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 8192), 0) << Mix_GetError();
    }
    static void TearDownTestSuite() { Mix_CloseAudio(); }
};

TEST_F(sound_cache, each_effect_file_is_loaded_once_by_exact_name) {
    const std::string path = silent_wav("punch.wav");
    sound_handle* first = Sound_Manager.get(path.c_str());
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first->chunk, nullptr);
    sound_handle* again = nullptr;
    const std::string log = captured_log([&] { again = Sound_Manager.get(path.c_str()); });
    EXPECT_EQ(again, first);
    EXPECT_NE(log.find("Found in nmanager cache [" + path + "] assigning"), std::string::npos);
    EXPECT_EQ(log.find("loading sfx"), std::string::npos);

    // The same file under a name in other letters is another record.
    const std::string upper = silent_wav("PUNCH.wav");
    sound_handle* other = Sound_Manager.get(upper.c_str());
    EXPECT_NE(other, first);
    EXPECT_NE(other->chunk, first->chunk);
    EXPECT_EQ(sound_levels::EFFECT_VOLUME, Mix_VolumeChunk(first->chunk, -1));
}

// Shown again in a later frame while it still plays, an effect starts on
// another channel; drawn again within the same frame (an afterimage), it
// does not start a second, coinciding copy.
TEST_F(sound_cache, an_effect_starts_once_a_moment_and_again_in_later_frames) {
    sound_handle* effect = Sound_Manager.get(silent_wav("long.wav", 44100).c_str());
    Mix_HaltChannel(-1);
    platform::use_script(true);
    platform::set_ticks(5000);
    effect->play(-1, 0);
    effect->play(-1, 0);
    EXPECT_EQ(1, Mix_Playing(-1));
    platform::set_ticks(5017);
    effect->play(-1, 0);
    EXPECT_EQ(2, Mix_Playing(-1));
    platform::use_script(false);
    Mix_HaltChannel(-1);
}

TEST_F(sound_cache, a_missing_file_is_cached_with_no_sample_and_plays_nothing) {
    testing::internal::CaptureStdout();
    sound_handle* missing = Sound_Manager.get("no/such/effect.wav");
    const std::string log = testing::internal::GetCapturedStdout();
    ASSERT_NE(missing, nullptr);
    EXPECT_EQ(missing->chunk, nullptr);
    EXPECT_NE(log.find("loading sfx [no/such/effect.wav]"), std::string::npos);
    EXPECT_NE(log.find("Mix_LoadWAV: "), std::string::npos);
    EXPECT_EQ(Sound_Manager.get("no/such/effect.wav"), missing);
    Mix_HaltChannel(-1);
    missing->play(-1, 0);
    EXPECT_EQ(Mix_Playing(-1), 0);
}

// Music plays only with audio, at its level; a missing music is ignored.
TEST_F(sound_cache, music_plays_only_with_audio_and_at_its_level) {
    Mix_Music* tune = Mix_LoadMUS(silent_wav("tune.wav", 44100).c_str());
    ASSERT_NE(tune, nullptr) << Mix_GetError();
    const Sint32 audio = screen.audio_ok;
    screen.audio_ok = 0;
    music::keep_looping(tune);
    music::start_loop(tune);
    music::fade_in_intro(tune);
    EXPECT_FALSE(Mix_PlayingMusic());
    platform::use_script(true);
    platform::set_ticks(0);
    music::fade_out_all();
    EXPECT_EQ(platform::ticks(), 0u);  // no one-second fade without audio

    screen.audio_ok = 1;
    Mix_VolumeMusic(MIX_MAX_VOLUME);
    music::keep_looping(nullptr);
    EXPECT_FALSE(Mix_PlayingMusic());
    music::keep_looping(tune);
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(sound_levels::MUSIC_VOLUME, Mix_VolumeMusic(-1));
    music::fade_out_all();
    EXPECT_EQ(platform::ticks(), 1000u);
    platform::use_script(false);
    Mix_HaltMusic();
    Mix_FreeMusic(tune);
    screen.audio_ok = audio;
}

}  // namespace
