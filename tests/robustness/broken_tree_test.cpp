// The whole match over a data tree whose every file is missing, or broken in
// one way: the preloading, the series set-up, a round of frames and the end
// of the series log what they could not read and run through.
#include <SDL/SDL_framerate.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "objects/game_objects.h"
#include "shell/match.h"
#include "shell/match_assets.h"
#include "platform/platform.h"
#include "tests/robustness/broken_files.h"

namespace {

// Every file a series reads, by its path in the data tree.
const char* const MATCH_FILES[] = {
    "game/fighter/loading.ini",   "game/fighter/expl.ini",        "game/fighter/lunet_swap.ini",
    "game/fighter/lunet_char.ini", "game/fighter/halvard_char.ini", "rsrc/road/stage_road.ini",
    "rsrc/road/bgset_road.ini",   "rsrc/meter/shadow.png",        "rsrc/meter/lifebar_grey.png",
    "rsrc/lunet/lunet_symbol_small.png", "rsrc/Veranda.ttf",      "rsrc/oldengl.ttf"};

class broken_tree : public testing::TestWithParam<breakage> {
protected:
    void SetUp() override {
        open_test_screen();
        platform::use_script(true);
        char* here = getcwd(nullptr, 0);
        home = here ? here : ".";
        free(here);
        for (const char* sub : {"/game", "/game/fighter", "/rsrc", "/rsrc/road", "/rsrc/meter", "/rsrc/lunet"}) {
            mkdir((files.folder + sub).c_str(), 0755);
        }
        for (const char* path : MATCH_FILES) {
            const std::string copy = files.make(GetParam(), path, "match_file");
            if (GetParam() != breakage::MISSING) rename(copy.c_str(), (files.folder + "/" + path).c_str());
        }
        ASSERT_EQ(chdir(files.folder.c_str()), 0);
    }
    void TearDown() override {
        if (chdir(home.c_str()) != 0) ADD_FAILURE() << "cannot return to " << home;
        platform::use_script(false);
    }

    broken_folder files;
    std::string home;
};

TEST_P(broken_tree, demo_series_logs_what_it_could_not_read_and_plays_a_round) {
    match_assets assets;
    FPSmanager pacing;
    SDL_initFramerate(&pacing);
    match_request request;
    request.mode = match_request::DEMO;
    request.fighter_files = {"game/fighter/lunet_char.ini", "game/fighter/halvard_char.ini"};
    request.first_choice = 7;  // past the list
    request.framerate = &pacing;
    int frames = 0;
    const std::string log = captured_log([&] {
        assets.preload(nullptr);
        match series(request, assets);
        series.set_up();
        series.start_round();
        for (; frames < 90 && !series.round_done(); frames++) series.frame();
        series.end_series();
        assets.release();
    });
    EXPECT_TRUE(logged(log, "WARNING: fighter choice [7] is not one of the [2] fighters, using 0")) << log;
    EXPECT_TRUE(game_objects.empty());
    EXPECT_GT(frames, 0);
    if (GetParam() == breakage::MISSING) {
        EXPECT_TRUE(logged(log, "Can't open [rsrc/road/stage_road.ini]")) << log;
        EXPECT_TRUE(logged(log, "Can't load animation from [game/fighter/loading.ini]")) << log;
        EXPECT_TRUE(logged(log, "WARNING: Can't read fighter file [game/fighter/lunet_char.ini]")) << log;
        EXPECT_TRUE(logged(log, "Couldn't load rsrc/meter/lifebar_grey.png")) << log;
        EXPECT_TRUE(logged(log, "ERROR: TTF_OpenFont")) << log;
    }
}

std::string breakage_label(const testing::TestParamInfo<breakage>& info) { return breakage_name(info.param); }

INSTANTIATE_TEST_SUITE_P(every_breakage, broken_tree, testing::ValuesIn(ALL_BREAKAGES), breakage_label);

}  // namespace
