// A whole demo series on the game's own data, the computer fighting itself
// until one side has won, on a scripted clock: afterwards nothing is in play,
// and once the assets and the image cache are gone no picture is alive. A
// picture leaked behind a list that stays reachable (the zoom cache's) is
// invisible to the leak checker, so the live count is what is checked.
#include <SDL/SDL_framerate.h>

#include <cstdlib>

#include "gfx/image_cache.h"
#include "gfx/img_mgr.h"
#include "objects/game_objects.h"
#include "shell/match.h"
#include "shell/match_assets.h"
#include "platform/platform.h"
#include "tests/robustness/broken_files.h"

namespace {

TEST(whole_series, demo_plays_until_a_side_wins_and_leaves_no_picture_alive) {
    open_test_screen();
    platform::use_script(true);
    srand(11);
    FPSmanager pacing;
    SDL_initFramerate(&pacing);
    match_assets assets;
    match_request request;
    request.mode = match_request::DEMO;
    request.reqwins = 1;
    request.fighter_files = {"game/fighter/lunet_char.ini", "game/fighter/halvard_char.ini"};
    request.framerate = &pacing;
    const std::string log = captured_log([&] {
        assets.preload(nullptr);
        run_match_series(request, assets);
        assets.release();
        Image_Manager.clean();
    });
    platform::use_script(false);
    const size_t tally = log.rfind("mode [4] reqwins[1]");
    ASSERT_NE(tally, std::string::npos);
    const std::string last_tally = log.substr(tally, log.find('\n', tally) - tally);
    EXPECT_TRUE(logged(last_tally, "p1[2]") || logged(last_tally, "p2[2]")) << last_tally;
    EXPECT_TRUE(game_objects.empty());
    EXPECT_EQ(0, image_count);
}

}  // namespace
