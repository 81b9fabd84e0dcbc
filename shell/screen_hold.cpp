#include "shell/screen_hold.h"

#include <SDL/SDL.h>

#include "platform/platform.h"

namespace {

const int TENTHS_PER_SECOND = 10;

}  // namespace

int screen_hold::frames_of(int tenths, int fps) { return tenths * fps / TENTHS_PER_SECOND; }

screen_hold::screen_hold(int frames, int grace_frames)
    : limit(frames), grace(grace_frames), shown(0), over(false), leaving(false) {}

bool screen_hold::step() {
    if (over) return false;
    platform::pump_events();
    if (platform::close_requested() || platform::presses(SDLK_ESCAPE) > 0) {
        leaving = true;
        over = true;
    } else if (shown >= limit || (shown >= grace && platform::any_press())) {
        over = true;
    }
    if (!over) shown++;
    return !over;
}
