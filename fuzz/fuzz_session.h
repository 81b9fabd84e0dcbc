#ifndef FUZZ_FUZZ_SESSION_H
#define FUZZ_FUZZ_SESSION_H

#include <cstddef>
#include <cstdint>
#include <string>

// What every fuzz target shares: the game set up once per process, by the
// LLVMFuzzerInitialize in fuzz_session.cpp, as the loaders expect it (the
// data tree as working directory, a 640 x 480 surface screen on SDL's dummy
// driver, the control maps and trig tables), and a private scratch folder
// where each fuzzed input becomes a real file, so the real loaders read it
// with their own file handling.
namespace fuzz_session {

// Writes `size` bytes to `name` in the scratch folder; returns its path.
std::string write_file(const char* name, const uint8_t* data, size_t size);
// Empties the image and sound caches once they hold many files, so a long
// run does not grow without bound. Call only when nothing holds a cached
// picture or sound any more.
void trim_caches();
// A number made from the input, for choices that must repeat when a saved
// input is run again (mirroring, colour swaps).
unsigned input_hash(const uint8_t* data, size_t size);

}  // namespace fuzz_session

#endif
