// Fuzzes the replay reader: any bytes on disk are refused with a reason or
// give a series that writes back to the same series. The input is the file
// without its closing checksum, which is added here, so the fuzzer's
// changes reach the frames instead of stopping at the checksum.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz/fuzz_session.h"
#include "replay/checksum64.h"
#include "replay/replay_file.h"

namespace {

void expect(bool holds, const char* what) {
    if (holds) return;
    fprintf(stderr, "replay reader: %s\n", what);
    abort();
}

std::vector<Uint8> with_checksum(const uint8_t* data, size_t size) {
    std::vector<Uint8> bytes(data, data + size);
    checksum64 sum;
    sum.add(data, size);
    const Uint64 value = sum.value();
    for (int i = 0; i < 8; i++) bytes.push_back((Uint8)(value >> (8 * i)));
    return bytes;
}

bool same_frames(const replay_file& a, const replay_file& b) {
    // An empty series has no frame storage to compare, and memcmp must not
    // be handed its null pointer.
    if (a.frames.size() != b.frames.size()) return false;
    return a.frames.empty() || memcmp(a.frames.data(), b.frames.data(), a.frames.size() * sizeof(frame_input)) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<Uint8> bytes = with_checksum(data, size);
    const std::string path = fuzz_session::write_file("series.rpl", bytes.data(), bytes.size());
    replay_file read;
    std::string reason;
    if (!read.load(path.c_str(), &reason)) {
        expect(!reason.empty(), "a refusal without a reason");
        expect(read.frames.empty(), "frames kept from a refused file");
        return 0;
    }
    expect(read.frames.size() <= (size_t)replay_file::MAX_FRAMES, "more frames than any series");
    const std::vector<Uint8> written = read.encode();
    replay_file again;
    expect(again.decode(written.data(), written.size(), &reason), "its own file refused");
    expect(same_frames(read, again), "frames changed by writing them back");
    expect(again.final_checksum == read.final_checksum && again.header.seed == read.header.seed &&
               again.header.first_fighter == read.header.first_fighter,
           "header changed by writing it back");
    return 0;
}
