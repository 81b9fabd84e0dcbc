#ifndef INPUT_KEY_TRACKER_H
#define INPUT_KEY_TRACKER_H

#include <SDL/SDL.h>

#include <vector>

#include "input/combo.h"
#include "input/control.h"
#include "input/frame_input.h"

class state_buffer;
struct key_layout;

// One recorded key change. `key` is the logical key of the watched entry,
// never the alternate that was physically read.
struct key_event {
    int key;
    int time;     // ms
    Uint8 state;  // 1 pressed, 0 released
};

// A polled key: `state` holds its last known state.
typedef key_req watched_key;

// The part of a controller that watches the keys its owner's combos need,
// records each change with the time it was seen, and recognises the combos
// in that history.
class key_tracker {
public:
    enum { NO_COMBO = -1 };

    key_tracker();

    // Key state: registers a key to poll; the first registration of a key
    // code wins (its alternate, its starting state and its twin).
    void add_watched_key(int alternate, int key, Uint8 state, int twin = key_req::NO_ALTERNATE);
    // Takes the side's clock and held controls (keys read through the
    // layout the combos were bound with), records every change and offers
    // it to the combo starts. Returns the number of keys that changed.
    int update(const side_input& input, const key_layout& layout);

    // Combos: the list stays owned by the fighter and must outlive the
    // tracker's use of it. Registers every key the combos need.
    void import_combos(std::vector<combo>* combo_list);
    // Once per frame, after the controller's update: the combo_type of a
    // completed combo, or NO_COMBO. At most one combo is reported per frame.
    int combo_step();
    // Queues combo `combo_index` as already completed, so the next combo
    // step reports it (the CPU's way of performing a combo). An index
    // outside the list is logged and ignored.
    void insert_finished_candidate(int combo_index, int expire_time);
    int combo_count() const;

    // The history, the watched keys' states and the candidates; which keys
    // are watched and the combos themselves come from the fighter file.
    void save(state_buffer& out) const;
    void restore(state_buffer& in);

    std::vector<key_event> history;
    std::vector<watched_key> watched;
    int now;          // ms, the clock at the last update
    int mirror_keys;  // read alternates: set from the owner's facing
    int verbose;      // log key changes and combo starts
    int maxkeep;      // ms a key event stays in history
    std::vector<combo_candidate> candidates;

private:
    template <class Archive, class Self>
    static void fields(Archive&& archive, Self& self);
    void import_combo(combo& imported);
    bool opens_combo(const combo& candidate_combo, const key_event& event) const;
    void start_combos(const key_event& event);
    void prune_history();
    void advance_candidate(combo_candidate& candidate, const combo& pursued) const;
    int step_check(const combo& checked, int step, int base_time) const;
    int search_history(const key_req& wanted, int lo, int hi) const;

    std::vector<combo>* combos;
};

#endif
