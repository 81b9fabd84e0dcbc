#include "anim/animation.h"

#include "anim/anim_mgr.h"
#include "gfx/frame.h"

namespace {

// A group's playback turns a spinning frame by this many degrees per tick,
// whatever the frame's own spin value (the fighter's playback uses that).
const int GROUP_SPIN_STEP = 15;

}  // namespace

animation::animation() : x(0), y(0), current(0), ticks_left(0), active(0), loop(0), def(nullptr) {}

animation::animation(Anim_Mgr* definition)
    : x(0),
      y(0),
      current(0),
      ticks_left(definition->frames[0].rate),
      active(1),
      loop(definition->loop),
      def(definition) {}

void animation::step() {
    if (!active) return;
    if (shown_frame().spin) def->angle += GROUP_SPIN_STEP;
    def->draw_frame(x, y, current);
    if (count_down()) advance();
}

bool animation::count_down() {
    if (ticks_left > 0) ticks_left--;
    return ticks_left <= 0;
}

void animation::advance() {
    current++;
    def->angle = 0;
    if (!finished()) ticks_left = shown_frame().rate;
}

void animation::restart() {
    current = 0;
    ticks_left = def->frames[0].rate;
}

bool animation::finished() const { return current >= (int)def->frames.size(); }

const frame& animation::shown_frame() const { return def->frames[current]; }
