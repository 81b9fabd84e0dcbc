#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/game_runner.h"

// The real game played as a player meets it: both programs, both renderers,
// in a real X server, driven through the keyboard. A failing run keeps its
// screenshots and logs in the run folder named in the failure message.
namespace {

// Colours of the heads-up display's life bars.
const int LIFE_R = 246, LIFE_G = 206, LIFE_B = 127;

class play : public ::testing::TestWithParam<game_variant> {
protected:
    game_run_options options_for(const std::string& what) const {
        game_run_options options;
        options.label = "e2e_" + what + "_" + GetParam().name();
        options.program = GetParam().program;
        options.game_ini = GetParam().game_ini();
        options.timeout_seconds = 240;
        return options;
    }

    static screenshot shot_named(const game_run_result& run, const std::string& name) {
        screenshot picture;
        picture.load(run.run_dir + "/" + name + ".png");
        return picture;
    }

    // The game's own lines must show no failure to load our data.
    // The first row of the window that holds the colour; 480 for none.
    static int top_row_near(const screenshot& picture, int r, int g, int b) {
        for (int row = 0; row < 480; row++) {
            if (picture.share_near(0, row, 640, 1, r, g, b, 16) > 0) return row;
        }
        return 480;
    }

    static void expect_clean_log(const game_run_result& run) {
        EXPECT_FALSE(run.log_has("Couldn't load")) << "see " << run.run_dir << "/stdout.txt";
        EXPECT_FALSE(run.log_has("ERROR")) << "see " << run.run_dir << "/stdout.txt";
        EXPECT_FALSE(run.log_has("Can't open [")) << "see " << run.run_dir << "/stdout.txt";
    }
};

const char* WHOLE_SESSION =
    "wait_log 60 Qmlogo loaded\n"
    "shot logo\n"
    "wait_log 60 MAIN MENU:\n"
    "wait 1\n"
    "shot menu\n"
    // arcade: the selection, then a ladder against the computer
    // The menu's logo grows for 255 frames before the selection opens: on
    // a busy machine that outlasts any fixed pause.
    "key Return\n"
    "wait_log 60 CHARACTER SELECTION: player [1]\n"
    "wait 1\n"
    "shot select\n"
    "press_until 60 Return 1 Setting FPS [60]\n"
    "wait_log 30 Round [1]\n"
    "wait 0.6\n"
    "shot intro\n"
    "wait 1.5\n"
    "shot match\n"
    "hold Left 1.2\n"
    "key space\nwait 0.3\nkey k\nwait 0.3\nkey i\nwait 0.3\nkey space\nwait 0.3\nkey k\nwait 0.3\n"
    "hold Left 0.6\n"
    "key space\nwait 0.3\nkey k\nwait 0.3\nkey i\nwait 0.3\nkey space\nwait 0.3\nkey k\nwait 0.3\n"
    "shot blows\n"
    // The first series won, however many rounds it takes: the victory, then
    // who comes next; Escape in the second series leaves the ladder.
    "down Left\n"
    "press_until 150 space 1 Victory: [\n"
    "up Left\n"
    "wait 1\n"
    "shot victory\n"
    "wait_log 30 Next: [\n"
    "wait 0.6\n"
    "shot next\n"
    "wait_logn 60 2 Round [1]\n"
    "key Escape\n"
    "wait_logn 60 2 MAIN MENU:\n"
    "wait 1\n"
    // the option screen: one more round to win, i gives way to j as the
    // punch, a look at the video and cheat pages, and back
    "tap_until 30 Down cursor [5]\n"
    "press_until 30 Return 1 OPTION MENU:\n"
    "wait 1.5\n"
    "shot options\n"
    "press_until 30 Return 1 OPTION PAGE: Game\n"
    "key Right\n"
    "wait 0.5\n"
    "shot option_game\n"
    "key Escape\n"
    "tap_until 30 Down cursor [1]\n"
    "press_until 30 Return 1 OPTION PAGE: Player 1\n"
    "tap_until 30 Down cursor [4]\n"
    "key Return\n"
    "wait 0.3\n"
    "key j\n"
    "wait_log 10 Player 1 Punch bound to [106]\n"
    "shot option_keys\n"
    "key Escape\n"
    "tap_until 30 Down cursor [3]\n"
    "press_until 30 Return 1 OPTION PAGE: Video\n"
    "wait 0.5\n"
    "shot option_video\n"
    "key Escape\n"
    "tap_until 30 Down cursor [4]\n"
    "press_until 30 Return 1 OPTION PAGE: Cheats\n"
    "wait 0.5\n"
    "shot option_cheats\n"
    "key Escape\n"
    "wait 0.5\n"
    "key Escape\n"
    "wait_logn 30 3 MAIN MENU:\n"
    "wait 1\n"
    // versus: two selections, both players' keys
    "tap_until 30 Down cursor [1]\n"
    "key Return\n"
    "wait_log 60 CHARACTER SELECTION: player [1]\n"
    "press_until 60 Return 1 CHARACTER SELECTION: player [2]\n"
    "press_until 60 Tab 3 Setting FPS [60]\n"
    // Each match below starts its first round once its stage and fighters
    // have loaded, however long that takes.
    "wait_logn 60 3 Round [1]\n"
    "wait 2\n"
    "down Right\ndown d\nwait 1\nup Right\nup d\n"
    "key space\nkey Tab\nwait 0.3\nkey k\nkey z\nwait 0.3\nkey space\nkey Tab\nwait 0.3\n"
    "shot versus\n"
    "key Escape\n"
    "wait_logn 60 4 MAIN MENU:\n"
    "wait 1\n"
    // demo: computer against computer
    "tap_until 30 Down cursor [3]\n"
    "key Return\n"
    "wait_logn 60 4 Round [1]\n"
    "wait 3\n"
    "shot demo\n"
    "key Escape\n"
    "wait_logn 60 5 MAIN MENU:\n"
    "wait 1\n"
    // training: the player's fighter and the dummy, blows with the boxes and
    // inputs on screen, the pause list, a crouching dummy
    "tap_until 30 Down cursor [4]\n"
    "key Return\n"
    "wait_log 60 CHARACTER SELECTION: player [1]\n"
    "press_until 60 Return 1 CHARACTER SELECTION: player [3]\n"
    "press_until 60 Return 5 Setting FPS [60]\n"
    "wait_logn 60 5 Round [1]\n"
    "wait 2\n"
    "hold Left 0.8\n"
    "key space\nwait 0.3\nkey k\nwait 0.3\ndown Down\nkey space\nup Down\nwait 0.2\n"
    "shot training\n"
    "key p\n"
    "wait_log 10 Match paused\n"
    "wait 0.5\n"
    "shot paused\n"
    "tap_until 10 Down cursor [1]\n"
    "key Return\n"
    "wait_log 10 Training dummy [Dummy: crouch]\n"
    "tap_until 10 Up cursor [0]\n"
    "key Return\n"
    "wait_log 10 Match resumed\n"
    "wait 1\n"
    "shot crouching\n"
    "key Escape\n"
    "wait_logn 60 6 MAIN MENU:\n"
    "wait 1\n"
    // quit
    "press_until 30 Escape 1 Cleaning Image_Manager Cache\n";

// The arcade ladder's opponents fall to a single blow in the session's copy
// of the fighters, so the player wins the first series by playing it.
const char* WEAK_OPPONENTS =
    "rm game/fighter\n"
    "cp -r '" BRAWLER_SOURCE_DIR "/game/fighter' game/fighter\n"
    "sed -i 's/^hp=.*/hp=1/' game/fighter/halvard_char.ini game/fighter/tamsin_char.ini "
    "game/fighter/morrow_char.ini\n";

TEST_P(play, whole_session_from_logo_to_quit) {
    game_run_options options = options_for("session");
    options.key_script = WHOLE_SESSION;
    // Settings saved by an earlier run: read at the start, kept through the
    // session's own changes. Two round wins keep the arcade series short:
    // the computer's choices, drawn from the clock, can stretch a four-win
    // series past a minute and a half of play.
    options.prepare = std::string(WEAK_OPPONENTS) +
                      "mkdir -p config/quillmoor\n"
                      "printf 'music_volume=7\\nrounds_to_win=2\\n' >config/quillmoor/settings.ini";
    options.timeout_seconds = 300;
    const game_run_result run = run_game(options);
    const std::string where = " (run folder " + run.run_dir + ")";

    ASSERT_FALSE(run.timed_out) << "the game did not quit" << where << "\n" << run.runner_log;
    EXPECT_EQ(0, run.exit_status) << run.err << where;
    EXPECT_EQ("", run.runner_log) << where;

    // A player's log names the SDL it ran on: the one this test runs on,
    // whichever library serves SDL 1.2 here.
    const SDL_version* linked = SDL_Linked_Version();
    const std::string version = std::to_string(linked->major) + "." + std::to_string(linked->minor) + "." +
                                std::to_string(linked->patch);
    EXPECT_TRUE(run.log_has("SDL version [" + version + "]\n")) << where;

    // The stages of the flow, in the log.
    EXPECT_TRUE(run.log_has("Preloading done fade out logo, fade in main menu\n")) << where;
    EXPECT_TRUE(run.log_has("Fade Out done\n")) << where;
    EXPECT_EQ(6, run.log_count("MAIN MENU:\n")) << where;
    EXPECT_EQ(1, run.log_count("OPTION MENU:\n")) << where;
    EXPECT_TRUE(run.log_has("Settings [" + run.run_dir + "/config/quillmoor/settings.ini]\n")) << where;
    EXPECT_EQ(4, run.log_count("Settings written to [")) << where;
    std::ifstream saved_file(run.run_dir + "/config/quillmoor/settings.ini");
    const std::string saved((std::istreambuf_iterator<char>(saved_file)), std::istreambuf_iterator<char>());
    for (const char* kept : {"rounds_to_win=3\n", "music_volume=7\n", "p1_punch=106\n", "p1_kick=107\n"}) {
        EXPECT_NE(std::string::npos, saved.find(kept)) << kept << " not in the saved settings" << where;
    }
    EXPECT_EQ(5, run.log_count("Setting FPS [60]\n")) << where;
    EXPECT_EQ(5, run.log_count("Level Unloaded\n")) << where;
    EXPECT_EQ(5, run.log_count("Clearing Gameobjects\n")) << where;
    EXPECT_EQ(1, run.log_count("Victory: [Player 1 Wins]")) << where;
    EXPECT_EQ(1, run.log_count("Next: [")) << where;
    EXPECT_TRUE(run.log_has("Arcade ladder left after [1] of [3]")) << where;
    EXPECT_TRUE(run.log_has("Current Zoom [")) << where;
    EXPECT_TRUE(run.log_has("Reseting ax/vx\n")) << "no blow landed" << where;
    EXPECT_TRUE(run.log_has("Cleaning Image_Manager Cache\n")) << where;
    EXPECT_LT(run.out.rfind("Cleaning Image_Manager Cache\n"), run.out.rfind("Done\n")) << where;
    expect_clean_log(run);

    // The screen at each stage: pictures, not an empty window. (The logo is
    // on screen for about half a second only; its shot is kept for a person
    // to look at, not judged.)
    for (const char* name : {"menu", "select", "intro", "match", "blows", "victory", "next", "options", "option_game",
                             "option_keys", "option_video", "option_cheats", "versus", "demo", "training", "paused"}) {
        const screenshot picture = shot_named(run, name);
        ASSERT_EQ(1280, picture.width) << name << where;
        EXPECT_GT(picture.colour_variety(0, 0, 640, 480), 4) << name << " looks empty" << where;
    }
    // The match: both life bars in their colour at the top corners.
    for (const char* name : {"match", "versus", "demo", "training"}) {
        const screenshot picture = shot_named(run, name);
        EXPECT_GT(picture.share_near(30, 13, 200, 6, LIFE_R, LIFE_G, LIFE_B, 16), 0.2) << name << " left bar" << where;
        EXPECT_GT(picture.share_near(410, 13, 200, 6, LIFE_R, LIFE_G, LIFE_B, 16), 0.2) << name << " right bar" << where;
        // The stage fills the screen.
        EXPECT_GT(picture.colour_variety(0, 100, 640, 300), 40) << name << where;
    }
    // Training: both hit boxes outlined, the dummy's (cyan) lower once it
    // crouches; paused, the picture stays but darkened, with the pause list
    // in white over it.
    const screenshot training = shot_named(run, "training");
    const screenshot crouching = shot_named(run, "crouching");
    const screenshot paused = shot_named(run, "paused");
    EXPECT_GT(training.share_near(0, 100, 640, 380, 0, 255, 255, 16), 0.001) << where;
    EXPECT_GT(training.share_near(0, 100, 640, 380, 255, 255, 0, 16), 0.001) << where;
    EXPECT_GT(top_row_near(crouching, 0, 255, 255), top_row_near(training, 0, 255, 255) + 20) << where;
    EXPECT_EQ(0.0, paused.share_near(30, 13, 200, 6, LIFE_R, LIFE_G, LIFE_B, 16)) << where;
    EXPECT_GT(paused.share_near(30, 13, 200, 6, LIFE_R / 3, LIFE_G / 3, LIFE_B / 3, 30), 0.2) << where;
    EXPECT_GT(paused.share_near(160, 100, 320, 300, 255, 255, 255, 8), 0.03) << where;
    EXPECT_TRUE(run.log_has("Training dummy [Dummy: crouch]")) << where;
    // "Round 1" in white in the middle; the next opponent's name in gold at
    // the top.
    EXPECT_GT(shot_named(run, "intro").share_near(270, 220, 100, 40, 255, 255, 255, 60), 0.05) << where;
    EXPECT_GT(shot_named(run, "next").share_near(220, 15, 200, 30, LIFE_R, LIFE_G, LIFE_B, 40), 0.1) << where;
    // Nothing is drawn outside the 640x480 window, which opens in the middle
    // of the screen on every SDL library.
    const screenshot menu = shot_named(run, "menu");
    EXPECT_EQ(640, menu.window.w) << where;
    EXPECT_EQ(480, menu.window.h) << where;
    EXPECT_EQ((1280 - 640) / 2, menu.window.x) << where;
    EXPECT_EQ((1024 - 480) / 2, menu.window.y) << where;
    EXPECT_GT(menu.share_near_outside(menu.window, 0, 0, 0, 2), 0.99) << where;
}

INSTANTIATE_TEST_SUITE_P(programs_and_renderers, play,
                         ::testing::ValuesIn(GAME_VARIANTS),
                         [](const ::testing::TestParamInfo<game_variant>& info) { return info.param.name(); });

// The mixer's output, written to a file by SDL's disk audio driver.
const size_t SAMPLES_PER_SECOND = 44100 * 2;

double rms_of(const std::vector<short>& samples, size_t from, size_t to) {
    double sum = 0;
    for (size_t i = from; i < to && i < samples.size(); i++) sum += (double)samples[i] * samples[i];
    return to > from ? std::sqrt(sum / (double)(to - from)) : 0.0;
}

// The share of samples from `from` on that the mixer had to clip.
double clipped_share(const std::vector<short>& samples, size_t from) {
    size_t clipped = 0;
    for (size_t i = from; i < samples.size(); i++) clipped += samples[i] >= 32767 || samples[i] <= -32768;
    return samples.size() > from ? (double)clipped / (double)(samples.size() - from) : 0.0;
}

// Records a session that starts a demo match and lets it play `seconds`.
std::vector<short> record_demo(const std::string& label, int seconds, const std::string& prepare) {
    game_run_options options;
    options.label = label;
    options.game_ini = "hwaccel=0\n";
    options.audio_file = testing::TempDir() + label + ".raw";
    options.prepare = prepare;
    options.key_script =
        "wait_log 60 MAIN MENU:\n"
        "wait 4\n"
        "tap_until 30 Down cursor [3]\n"
        "key Return\n"
        "wait_log 60 Setting FPS [60]\n"
        "wait " + std::to_string(seconds) + "\n";
    options.timeout_seconds = 1;  // the run ends during the match
    remove(options.audio_file.c_str());
    run_game(options);

    std::vector<short> samples;
    FILE* file = fopen(options.audio_file.c_str(), "rb");
    if (!file) return samples;
    short buffer[4096];
    size_t got;
    while ((got = fread(buffer, sizeof(short), 4096, file)) > 0) samples.insert(samples.end(), buffer, buffer + got);
    fclose(file);
    return samples;
}

TEST(sound, menu_and_match_are_heard) {
    const std::vector<short> samples = record_demo("e2e_sound", 5, "");
    ASSERT_GT(samples.size(), SAMPLES_PER_SECOND * 6) << "too little audio";
    EXPECT_GT(rms_of(samples, samples.size() / 4, samples.size() / 2), 200.0) << "the menu is silent";
    EXPECT_GT(rms_of(samples, samples.size() - SAMPLES_PER_SECOND * 2, samples.size()), 200.0)
        << "the match is silent";
}

// The demo's fighters played by the one whose moves sound the most (a
// rush of eight swings): the music and every blow together must fit the
// samples. The fighter file takes the place of the demo's in a private copy
// of the fighters.
TEST(sound, a_match_of_the_loudest_fighters_does_not_clip) {
    const std::string fighters = std::string(BRAWLER_SOURCE_DIR) + "/game/fighter";
    const std::vector<short> samples = record_demo(
        "e2e_sound_loudest", 40,
        "rm game/fighter\ncp -r '" + fighters + "' game/fighter\n"
        "cp game/fighter/tamsin_char.ini game/fighter/lunet_char.ini");
    const size_t match = SAMPLES_PER_SECOND * 35;
    ASSERT_GT(samples.size(), match + SAMPLES_PER_SECOND * 6) << "too little audio";
    const size_t from = samples.size() - match;
    EXPECT_GT(rms_of(samples, from, samples.size()), 200.0) << "the match is silent";
    EXPECT_LE(clipped_share(samples, from), 0.0001) << "of the last 35 s of the match";
}

}  // namespace
