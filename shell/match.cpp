#include "shell/match.h"

#include <SDL/SDL.h>

#include <cstdio>

#include "anim/anim_group.h"
#include "input/control_maps.h"
#include "input/controller.h"
#include "objects/fighter_lifeform.h"
#include "objects/game_objects.h"
#include "shell/camera.h"
#include "shell/colour_swap_file.h"
#include "shell/exchange.h"
#include "shell/match_assets.h"
#include "shell/platform.h"
#include "shell/screen_mgr.h"
#include "sound/music.h"
#include "stage/level.h"

namespace {

const char* const STAGE_FILE = "rsrc/road/stage_road.ini";
// Given to the right fighter whoever it is, so two copies of one character
// look different.
const char* const SWAP_FILE = "game/fighter/lunet_swap.ini";
const int START_DISTANCE = 200;  // each fighter starts this far from the middle
const int ROUND_END_SECONDS = 3;
const int DEFAULT_FPS = 60;
const int MAX_WINS = 255;        // wins is a byte
const int LEFT = 0;
const int RIGHT = 1;

// The computer's temperament in every match.
const int WEIGHT_BLOCK_VALUE = 50;
const int WEIGHT_SPARE_VALUE = 25;
const int WEIGHT_REACH_VALUE = 10;
const int WEIGHT_JUMP_VALUE = 25;
const int WEIGHT_DUCK_VALUE = 25;
const int WEIGHT_APPROACH_VALUE = 50;

int checked_fps(int fps) {
    if (fps > 0) return fps;
    printf("WARNING: match fps [%d] is not positive, using [%d]\n", fps, DEFAULT_FPS);
    return DEFAULT_FPS;
}

}  // namespace

match::match(const match_request& series, const match_assets& match_assets_in)
    : request(series),
      assets(match_assets_in),
      display_elements(match_assets_in),
      updater(display_elements),
      stage(nullptr),
      view(nullptr),
      controllers(nullptr),
      running(false),
      round_is_done(false),
      round_over_frames(0),
      over_limit(0) {
    request.fps = checked_fps(request.fps);
}

match::~match() { end_series(); }

fighter_lifeform* match::left() const { return game_objects.size() > LEFT ? game_objects[LEFT] : nullptr; }

fighter_lifeform* match::right() const { return game_objects.size() > RIGHT ? game_objects[RIGHT] : nullptr; }

void match::run() {
    set_up();
    do {
        start_round();
        while (!round_is_done) frame();
    } while (!end_round());
    end_series();
}

const char* match::fighter_file(int choice) const {
    const int count = (int)request.fighter_files.size();
    if (count == 0) {
        printf("WARNING: no fighter files to choose from\n");
        return "";
    }
    if (choice < 0 || choice >= count) {
        printf("WARNING: fighter choice [%d] is not one of the [%d] fighters, using 0\n", choice, count);
        choice = 0;
    }
    return request.fighter_files[choice].c_str();
}

void match::load_fighters() {
    fighter_lifeform* left_fighter = new fighter_lifeform();
    left_fighter->controls = p2_controls;
    left_fighter->load(fighter_file(request.second_choice));
    game_objects.push_back(left_fighter);

    fighter_lifeform* right_fighter = new fighter_lifeform();
    right_fighter->colour_swaps = colour_swap_file::read(SWAP_FILE, screen.surface ? screen.surface->format : nullptr);
    right_fighter->controls = p1_controls;
    right_fighter->load(fighter_file(request.first_choice));
    game_objects.push_back(right_fighter);

    left_fighter->target = RIGHT;
    right_fighter->target = LEFT;
    for (fighter_lifeform* object : game_objects) object->dies_at_edge = 0;
}

// The right fighter is the first player's: arrow keys and the joystick.
void match::build_controllers() {
    int right_source = controller::SOURCE_KEYS_ARROWS;
    int left_source = controller::SOURCE_CPU;
    switch (request.mode) {
    case match_request::ARCADE:
    case match_request::SURVIVAL:
        break;
    case match_request::VERSUS:
        left_source = controller::SOURCE_KEYS_LETTERS;
        break;
    case match_request::DEMO:
        right_source = controller::SOURCE_CPU;
        break;
    default:
        printf("WARNING: unknown match mode [%d], the computer plays both fighters\n", request.mode);
        right_source = controller::SOURCE_CPU;
        break;
    }
    controllers = new controller[2];
    controllers[0].add_source(right_source);
    controllers[1].add_source(left_source);
}

void match::place_fighters() {
    const int middle = (int)(camera::play_width(*stage) * 0.5);
    fighter_lifeform& left_fighter = *left();
    fighter_lifeform& right_fighter = *right();

    left_fighter.controller = &controllers[1];
    controllers[1].tracker.import_combos(left_fighter.combos);
    left_fighter.facing = 1;
    left_fighter.x = middle - START_DISTANCE;
    left_fighter.y = screen.height() - left_fighter.height;
    left_fighter.team = 0;

    right_fighter.controller = &controllers[0];
    controllers[0].tracker.import_combos(right_fighter.combos);
    right_fighter.x = middle + START_DISTANCE;
    right_fighter.y = screen.height() - right_fighter.height;
    right_fighter.team = 1;

    for (fighter_lifeform* fighter : {&left_fighter, &right_fighter}) {
        fighter->set_cpu_weights(WEIGHT_BLOCK_VALUE, WEIGHT_SPARE_VALUE, WEIGHT_REACH_VALUE, WEIGHT_JUMP_VALUE,
                                 WEIGHT_DUCK_VALUE, WEIGHT_APPROACH_VALUE);
        fighter->fps = request.fps;
    }
}

