#ifndef ANIM_DEFINITION_INDEX_H
#define ANIM_DEFINITION_INDEX_H

#include <vector>

class Anim_Mgr;
class anim_group;
class state_buffer;

// The animation definitions of a match, numbered in the order their groups
// were listed: a saved state names a definition by its number, never by its
// address. A definition's turning angle, a spark's mirror flag and the size
// of the frame drawn last (where a guard spark is placed) are match state
// kept in the shared definition (a spinning frame turns every object that
// plays it), so they are saved here, once per definition.
class definition_index {
public:
    enum { NONE = -1 };

    void clear();
    // Lists every definition of the group not listed yet.
    void add_group(const anim_group* group);
    int index_of(const Anim_Mgr* definition) const;
    // Null for NONE or a number past the list.
    Anim_Mgr* at(int index) const;
    int size() const { return (int)definitions.size(); }

    void save(state_buffer& out) const;
    void restore(state_buffer& in) const;

private:
    // Each definition's saved fields, listed once for both directions.
    template <class Archive>
    void turn_fields(Archive&& archive) const;

    std::vector<Anim_Mgr*> definitions;
};

#endif
