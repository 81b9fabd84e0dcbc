#include "tests/support/test_screen.h"

#include <cstdlib>

#include "platform/screen_mgr.h"

bool open_test_screen(Uint32 video_flags, int width, int height) {
    if (screen.surface) return true;
    if (!(video_flags & SDL_OPENGL)) setenv("SDL_VIDEODRIVER", "dummy", 0);
    screen.video_flags = video_flags;
    return screen.set_video_mode(width, height, 32) == 0;
}
