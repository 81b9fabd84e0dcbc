#include "shell/sync_test.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "shell/match.h"

namespace {

// The frames stepped again would repeat every log line of the frames they
// replay; the log keeps only the frames as played.
class quiet_log {
public:
    quiet_log() : saved(-1) {
        fflush(stdout);
        const int sink = open("/dev/null", O_WRONLY);
        if (sink < 0) return;
        saved = dup(STDOUT_FILENO);
        dup2(sink, STDOUT_FILENO);
        close(sink);
    }
    ~quiet_log() {
        if (saved < 0) return;
        fflush(stdout);
        dup2(saved, STDOUT_FILENO);
        close(saved);
    }

private:
    quiet_log(const quiet_log&);
    quiet_log& operator=(const quiet_log&);
    int saved;
};

int checked_frames_back(int frames_back) {
    if (frames_back >= 0 && frames_back <= sync_test::MOST_FRAMES_BACK) return frames_back;
    printf("WARNING: sync test frames [%d] not in 1..%d, no sync test\n", frames_back, sync_test::MOST_FRAMES_BACK);
    return 0;
}

}  // namespace

sync_test::sync_test(int frames_back)
    : back(checked_frames_back(frames_back)),
      history(back > 0 ? back + 1 : 0),
      round_frames(0),
      frames_checked(0),
      rollbacks_done(0),
      mismatches_found(0) {}

void sync_test::forget() { round_frames = 0; }

void sync_test::step_and_check(match& played, const frame_input& inputs) {
    kept_frame& now = kept(round_frames);
    now.before.start_writing();
    played.save_state(now.before);
    now.inputs = inputs;
    played.step(inputs);
    now.after.start_writing();
    played.save_state(now.after);
    round_frames++;
    frames_checked++;
    if (round_frames >= back) roll_back(played);
    if (first_mismatch.empty()) return;
    printf("%s", first_mismatch.c_str());
    first_mismatch.clear();
}

void sync_test::roll_back(match& played) {
    const int first = round_frames - back;
    rollbacks_done++;
    const quiet_log quiet;
    if (!played.restore_state(kept(first).before)) {
        mismatches_found++;
        if (mismatches_found == 1) first_mismatch = "Sync test: the saved state could not be restored\n";
        return;
    }
    for (int frame = first; frame < round_frames; frame++) {
        played.step(kept(frame).inputs);
        if (played.checksum() != kept(frame).after.checksum()) note_mismatch(played, frame);
    }
}

// The first mismatch names the fields whose bytes differ between the state
// stepped again and the one the frame ended with the first time.
void sync_test::note_mismatch(const match& played, int frame) {
    mismatches_found++;
    if (mismatches_found > 1) return;
    again.start_writing();
    again.start_labelling();
    played.save_state(again);
    const std::vector<Uint8>& first_time = kept(frame).after.data();
    const std::vector<Uint8>& second_time = again.data();
    char line[96];
    snprintf(line, sizeof(line), "Sync test mismatch at frame [%d] of the round:", frame);
    first_mismatch = line;
    std::string last_field;
    const size_t common = std::min(first_time.size(), second_time.size());
    for (size_t offset = 0; offset < common; offset++) {
        if (first_time[offset] == second_time[offset]) continue;
        const std::string field = again.field_at(offset);
        if (field == last_field) continue;
        first_mismatch += " [" + field + "]";
        last_field = field;
    }
    if (first_time.size() != second_time.size()) first_mismatch += " [state size]";
    first_mismatch += "\n";
}

void sync_test::report() const {
    printf("Sync test [%d] [%d] [%d]\n", frames_checked, rollbacks_done, mismatches_found);
}
