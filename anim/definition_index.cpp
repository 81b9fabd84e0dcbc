#include "anim/definition_index.h"

#include <algorithm>

#include "anim/anim_group.h"
#include "anim/anim_mgr.h"
#include "config/state_fields.h"

void definition_index::clear() { definitions.clear(); }

void definition_index::add_group(const anim_group* group) {
    if (!group) return;
    for (const ref_ptr<Anim_Mgr>& held : group->anims) {
        Anim_Mgr* definition = held.get();
        if (definition && index_of(definition) == NONE) definitions.push_back(definition);
    }
}

int definition_index::index_of(const Anim_Mgr* definition) const {
    const std::vector<Anim_Mgr*>::const_iterator found =
        std::find(definitions.begin(), definitions.end(), definition);
    return found == definitions.end() ? NONE : (int)(found - definitions.begin());
}

Anim_Mgr* definition_index::at(int index) const {
    if (index < 0 || index >= size()) return nullptr;
    return definitions[index];
}

// The list itself is the match's set-up: only what each definition carries
// from frame to frame is listed, and no more entries are read than it has.
template <class Archive>
void definition_index::turn_fields(Archive&& archive) const {
    const size_t count = archive.count(definitions.size(), definitions.size(), "count");
    for (size_t index = 0; index < count; index++) {
        Anim_Mgr& definition = *definitions[index];
        STATE_FIELDS(archive, definition.angle, definition.mirrored, definition.width, definition.height);
    }
}

void definition_index::save(state_buffer& out) const { turn_fields(state_writer(out)); }

void definition_index::restore(state_buffer& in) const { turn_fields(state_reader(in)); }
