#ifndef ANIM_AG_STACK_H
#define ANIM_AG_STACK_H

#include <cstddef>
#include <vector>

#include "anim/animation.h"

// The running records of one group or one fighter's move, one per
// definition in the group's order. Empty means nothing is playing. Copying
// a stack duplicates every record, so the copy goes on from where the
// source stands and both advance independently afterwards.
class ag_stack {
public:
    bool empty() const { return records.empty(); }
    size_t size() const { return records.size(); }
    void clear() { records.clear(); }
    void append(const animation& record) { records.push_back(record); }
    animation& operator[](size_t index) { return records[index]; }
    const animation& operator[](size_t index) const { return records[index]; }

    std::vector<animation> records;
};

#endif
