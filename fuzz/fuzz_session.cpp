#include "fuzz/fuzz_session.h"

#include <cstdio>
#include <cstdlib>

#include "gfx/image_cache.h"
#include "input/control_maps.h"
#include "shell/data_tree.h"
#include "platform/screen_mgr.h"
#include "platform/trig_tables.h"
#include "sound/sound_cache.h"

namespace fuzz_session {

namespace {

// Past this many cached files the caches are emptied between inputs.
const size_t CACHE_LIMIT = 256;

std::string scratch_folder;

void make_scratch_folder() {
    char pattern[] = "/tmp/brawler_fuzz_XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made) {
        fprintf(stderr, "fuzz: no scratch folder under /tmp\n");
        abort();
    }
    scratch_folder = made;
}

// The scratch folder goes with the process, however the run ends.
void remove_scratch_folder() {
    const std::string command = "rm -rf '" + scratch_folder + "'";
    if (system(command.c_str()) != 0) fprintf(stderr, "fuzz: could not remove %s\n", scratch_folder.c_str());
}

void start() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // The game flushes its log at every line end so that it can be followed;
    // here it goes nowhere and only costs time.
    setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    enter_data_tree(nullptr);
    screen.video_flags = SDL_SWSURFACE;
    if (screen.set_video_mode(640, 480, 32) != 0) {
        fprintf(stderr, "fuzz: no video mode on the dummy driver\n");
        abort();
    }
    build_control_maps();
    fill_trig_tables();
    make_scratch_folder();
    atexit(remove_scratch_folder);
}

}  // namespace

std::string write_file(const char* name, const uint8_t* data, size_t size) {
    const std::string path = scratch_folder + "/" + name;
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) {
        fprintf(stderr, "fuzz: can't write %s\n", path.c_str());
        abort();
    }
    if (size > 0 && fwrite(data, 1, size, file) != size) abort();
    fclose(file);
    return path;
}

void trim_caches() {
    if (Image_Manager.size() > CACHE_LIMIT) Image_Manager.clean();
    if (Sound_Manager.size() > CACHE_LIMIT) Sound_Manager.clean();
}

unsigned input_hash(const uint8_t* data, size_t size) {
    unsigned hash = 2166136261u;
    for (size_t i = 0; i < size; i++) hash = (hash ^ data[i]) * 16777619u;
    return hash;
}

}  // namespace fuzz_session

// libFuzzer calls this once, before the first input, in every target.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz_session::start();
    return 0;
}
