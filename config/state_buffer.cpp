#include "config/state_buffer.h"

#include <cstring>
#include <string>

namespace {

const Uint64 FNV_OFFSET = 0xcbf29ce484222325ULL;
const Uint64 FNV_PRIME = 0x100000001b3ULL;
// How a class's field list reaches its own members; the label leaves it out.
const char OWN_MEMBER[] = "self.";

// Entry number `entry` of the comma-separated `names`, as written in the
// field list that gave them, less the spaces around it and any "self.".
std::string listed_name(const char* names, int entry) {
    if (!names) return "?";
    const char* start = names;
    for (int skipped = 0; skipped < entry; skipped++) {
        const char* comma = strchr(start, ',');
        if (!comma) return "?";
        start = comma + 1;
    }
    while (*start == ' ') start++;
    const size_t own = sizeof(OWN_MEMBER) - 1;
    if (strncmp(start, OWN_MEMBER, own) == 0) start += own;
    size_t length = strcspn(start, ",");
    while (length > 0 && start[length - 1] == ' ') length--;
    return std::string(start, length);
}

}  // namespace

state_buffer::state_buffer() : read_at(0), failed(false), labelling(false) {}

void state_buffer::start_writing() {
    bytes.clear();
    read_at = 0;
    failed = false;
}

void state_buffer::start_reading() {
    read_at = 0;
    failed = false;
}

void state_buffer::put_count(size_t count, const char* name) { put((Uint32)count, name); }

size_t state_buffer::get_count(size_t limit) {
    Uint32 count = 0;
    get(count);
    if (count > limit) {
        failed = true;
        return 0;
    }
    return count;
}

Uint64 state_buffer::checksum() const {
    Uint64 hash = FNV_OFFSET;
    for (Uint8 byte : bytes) {
        hash ^= byte;
        hash *= FNV_PRIME;
    }
    return hash;
}

std::string state_buffer::field_at(size_t offset) const {
    const label* found = nullptr;
    for (const label& each : labels) {
        if (each.offset > offset) break;
        found = &each;
    }
    if (!found) return std::string();
    return found->context + " " + listed_name(found->names, found->entry);
}
