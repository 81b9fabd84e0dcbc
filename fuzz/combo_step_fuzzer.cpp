// Fuzzes the combo step as a match plays it: a fighter of the game, with the
// combos its file gives, is driven from the keyboard by the input, frame by
// frame, each frame's keys and length (0 to 255 ms) read from a pair of
// bytes, and now and then a combo is queued as the computer queues them. The
// match's update of the fighter runs every frame: the key history, the combo
// candidates, the completed combos and the moves, lifts and dashes they
// start must stay in bounds whatever is pressed when.
#include <cstdlib>

#include "fuzz/fuzz_session.h"
#include "input/control_maps.h"
#include "input/controller.h"
#include "objects/fighter_lifeform.h"
#include "objects/game_objects.h"
#include "shell/hud.h"
#include "shell/match_assets.h"
#include "shell/object_update.h"
#include "platform/platform.h"
#include "platform/screen_mgr.h"

namespace {

// Fighters with the game's combos and tiny stand-in pictures.
const char* const FIGHTER_FILES[] = {
    "fuzz/corpus/fighter_file/small_lunet_char.ini", "fuzz/corpus/fighter_file/small_halvard_char.ini",
    "fuzz/corpus/fighter_file/small_tamsin_char.ini", "fuzz/corpus/fighter_file/small_morrow_char.ini"};
const int FIGHTER_TOTAL = sizeof(FIGHTER_FILES) / sizeof(FIGHTER_FILES[0]);
const SDLKey KEYS[] = {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN, SDLK_SPACE, SDLK_k};
// A key byte with all these bits set queues a combo instead (its low bits
// choose which).
const int QUEUE_COMBO = 0xC0;
const int START_MS = 1000;
const int FRAMES_PER_SECOND = 60;

fighter_lifeform* fighters[FIGHTER_TOTAL];

fighter_lifeform& fighter_for(int choice) {
    fighter_lifeform*& fighter = fighters[choice % FIGHTER_TOTAL];
    if (!fighter) {
        fighter = new fighter_lifeform();
        fighter->controls = p1_controls;
        fighter->load(FIGHTER_FILES[choice % FIGHTER_TOTAL]);
    }
    return *fighter;
}

void set_keys(int held) {
    platform::release_all_keys();
    for (int bit = 0; bit < (int)(sizeof(KEYS) / sizeof(KEYS[0])); bit++) {
        if (held & (1 << bit)) platform::set_key(KEYS[bit], true);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    static match_assets no_assets;
    static hud display_elements(no_assets, FRAMES_PER_SECOND);
    platform::use_script(true);
    platform::set_ticks(START_MS);
    fighter_lifeform& fighter = fighter_for(data[0]);
    fighter.stop_moves();
    fighter.life = fighter.max_life;
    fighter.state = lifeform::STATE_NEUTRAL;
    fighter.x = 200;
    fighter.y = screen.height() - fighter.height;
    fighter.jump_speed = 0;
    fighter.drift_x = 0;
    controller keyboard;
    keyboard.add_source(controller::SOURCE_KEYS_ARROWS);
    keyboard.tracker.import_combos(fighter.combos);
    fighter.controller = &keyboard;
    game_objects.push_back(&fighter);
    const object_update update(display_elements);
    for (size_t at = 1; at + 1 < size; at += 2) {
        const int keys = data[at];
        if ((keys & QUEUE_COMBO) == QUEUE_COMBO) {
            keyboard.tracker.insert_finished_candidate(keys & ~QUEUE_COMBO, (int)platform::ticks() + data[at + 1]);
        } else {
            set_keys(keys);
        }
        platform::advance(data[at + 1]);
        update.run(0, false);
    }
    // Projectiles the moves launched belong to the list; the fighter stays
    // for the next input.
    for (size_t index = 1; index < game_objects.size(); index++) delete game_objects[index];
    game_objects.clear();
    fighter.controller = nullptr;
    platform::release_all_keys();
    platform::use_script(false);
    return 0;
}
