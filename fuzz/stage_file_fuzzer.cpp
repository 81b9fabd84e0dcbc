// Fuzzes the stage loader on real files. One input holds both files a stage
// needs: the stage text, a line "%%", then the background-set text. Whatever
// they say, loading must log and give a level that draws at any camera
// position and zoom, and unloads.
#include <cstring>

#include "fuzz/fuzz_session.h"
#include "stage/level.h"

namespace {

const char SEPARATOR[] = "\n%%\n";

struct camera {
    int scroll_x, scroll_y;
    double zoom;
};

// Still, scrolled far both ways, zoomed in and out; shaking throughout and
// flashing once (a full-screen blend costs more than the whole stage).
const camera CAMERAS[] = {{0, 0, 1.0}, {900, 40, 0.5}, {-300, -80, 2.0}, {100000, 0, 0.05}, {50, 0, 1.3}};

void draw_everywhere(level& stage) {
    stage.shake = 7;
    stage.flash = 200;
    stage.flash_rate = 255;
    for (const camera& at : CAMERAS) {
        stage.scroll_x = at.scroll_x;
        stage.scroll_y = at.scroll_y;
        stage.zoom = at.zoom;
        stage.advance();
        stage.draw();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    const char* split = static_cast<const char*>(memmem(text, size, SEPARATOR, sizeof SEPARATOR - 1));
    const size_t stage_size = split ? (size_t)(split - text) : size;
    const size_t bgset_start = split ? stage_size + sizeof SEPARATOR - 1 : size;
    const std::string bgset_path =
        fuzz_session::write_file("bgset.ini", data + bgset_start, size - bgset_start);
    // The stage names the background set written above; its first "bgset"
    // is the one read, so a fuzzed one after it changes nothing.
    std::string stage_text = "bgset=" + bgset_path + "\n";
    stage_text.append(text, stage_size);
    const std::string stage_path = fuzz_session::write_file(
        "stage.ini", reinterpret_cast<const uint8_t*>(stage_text.data()), stage_text.size());
    {
        level stage;
        stage.publish();
        stage.load(stage_path.c_str());
        draw_everywhere(stage);
        stage.unload();
        draw_everywhere(stage);
    }
    return 0;
}