void match::print_sizes() const {
    printf("sizeof player 1[%d] is [%d]\n", LEFT, (int)sizeof(fighter_lifeform));
    printf("sizeof player 2[%d] is [%d]\n", RIGHT, (int)sizeof(fighter_lifeform));
    printf("Level [%d,%d] screen [%d,%d]\n", stage->level_width, stage->level_height, screen.width(),
           screen.height());
    printf("Scrolling Max for level: maxx [%d] maxy[%d]\n", stage->level_width - screen.width(),
           stage->level_height - screen.height());
}

void match::set_up() {
    if (running) return;
    if (!game_objects.empty()) {
        printf("WARNING: [%d] objects were left in play by an earlier series, clearing them\n",
               (int)game_objects.size());
        clear_game_objects();
    }
    stage = new level();
    stage->publish();
    stage->load(STAGE_FILE);
    printf("Setting FPS [%d]\n", request.fps);
    if (request.framerate) SDL_setFramerate(request.framerate, request.fps);
    printf("sizeof level is [%d]\n", (int)sizeof(level));

    load_fighters();
    build_controllers();
    place_fighters();
    print_sizes();

    view = new camera(*stage, *left(), *right());
    view->first_view();
    over_limit = ROUND_END_SECONDS * request.fps;
    running = true;
}

void match::start_round() {
    music::start_loop(assets.music);
    round_is_done = false;
    round_over_frames = 0;
}

void match::add_wins(fighter_lifeform& fighter, int count) {
    const int total = fighter.wins + count;
    fighter.wins = (Uint8)(total > MAX_WINS ? MAX_WINS : total);
}

// A closed window gives the left fighter the series, Escape the right one.
void match::read_quit_inputs() {
    SDL_Event event;
    if (platform::poll_event(&event) && event.type == SDL_QUIT) {
        round_is_done = true;
        add_wins(*left(), request.reqwins + 1);
    }
    const Uint8* keys = platform::key_state();
    if (keys && keys[SDLK_ESCAPE]) {
        round_is_done = true;
        add_wins(*right(), request.reqwins + 1);
    }
}

void match::lay_down(fighter_lifeform& fighter) {
    fighter.state = lifeform::STATE_KNOCKED_OUT;
    fighter.move_kind = fighter_lifeform::KIND_KNOCKED_OUT;
    fighter.y = screen.height() - fighter.height;
}

void match::knock_out(fighter_lifeform& fighter, const char* text) {
    display_elements.show_result(text);
    lay_down(fighter);
    round_over_frames++;
}

// Runs every frame while a fighter is down, so the result stays on screen
// and the count toward the round's end goes on.
void match::check_knock_outs() {
    fighter_lifeform& left_fighter = *left();
    fighter_lifeform& right_fighter = *right();
    const bool left_down = left_fighter.life < 0;
    const bool right_down = right_fighter.life < 0;
    if (left_down) knock_out(left_fighter, "Player 2 Wins");
    if (right_down) knock_out(right_fighter, "Player 1 Wins");
    if (left_down && right_down) {
        display_elements.show_result("Double Death");
        lay_down(left_fighter);
        lay_down(right_fighter);
        round_over_frames++;
    }
}

void match::play_effects() {
    const int scroll_x = stage->scroll_x;
    const int scroll_y = stage->scroll_y;
    for (std::list<anim_group>::iterator spark = effects.begin(); spark != effects.end();) {
        spark->play(-scroll_x, -scroll_y);
        if (spark->stack->empty()) {
            spark = effects.erase(spark);
        } else {
            ++spark;
        }
    }
}

void match::frame() {
    if (!running) return;
    screen.clear_screen();
    music::keep_looping(assets.music);
    read_quit_inputs();
    view->follow();
    if (left()->overlaps(*right())) exchange::between_fighters(*left(), *right());
    const bool projectile_alive = exchange::projectile_contacts(game_objects);
    check_knock_outs();
    // By index to the current end: projectiles launched while an object is
    // drawn are appended and run in this same frame.
    for (size_t index = 0; index < game_objects.size(); index++) updater.run(index, projectile_alive);
    play_effects();
    platform::frame_delay(request.framerate);
    screen.flip();
    if (round_over_frames > over_limit) round_is_done = true;
}

void match::reset_for_next_round() {
    for (fighter_lifeform* fighter : {left(), right()}) {
        fighter->hits_taken = 0;
        fighter->state = lifeform::STATE_NEUTRAL;
        fighter->move_kind = fighter_lifeform::KIND_NONE;
        fighter->life = fighter->max_life;
    }
}

bool match::end_round() {
    if (!running) return true;
    printf("Loop finished\n");
    fighter_lifeform& left_fighter = *left();
    fighter_lifeform& right_fighter = *right();
    if (!left_fighter.is_alive()) add_wins(right_fighter, 1);
    if (!right_fighter.is_alive()) add_wins(left_fighter, 1);
    // Survival goes on with everything as it stands until the computer on
    // the left wins a round.
    if (request.mode == match_request::SURVIVAL) return left_fighter.wins > 0;
    printf("mode [%d] reqwins[%d] p1[%d] p2[%d]\n", request.mode, request.reqwins, left_fighter.wins,
           right_fighter.wins);
    if (left_fighter.wins > request.reqwins || right_fighter.wins > request.reqwins) return true;
    reset_for_next_round();
    return false;
}

void match::end_series() {
    if (!running) return;
    stage->unload();
    printf("Level Unloaded\n");
    delete view;
    view = nullptr;
    delete stage;
    stage = nullptr;
    printf("Level Deleted\n");
    clear_game_objects();
    printf("Clearing Gameobjects\n");
    delete[] controllers;
    controllers = nullptr;
    // A spark still playing belongs to this series.
    effects.clear();
    running = false;
}

void run_match_series(const match_request& request, const match_assets& assets) {
    match series(request, assets);
    series.run();
}
