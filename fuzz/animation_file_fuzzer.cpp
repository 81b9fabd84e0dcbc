// Fuzzes the animation loader on a real file: whatever the text, loading
// must log and give a definition that plays (possibly without frames), and
// drawing any of its frames, in or out of range, must stay in bounds, as
// must the flashes and shakes they start and their spin. Half the inputs
// load mirrored and recoloured, as the second player's moves do.
#include "anim/shown_pictures.h"
#include "anim/anim_group.h"
#include "anim/anim_mgr.h"
#include "fuzz/fuzz_session.h"
#include "anim/frame.h"
#include "objects/fighter_lifeform.h"
#include "platform/ref_ptr.h"
#include "platform/screen_mgr.h"
#include "stage/level.h"

namespace {

// Draws past the last frame too: a playback may ask for any index.
const int EXTRA_DRAWS = 2;
// Ticks of a group playing the definition, enough to wrap a short loop.
const int PLAY_TICKS = 8;

// The frames' flash and shake are handed to this level; it has no pictures
// and draws only those.
level effects_level;
shown_pictures shown;

void draw_every_frame(Anim_Mgr& definition) {
    const int frame_total = (int)definition.frames.size();
    for (int index = -1; index < frame_total + EXTRA_DRAWS && index < 64; index++) {
        shown.clear();
        effects_level.start_effects(definition.show_frame(10, 20, index, effects_level.zoom, shown));
        shown.draw();
        effects_level.advance();
        effects_level.draw();
    }
}

// Played by a group, as menus and sparks are, and as a fighter's move, which
// turns the picture by the frame's spin.
void play(Anim_Mgr& definition) {
    anim_group group;
    group.add(ref_ptr<Anim_Mgr>(&definition));
    for (int tick = 0; tick < PLAY_TICKS; tick++) {
        shown.clear();
        effects_level.start_effects(group.play(100, 100, 1.0, shown));
        shown.draw();
    }
    group.clear();

    fighter_lifeform mover;
    anim_group* move = new anim_group();
    move->add(ref_ptr<Anim_Mgr>(&definition));
    mover.moves.push_back(move);
    mover.start_move(0, fighter_lifeform::PRIORITY_HIT_REACTION);
    for (int tick = 0; tick < PLAY_TICKS; tick++) {
        mover.show();
        mover.draw();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz_session::write_file("animation.ini", data, size);
    {
        Anim_Mgr definition;
        if (fuzz_session::input_hash(data, size) & 1) {
            definition.mirrored = 1;
            definition.colour_swaps.push_back(
                colour_swap{SDL_MapRGB(screen.surface->format, 255, 255, 255), SDL_MapRGB(screen.surface->format, 200, 40, 40)});
        }
        definition.load(path.c_str());
        effects_level.publish();
        draw_every_frame(definition);
        play(definition);
    }
    fuzz_session::trim_caches();
    return 0;
}
