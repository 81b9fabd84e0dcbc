// Fuzzes the start-up settings: whatever game/game.ini says, the settings
// read from it must be ones a screen can be opened with and the frame
// pacing can keep: sides within range, a depth SDL knows, a rate the menus
// can poll at.
#include <cstdlib>

#include "config/config_file.h"
#include "fuzz/fuzz_session.h"
#include "shell/settings.h"

namespace {

bool usable(const settings& read) {
    return read.width >= 1 && read.width <= settings::MAX_SIDE && read.height >= 1 &&
           read.height <= settings::MAX_SIDE && settings::is_depth(read.bpp) && read.fps >= settings::MIN_FPS &&
           read.fps <= settings::MAX_FPS && read.menu_rate() >= 16 && read.menu_rate() <= settings::MAX_MENU_RATE;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz_session::write_file("game.ini", data, size);
    config_file ini;
    ini.load(path.c_str());
    settings read;
    read.read(ini);
    if (!usable(read)) abort();
    return 0;
}
