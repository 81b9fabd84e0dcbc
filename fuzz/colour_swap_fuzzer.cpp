// Fuzzes the colour-swap file the second player's colours come from: any
// text must give at most MAX_PAIRS pairs, and recolouring a still picture
// and an animation's frames with them, as the second fighter's loading
// does, must stay in bounds on every draw.
#include <cstdlib>

#include "anim/shown_pictures.h"
#include "anim/anim_mgr.h"
#include "fuzz/fuzz_session.h"
#include "anim/frame.h"
#include "gfx/image_cache.h"
#include "gfx/img_mgr.h"
#include "shell/colour_swap_file.h"
#include "platform/screen_mgr.h"
#include "stage/level.h"

namespace {

const char STILL[] = "fuzz/data/frame_a.png";
const char ANIMATION[] = "fuzz/data/move_a.ini";
// The frames flash and shake the current level; this one has no pictures.
level effects_level;

void recolour_still(const std::vector<colour_swap>& swaps) {
    img_mgr copy(*Image_Manager.get(STILL));
    for (const colour_swap& swap : swaps) copy.swap_color(swap.source, swap.target);
    copy.display(10, 10);
    copy.mirror();
    copy.display(10, 10, screen.surface, 1.5f, 0.5f, 30);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz_session::write_file("swap.ini", data, size);
    const std::vector<colour_swap> swaps = colour_swap_file::read(path.c_str(), screen.surface->format);
    if (swaps.size() > (size_t)colour_swap_file::MAX_PAIRS) abort();
    recolour_still(swaps);
    Anim_Mgr move;
    move.colour_swaps = swaps;
    move.load(ANIMATION);
    shown_pictures shown;
    for (int index = 0; index < (int)move.frames.size(); index++) move.show_frame(50, 50, index, 1.0, shown);
    shown.draw();
    fuzz_session::trim_caches();
    return 0;
}
