#include "input/key_tracker.h"

#include <algorithm>
#include <cstdio>

#include "config/state_fields.h"
#include "input/live_input.h"

namespace {

// A restored list longer than this is not a saved state of ours.
const size_t MOST_SAVED_ENTRIES = 4096;

// Names of the keys the two layouts use, for the key-change log only.
const char* key_name(int key) {
    switch (key) {
        case SDLK_TAB: return "Punch2";
        case SDLK_a: return "Left2";
        case SDLK_d: return "Right2";
        case SDLK_i: return "Punch";
        case SDLK_k: return "Kick";
        case SDLK_s: return "Down2";
        case SDLK_w: return "Up2";
        case SDLK_z: return "Kick2";
        case SDLK_UP: return "Up";
        case SDLK_DOWN: return "Down";
        case SDLK_RIGHT: return "Right";
        case SDLK_LEFT: return "Left";
        default: return "Undefined";
    }
}

const char* key_state_name(int state) {
    switch (state) {
        case SDL_RELEASED: return "Up";
        case SDL_PRESSED: return "Down";
        default: return "Undefined";
    }
}

}  // namespace

key_tracker::key_tracker() : now(0), mirror_keys(0), verbose(0), maxkeep(0), combos(nullptr) {}

void key_tracker::add_watched_key(int alternate, int key, Uint8 state, int twin) {
    for (const watched_key& known : watched) {
        if (known.key == key) return;
    }
    watched.push_back(watched_key{alternate, key, state, twin});
}

// A key the layout does not use (codes come from data) reads as released;
// a twin stands for the same held control as its key.
int key_tracker::update(const side_input& input, const key_layout& layout) {
    now = (int)input.clock_ms;
    int changed = 0;
    for (watched_key& watched_entry : watched) {
        const bool mirrored = mirror_keys && watched_entry.alternate != key_req::NO_ALTERNATE;
        Uint8 raw = live_input::holds(input, layout, mirrored ? watched_entry.alternate : watched_entry.key);
        if (!raw && watched_entry.twin != key_req::NO_ALTERNATE) raw = live_input::holds(input, layout, watched_entry.twin);
        const Uint8 held = raw != 0;
        if (held == (watched_entry.state != 0)) continue;
        if (verbose) {
            printf("Update key state for [%d][%s] to [%d][%s] was [%d] @ [%d]\n", watched_entry.key,
                   key_name(watched_entry.key), raw, key_state_name(raw), watched_entry.state, now);
        }
        watched_entry.state = held;
        key_event change;
        change.key = watched_entry.key;
        change.time = now;
        change.state = held;
        history.push_back(change);
        changed++;
        start_combos(change);
    }
    return changed;
}

void key_tracker::import_combos(std::vector<combo>* combo_list) {
    printf("Getting ready to import combos\n");
    combos = combo_list;
    // Candidates name combos by their place in the list they came from.
    candidates.clear();
    if (!combos) return;
    for (combo& imported : *combos) import_combo(imported);
}

void key_tracker::import_combo(combo& imported) {
    printf("Importing combo\n");
    imported.total_min = 0;
    imported.total_max = 0;
    for (const control& step : imported.steps) {
        printf("min[%d] + [%d] max[%d] + [%d] [%s]\n", imported.total_min, step.min, imported.total_max, step.max,
               step.name.c_str());
        imported.total_min += step.min;
        imported.total_max += step.max;
        printf("Press: ");
        for (const key_req& requirement : step.keys) {
            add_watched_key(requirement.alternate, requirement.key, requirement.state, requirement.twin);
            printf("[%d/%d], ", requirement.key, requirement.state);
        }
        printf(" between [%d]-[%d] to advance\n", step.min, step.max);
    }
    printf("Move Complete\n");
    printf("Combo time[%d-%d] for move [%d]\n", imported.total_min, imported.total_max, imported.combo_type);
    if (imported.total_max > maxkeep) {
        printf("Update maxkeep from [%d] to [%d]\n", maxkeep, imported.total_max);
        maxkeep = imported.total_max;
    }
}

int key_tracker::combo_count() const { return combos ? (int)combos->size() : 0; }

// A single event opens a candidate only when every requirement of the first
// step is about that one key in that one state.
bool key_tracker::opens_combo(const combo& candidate_combo, const key_event& event) const {
    const std::vector<key_req>& first_keys = candidate_combo.steps.front().keys;
    for (const key_req& requirement : first_keys) {
        if (requirement.key != event.key || requirement.state != event.state) return false;
    }
    return true;
}

