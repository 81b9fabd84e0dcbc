#include "anim/animation.h"

#include "anim/anim_mgr.h"
#include "anim/definition_index.h"
#include "config/state_fields.h"
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
      ticks_left(definition->frames[0].settings.rate),
      active(1),
      loop(definition->loop),
      def(definition) {}

frame_effects animation::step(double zoom, shown_pictures& shown) {
    if (!active) return frame_effects{0, 0, 0};
    if (shown_frame().settings.spin) def->angle += GROUP_SPIN_STEP;
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
    if (!finished()) ticks_left = shown_frame().settings.rate;
}

void animation::restart() {
    current = 0;
    ticks_left = def->frames[0].settings.rate;
}

bool animation::finished() const { return current >= (int)def->frames.size(); }

const frame& animation::shown_frame() const { return def->frames[current]; }

// Saved among its object's fields: they are labelled as the record's.
template <class Archive, class Self>
void animation::fields(Archive&& archive, Self& record, const definition_index& definitions) {
    STATE_FIELDS(archive, record.x, record.y, record.current, record.ticks_left, record.active, record.loop);
    record.definition_field(archive, definitions);
}

void animation::definition_field(state_writer& archive, const definition_index& definitions) const {
    archive.field(definitions.index_of(def), "record definition");
}

void animation::definition_field(state_reader& archive, const definition_index& definitions) {
    int number = definition_index::NONE;
    archive.field(number, "record definition");
    Anim_Mgr* const found = definitions.at(number);
    if (!found || found->frames.empty() || current < 0 || current > (int)found->frames.size()) {
        archive.fail();
        return;
    }
    def = found;
}

void animation::save(state_buffer& out, const definition_index& definitions) const {
    fields(state_writer(out), *this, definitions);
}

void animation::restore(state_buffer& in, const definition_index& definitions) {
    fields(state_reader(in), *this, definitions);
}
