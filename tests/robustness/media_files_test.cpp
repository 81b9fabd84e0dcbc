// Pictures, text faces, music and sound effects that are missing or broken
// on disk: each is reported in the log and the game goes on with nothing in
// its place, on every call the game makes with it afterwards.
#include <SDL/SDL_mixer.h>
#include <sys/stat.h>

#include "anim/shown_pictures.h"
#include "anim/anim_group.h"
#include "anim/anim_mgr.h"
#include "anim/frame.h"
#include "gfx/image_cache.h"
#include "gfx/img_mgr.h"
#include "gfx/txt_mgr.h"
#include "objects/fighter_lifeform.h"
#include "platform/ref_ptr.h"
#include "sound/music.h"
#include "sound/sound_cache.h"
#include "stage/level.h"
#include "tests/robustness/broken_files.h"

namespace {

class broken_media : public testing::TestWithParam<breakage> {
protected:
    static void SetUpTestSuite() {
        open_test_screen();
        // The dummy audio driver decodes and mixes like a sound card would.
        screen.init_audio();
        if (screen.audio_ok && Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 1024) < 0) screen.audio_ok = 0;
    }
    static void TearDownTestSuite() {
        if (screen.audio_ok) Mix_CloseAudio();
        screen.audio_ok = 0;
    }

    // Whether the library read the broken file at all: a file cut in half or
    // with a bad body may still hold a readable start.
    bool wholly_unreadable() const {
        return GetParam() == breakage::MISSING || GetParam() == breakage::EMPTY || GetParam() == breakage::WRONG_KIND;
    }

    broken_folder files;
};

// Every way the game draws a picture, on a picture that failed to load.
void use_every_way(img_mgr& picture) {
    picture.display(10, 10);
    picture.display(10, 10, screen.surface, 2.0f, 0.5f, 45);
    picture.display_zoomed(10, 10, 0.5, 0.1);
    picture.display_scaled(0, 0, screen.surface, 0.5);
    picture.display_floor(0, 400, screen.surface, 1.0, 0.17);
    picture.display_tiled(0, 0, 640, 480);
    picture.mirror();
    picture.set_alpha(64);
    picture.swap_color(SDL_MapRGB(screen.surface->format, 255, 255, 255), SDL_MapRGB(screen.surface->format, 0, 0, 255));
}

TEST_P(broken_media, picture_is_logged_and_every_later_use_is_harmless) {
    const std::string path = files.make(GetParam(), "rsrc/road/floor_road.png", "floor.png");
    img_mgr* cached = nullptr;
    const std::string log = captured_log([&] { cached = Image_Manager.get(path.c_str()); });
    ASSERT_NE(cached, nullptr);
    if (wholly_unreadable() || !cached->has_surface()) {
        EXPECT_TRUE(logged(log, "Couldn't load " + path)) << log;
        EXPECT_EQ(cached->width(), 0);
        EXPECT_EQ(cached->height(), 0);
    }
    captured_log([&] {
        use_every_way(*cached);
        img_mgr private_copy(*cached);
        use_every_way(private_copy);
        cached->overlaps(0, 0, private_copy, 5, 5, 1.5f);
    });
    // Asked for again, the failure is not retried.
    img_mgr* again = nullptr;
    const std::string second_log = captured_log([&] { again = Image_Manager.get(path.c_str()); });
    EXPECT_EQ(again, cached);
    EXPECT_FALSE(logged(second_log, "Couldn't load")) << second_log;
}

// A JPEG cut short decodes without a word from the image library; the
// picture shows, and the log names the file.
TEST(broken_picture, cut_jpeg_is_named) {
    open_test_screen();
    broken_folder files;
    const std::string cut = files.make(breakage::TRUNCATED, "rsrc/QM_wallpaper02_1024.jpg", "wall.jpg");
    const std::string log = captured_log([&] { Image_Manager.get(cut.c_str()); });
    EXPECT_TRUE(logged(log, "WARNING: [" + cut + "] is cut short")) << log;
    const std::string whole = captured_log([&] { Image_Manager.get("rsrc/QM_wallpaper02_1024.jpg"); });
    EXPECT_FALSE(logged(whole, "is cut short")) << whole;
}

