#include "anim/definition_index.h"

#include <algorithm>

#include "anim/anim_group.h"
#include "anim/anim_mgr.h"
#include "config/state_buffer.h"

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

void definition_index::save_turns(state_buffer& out) const {
    out.put_count(definitions.size());
    for (const Anim_Mgr* definition : definitions) {
        out.put(definition->angle, "definition angle");
        out.put(definition->mirrored, "definition mirrored");
        out.put(definition->width, "definition width");
        out.put(definition->height, "definition height");
    }
}

void definition_index::restore_turns(state_buffer& in) const {
    const size_t count = in.get_count(definitions.size());
    for (size_t index = 0; index < count; index++) {
        in.get(definitions[index]->angle);
        in.get(definitions[index]->mirrored);
        in.get(definitions[index]->width);
        in.get(definitions[index]->height);
    }
}
