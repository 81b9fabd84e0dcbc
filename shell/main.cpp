#include "shell/screen_flow.h"
#include "shell/series_run.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
    startup boot;
    const command_line::outcome asked = boot.options.parse(argc, argv);
    if (asked != command_line::PLAY) return asked;
    // A refused replay ends the program before any window opens.
    series_run series;
    if (!series.read_replay(boot.options)) return 1;
    // Outlives the shut-down, which fades the music out before it is freed.
    screen_flow flow;
    const int started = boot.run();
    // A game that could not open its screen has failed, however orderly
    // its shut-down.
    int status = started ? 0 : 1;
    if (started && !series.check_data(boot.options)) status = 1;
    if (status == 0 && boot.options.starts_series()) {
        status = series.run(boot, flow);
    } else if (status == 0) {
        flow.run(boot, series);
    }
    boot.shut_down();
    return status;
}