// A folder where a picture should be, as a stage band and a fighter's still:
// named once, however often it is drawn.
TEST(broken_picture, folder_is_reported_once_not_on_every_draw) {
    open_test_screen();
    anim_files files;
    const std::string folder = files.folder + "/band.png";
    mkdir(folder.c_str(), 0755);
    const std::string bgset = files.text_file("bgset.ini", "width=64 images=1 image0=" + folder + "\n");
    const std::string stage_file = files.text_file("stage.ini", "bgset=" + bgset + " length=2 part0=0 part1=0 floor=0\n");
    const std::string fighter_file = files.text_file("folder_char.ini", "hp=10 images=1 image0=" + folder + "\n");
    level stage;
    stage.publish();
    fighter_lifeform fighter;
    const std::string log = captured_log([&] {
        stage.load(stage_file.c_str());
        fighter.load(fighter_file.c_str());
        for (int frame = 0; frame < 20; frame++) {
            stage.zoom = 1.0 + frame * 0.01;
            stage.advance();
            stage.draw();
            fighter.show();
            fighter.draw();
        }
        stage.unload();
    });
    EXPECT_TRUE(logged(log, "Couldn't load " + folder)) << log;
    size_t lines = 0;
    for (size_t at = log.find("Would be deleting"); at != std::string::npos; at = log.find("Would be deleting", at + 1)) {
        lines++;
    }
    EXPECT_LE(lines, 1u) << log;
}

TEST_P(broken_media, text_face_is_logged_and_text_still_prints) {
    const std::string path = files.make(GetParam(), "rsrc/Veranda.ttf", "face.ttf");
    TXT_MGR face;
    int opened = -1;
    const std::string log = captured_log([&] {
        face.open_font(path.c_str());
        opened = face.font_loaded;
        face.print("Round 1");
        SDL_Surface* rendered = face.render("K.O.");
        if (rendered) SDL_FreeSurface(rendered);
    });
    if (wholly_unreadable()) {
        EXPECT_EQ(opened, 0);
        EXPECT_TRUE(logged(log, "ERROR: TTF_OpenFont")) << log;
    }
    if (!opened) {
        EXPECT_TRUE(logged(log, "ERROR: font [" + path + "] can't be used")) << log;
    }
}

TEST_P(broken_media, music_is_refused_or_plays_out_and_the_screens_go_on) {
    ASSERT_TRUE(screen.audio_ok) << "no audio on the dummy driver";
    const std::string path = files.make(GetParam(), "rsrc/ramp.ogg", "ramp.ogg");
    Mix_Music* tune = nullptr;
    const std::string log = captured_log([&] { tune = music::load(path.c_str()); });
    if (wholly_unreadable()) {
        EXPECT_EQ(tune, nullptr);
    }
    if (!tune) {
        EXPECT_TRUE(logged(log, "Mix_LoadMUS [" + path + "]: ")) << log;
    }
    // What the menus do with it, null or not: start it, keep it going while
    // the mixer decodes what there is, and leave it for the next tune.
    music::fade_in_intro(tune);
    for (int frame = 0; frame < 20; frame++) {
        music::keep_looping(tune);
        SDL_Delay(10);
    }
    music::start_loop(tune);
    SDL_Delay(50);
    Mix_HaltMusic();
    if (tune) Mix_FreeMusic(tune);
}

TEST_P(broken_media, sound_effect_of_a_frame_plays_nothing_and_the_frame_shows) {
    const std::string sound = files.make(GetParam(), "rsrc/sfx/block.wav", "block.wav");
    const std::string spark = files.picture("spark", 20, 20, 250, 200, 40);
    const std::string animation = files.text_file(
        std::string(breakage_name(GetParam())) + "_spark.ini",
        "images=2 image0=" + spark + " sound0=" + sound + " image1=" + spark + " sound1=" + sound + "\n");
    Anim_Mgr definition;
    const std::string log = captured_log([&] {
        definition.load(animation.c_str());
        anim_group group;
        group.add(ref_ptr<Anim_Mgr>(&definition));
        shown_pictures shown;
        for (int tick = 0; tick < 6; tick++) {
            shown.clear();
            group.play(100, 100, 1.0, shown);
            shown.draw();
        }
        group.clear();
    });
    ASSERT_EQ(definition.frames.size(), 2u) << log;
    EXPECT_EQ(definition.frames[0].settings.has_sound, 1);
    if (wholly_unreadable()) {
        EXPECT_TRUE(logged(log, "Mix_LoadWAV")) << log;
        EXPECT_EQ(Sound_Manager.get(sound.c_str())->chunk, nullptr);
    }
}

std::string breakage_label(const testing::TestParamInfo<breakage>& info) { return breakage_name(info.param); }

INSTANTIATE_TEST_SUITE_P(every_breakage, broken_media, testing::ValuesIn(ALL_BREAKAGES), breakage_label);

}  // namespace
