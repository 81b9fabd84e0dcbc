#ifndef INPUT_COMBO_H
#define INPUT_COMBO_H

#include <vector>

#include "input/control.h"

// A fighter's button combination: steps that must follow each other inside
// their windows. The match turns the reported combo_type into an action
// (1 lift, 2 special move, 3 rush, 4 dash); other numbers are reported and
// ignored there.
class combo {
public:
    combo();

    int step_count() const { return (int)steps.size(); }

    std::vector<control> steps;
    int combo_type;
    // Sums of the steps' windows, filled when the combo is imported.
    int total_min;
    int total_max;
};

// A combo in progress in one key tracker.
struct combo_candidate {
    int combo_index;  // index in the tracker's combo list
    int step;         // next step to complete; the step count once all are done
    int expire;       // ms: dropped once the tracker's clock passes it
    int last;         // ms: completion time of the previous step
};

#endif
