// The cost of the match step without drawing, of saving and restoring the
// match's state, and the state's size: a demo series of the game's own
// fighters, headless, from a fixed seed. Run from the data tree:
//   build/step_bench [FRAMES=3000] 2>&1 >/dev/null
// The figures go to standard error; the game's log to standard output.
#include <SDL/SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "config/state_buffer.h"
#include "input/frame_input.h"
#include "shell/match.h"
#include "shell/match_assets.h"
#include "platform/platform.h"
#include "platform/screen_mgr.h"

namespace {

typedef std::chrono::steady_clock timer;

double ms_since(timer::time_point start) {
    return std::chrono::duration<double, std::milli>(timer::now() - start).count();
}

struct tally {
    double total = 0.0;
    double most = 0.0;
    int count = 0;
    void add(double ms) {
        total += ms;
        most = std::max(most, ms);
        count++;
    }
    double mean() const { return count ? total / count : 0.0; }
};

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? atoi(argv[1]) : 3000;
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    platform::use_script(true);
    screen.video_flags = SDL_SWSURFACE;
    screen.set_video_mode(640, 480, 32);
    match_assets assets;
    assets.preload(nullptr);
    match_request request;
    request.mode = match_request::DEMO;
    request.reqwins = 1000;  // rounds go on for as long as the bench runs
    request.fighter_files = {"game/fighter/lunet_char.ini", "game/fighter/halvard_char.ini"};
    request.seed_given = true;
    request.seed = 1;

    match series(request, assets);
    series.set_up();
    series.start_round();
    tally step;
    tally painted_step;
    tally save_restore;
    size_t largest = 0;
    state_buffer state;
    frame_input inputs = {};
    for (int frame = 0; frame < frames; frame++) {
        for (side_input& side : inputs.sides) side.clock_ms += 1000 / 60;
        // Every fourth frame also drawn, for comparison with the headless step.
        const bool painted = frame % 4 == 0;
        timer::time_point start = timer::now();
        series.step(inputs);
        if (painted) series.draw();
        (painted ? painted_step : step).add(ms_since(start));
        start = timer::now();
        state.start_writing();
        series.save_state(state);
        series.restore_state(state);
        save_restore.add(ms_since(start));
        largest = std::max(largest, state.size());
        if (series.round_done()) {
            if (series.end_round()) break;
            series.start_round();
        }
    }
    series.end_series();
    assets.release();
    fprintf(stderr, "frames %d\n", step.count + painted_step.count);
    fprintf(stderr, "step without drawing: mean %.4f ms, most %.4f ms\n", step.mean(), step.most);
    fprintf(stderr, "step with drawing:    mean %.4f ms, most %.4f ms\n", painted_step.mean(), painted_step.most);
    fprintf(stderr, "save + restore:       mean %.4f ms, most %.4f ms\n", save_restore.mean(), save_restore.most);
    fprintf(stderr, "largest state:        %d bytes\n", (int)largest);
    return 0;
}
