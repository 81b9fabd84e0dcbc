#include "shell/platform.h"
#include "shell/screen_mgr.h"
#include "shell/startup.h"

namespace {

// Until the screens exist the game shows a few black frames and ends.
void show_black_frames(startup& boot) {
    for (int frame = 0; frame < 30; frame++) {
        screen.clear_screen();
        screen.flip();
        platform::frame_delay(&boot.framerate);
    }
}

}  // namespace

int main(int, char**) {
    startup boot;
    if (boot.run()) show_black_frames(boot);
    boot.shut_down();
    return 0;
}
