// Fuzzes the fighter loader on a real file: whatever the text, loading must
// log and give a fighter the match can play: every move it defines can be
// started and drawn, every still picture shown. Inputs alternate between the
// first player (cached pictures) and a recoloured second player, and some
// load without a control map, as a fighter loaded before the maps exist.
// The file's scale and speed then move and draw it.
#include "fuzz/fuzz_session.h"
#include "input/control_maps.h"
#include "objects/fighter_lifeform.h"
#include "platform/screen_mgr.h"

namespace {

// A few ticks of every move, and of the still picture of every state.
const int TICKS_PER_MOVE = 3;
const int SHOW_STATES = 10;

void play(fighter_lifeform& fighter) {
    fighter.x = 200;
    fighter.y = 200;
    for (int move = -1; move <= fighter.move_count(); move++) {
        fighter.start_move(move, fighter_lifeform::PRIORITY_HIT_REACTION);
        for (int tick = 0; tick < TICKS_PER_MOVE; tick++) {
            fighter.show();
            fighter.draw();
        }
        fighter.stop_moves();
    }
    for (int state = 0; state < SHOW_STATES; state++) {
        fighter.show_state = state;
        fighter.show();
        fighter.draw();
    }
    // Walking and jumping at the file's pace, from the level's left edge
    // where positions divided by the scale are 0.
    fighter.x = 0;
    for (const double pace : {0.0, 4.0, -4.0}) {
        fighter.move_x = pace;
        fighter.move_y = -pace;
        fighter.move_step(1);
        fighter.show();
        fighter.draw();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz_session::write_file("fighter_char.ini", data, size);
    const unsigned choice = fuzz_session::input_hash(data, size);
    {
        fighter_lifeform fighter;
        fighter.controls = (choice & 2) ? nullptr : p1_controls;
        if (choice & 1) {
            fighter.colour_swaps.push_back(
                colour_swap{SDL_MapRGB(screen.surface->format, 255, 255, 255), SDL_MapRGB(screen.surface->format, 40, 40, 200)});
        }
        fighter.load(path.c_str());
        play(fighter);
    }
    fuzz_session::trim_caches();
    return 0;
}
