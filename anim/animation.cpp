#include "anim/animation.h"

#include "anim/anim_mgr.h"
#include "anim/definition_index.h"
#include "config/state_buffer.h"
#include "anim/frame.h"

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

frame_effects animation::step(double zoom, shown_pictures& shown) {
    if (!active) return frame_effects{0, 0, 0};
    if (shown_frame().spin) def->angle += GROUP_SPIN_STEP;
    const frame_effects asked = def->show_frame(x, y, current, zoom, shown);
    if (count_down()) advance();
    return asked;
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

void animation::save(state_buffer& out, const definition_index& definitions) const {
    out.put(x, "record x");
    out.put(y, "record y");
    out.put(current, "record current");
    out.put(ticks_left, "record ticks_left");
    out.put(active, "record active");
    out.put(loop, "record loop");
    out.put(definitions.index_of(def), "record definition");
}

void animation::restore(state_buffer& in, const definition_index& definitions) {
    in.get(x);
    in.get(y);
    in.get(current);
    in.get(ticks_left);
    in.get(active);
    in.get(loop);
    int number = definition_index::NONE;
    in.get(number);
    Anim_Mgr* const found = definitions.at(number);
    if (!found || found->frames.empty() || current < 0 || current > (int)found->frames.size()) {
        in.fail();
        return;
    }
    def = found;
}
