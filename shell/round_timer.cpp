#include "shell/round_timer.h"

#include <SDL/SDL_ttf.h>

#include <cstdio>

#include "config/state_buffer.h"
#include "gfx/txt_mgr.h"
#include "platform/screen_mgr.h"

namespace {

const int NO_LIMIT = -1;
const int TIMER_TOP = 2;
// A limit so long that its frames would not fit an int is no limit.
const int MAX_SECONDS = 24 * 60 * 60;

}  // namespace

round_timer::round_timer() : frames_left(NO_LIMIT), fps(1) {}

void round_timer::start(int seconds, int frames_per_second) {
    fps = frames_per_second > 0 ? frames_per_second : 1;
    if (seconds > MAX_SECONDS) {
        printf("WARNING: round time [%d] s is longer than a day, no limit\n", seconds);
        seconds = 0;
    }
    frames_left = seconds > 0 ? seconds * fps : NO_LIMIT;
}

void round_timer::save(state_buffer& out) const { out.put(frames_left, "timer frames_left"); }

void round_timer::restore(state_buffer& in) { in.get(frames_left); }

void round_timer::tick() {
    if (frames_left > 0) frames_left--;
}

int round_timer::seconds_left() const {
    if (!limited()) return 0;
    return (frames_left + fps - 1) / fps;
}

// Centred on the screen's middle, between the two bars that hang from the
// screen's edges.
void round_timer::draw(TXT_MGR* face) const {
    if (!limited() || !face) return;
    char text[16];
    snprintf(text, sizeof(text), "%d", seconds_left());
    int width = 0;
    if (face->font_loaded) TTF_SizeText(face->font, text, &width, nullptr);
    face->x = (screen.width() - width) / 2;
    face->y = TIMER_TOP;
    face->print(text);
}
