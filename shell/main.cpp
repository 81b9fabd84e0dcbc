#include "shell/screen_flow.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
    startup boot;
    const command_line::outcome asked = boot.options.parse(argc, argv);
    if (asked != command_line::PLAY) return asked;
    // Outlives the shut-down, which fades the music out before it is freed.
    screen_flow flow;
    const int started = boot.run();
    if (started) flow.run(boot);
    boot.shut_down();
    // A game that could not open its screen has failed, however orderly
    // its shut-down.
    return started ? 0 : 1;
}
