#include "config/state_buffer.h"

namespace {

const Uint64 FNV_OFFSET = 0xcbf29ce484222325ULL;
const Uint64 FNV_PRIME = 0x100000001b3ULL;

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
    return found->context + " " + (found->name ? found->name : "?");
}