void key_tracker::start_combos(const key_event& event) {
    for (int index = 0; index < combo_count(); index++) {
        const combo& started = (*combos)[index];
        if (started.steps.empty() || !opens_combo(started, event)) continue;
        const int expire = now + started.steps.front().max;
        if (verbose) printf("Is the start of combo(move)[%d] expire@[%d]\n", started.combo_type, expire);
        combo_candidate candidate;
        candidate.combo_index = index;
        candidate.step = 0;
        candidate.expire = expire;
        candidate.last = now;
        candidates.push_back(candidate);
    }
}

void key_tracker::insert_finished_candidate(int combo_index, int expire_time) {
    if (combo_index < 0 || combo_index >= combo_count()) {
        printf("WARNING: no combo [%d] to perform, the fighter has [%d]\n", combo_index, combo_count());
        return;
    }
    combo_candidate finished;
    finished.combo_index = combo_index;
    finished.step = (*combos)[combo_index].step_count();
    finished.expire = expire_time;
    finished.last = now;
    candidates.push_back(finished);
}

void key_tracker::prune_history() {
    const int oldest_kept = now - maxkeep;
    history.erase(std::remove_if(history.begin(), history.end(),
                                 [oldest_kept](const key_event& event) { return event.time < oldest_kept; }),
                  history.end());
}

int key_tracker::combo_step() {
    prune_history();
    size_t index = 0;
    while (index < candidates.size()) {
        combo_candidate& candidate = candidates[index];
        if (candidate.combo_index >= combo_count()) {
            candidates.erase(candidates.begin() + index);
            continue;
        }
        const combo& pursued = (*combos)[candidate.combo_index];
        // A finished combo is reported even when its last step came late in
        // its window: testing expiry first would drop it unreported.
        if (candidate.step >= pursued.step_count()) {
            candidates.erase(candidates.begin() + index);
            return pursued.combo_type;
        }
        if (candidate.expire < now) {
            candidates.erase(candidates.begin() + index);
            continue;
        }
        advance_candidate(candidate, pursued);
        index++;
    }
    return NO_COMBO;
}

// At most one step per frame: the step's window is measured from the time
// the previous step was completed.
void key_tracker::advance_candidate(combo_candidate& candidate, const combo& pursued) const {
    const int completed_at = step_check(pursued, candidate.step, candidate.last);
    if (completed_at == 0) return;
    candidate.last = completed_at;
    candidate.step++;
    if (candidate.step < pursued.step_count()) candidate.expire = completed_at + pursued.steps[candidate.step].max;
}

int key_tracker::step_check(const combo& checked, int step, int base_time) const {
    const control& wanted = checked.steps[step];
    const int lo = base_time + wanted.min;
    const int hi = base_time + wanted.max;
    size_t found = 0;
    int latest = 0;
    for (const key_req& requirement : wanted.keys) {
        const int time = search_history(requirement, lo, hi);
        if (time == 0) continue;
        found++;
        latest = std::max(latest, time);
    }
    // A step without requirements gives 0 and so never completes.
    if (found < wanted.keys.size()) return 0;
    return latest;
}

// An event of the wanted key counts inside the window when the event
// recorded just before it (of any key) had the wanted state; failing that,
// a key whose latest state is the wanted one counts as met now, while now
// lies inside the window. Both bounds are strict.
int key_tracker::search_history(const key_req& wanted, int lo, int hi) const {
    Uint8 previous = 1;
    bool seen = false;
    Uint8 latest = 1;
    for (const key_event& event : history) {
        if (event.key == wanted.key) {
            seen = true;
            latest = event.state;
            if (lo < event.time && event.time < hi && wanted.state == previous) return event.time;
        }
        previous = event.state;
    }
    if (seen && latest == wanted.state && lo < now && now < hi) return now;
    return 0;
}

// Which keys are watched is the fighter file's: only their states are
// listed, and a restore reads no more states than there are keys. The
// tracker is saved inside its controller: its fields are labelled as the
// tracker's.
template <class Archive, class Self>
void key_tracker::fields(Archive&& archive, Self& tracker) {
    STATE_FIELDS(archive, tracker.now, tracker.mirror_keys, tracker.verbose, tracker.maxkeep);
    const size_t watched_count = archive.count(tracker.watched.size(), tracker.watched.size(), "watched count");
    for (size_t index = 0; index < watched_count; index++) STATE_FIELDS(archive, tracker.watched[index].state);
    archive.length(tracker.history, MOST_SAVED_ENTRIES, "history count");
    for (auto& event : tracker.history) STATE_FIELDS(archive, event.key, event.time, event.state);
    archive.length(tracker.candidates, MOST_SAVED_ENTRIES, "candidate count");
    for (auto& candidate : tracker.candidates) {
        STATE_FIELDS(archive, candidate.combo_index, candidate.step, candidate.expire, candidate.last);
    }
}

void key_tracker::save(state_buffer& out) const { fields(state_writer(out), *this); }

void key_tracker::restore(state_buffer& in) { fields(state_reader(in), *this); }
