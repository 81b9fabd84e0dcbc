#include "shell/match.h"

#include <SDL/SDL.h>

#include <cctype>
#include <cstdio>
#include <string>

#include "ai/cpu_source.h"
#include "anim/anim_group.h"
#include "input/control_maps.h"
#include "input/controller.h"
#include "input/live_input.h"
#include "objects/fighter_lifeform.h"
#include "objects/game_objects.h"
#include "shell/camera.h"
#include "shell/colour_swap_file.h"
#include "shell/exchange.h"
#include "shell/fighter_pose.h"
#include "shell/match_assets.h"
#include "platform/platform.h"
#include "platform/screen_mgr.h"
#include "shell/training_overlay.h"
#include "shell/victory_screen.h"
#include "sound/music.h"
#include "stage/level.h"

namespace {

const char* const STAGE_FILE = "rsrc/road/stage_road.ini";
const int START_DISTANCE = 200;  // each fighter starts this far from the middle
const int ROUND_END_SECONDS = 3;
const int DEFAULT_FPS = 60;
const int LEFT = 0;
const int RIGHT = 1;
const char* const TIME_OUT_TEXT = "TIME";

// The computer's temperament in every match.
const int WEIGHT_BLOCK_VALUE = 50;
const int WEIGHT_SPARE_VALUE = 25;
const int WEIGHT_REACH_VALUE = 10;
const int WEIGHT_JUMP_VALUE = 25;
const int WEIGHT_DUCK_VALUE = 25;
const int WEIGHT_APPROACH_VALUE = 50;

// Room for the inputs of ten minutes at 60 frames a second, so that keeping
// them does not allocate while a usual series is played.
const size_t PLAYED_FRAMES_RESERVED = 10 * 60 * 60;
// The right fighter's dice start one past the left one's: two sequences
// from one seed.
const Uint32 RIGHT_DICE_OFFSET = 1;

}  // namespace

// A fighter plays under the name its file starts with: "halvard_char.ini"
// is Halvard.
std::string match::fighter_name(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t start = slash == std::string::npos ? 0 : slash + 1;
    const size_t end = path.find_first_of("_.", start);
    std::string name = path.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!name.empty()) name[0] = (char)toupper((unsigned char)name[0]);
    return name;
}

namespace {

match_request with_checked_fps(const match_request& series) {
    match_request checked = series;
    if (checked.fps <= 0) {
        printf("WARNING: match fps [%d] is not positive, using [%d]\n", checked.fps, DEFAULT_FPS);
        checked.fps = DEFAULT_FPS;
    }
    return checked;
}

}  // namespace

match::match(const match_request& series, const match_assets& match_assets_in)
    : request(with_checked_fps(series)),
      assets(match_assets_in),
      display_elements(match_assets_in, request.fps),
      updater(display_elements),
      stage(nullptr),
      view(nullptr),
      controllers(nullptr),
      running(false),
      round_is_done(false),
      round_over_frames(0),
      over_limit(0),
      left_by_player(false),
      intro(match_assets_in),
      introducing(false),
      rounds_started(0),
      celebrating(nullptr),
      winning_side(-1),
      opponent_choice(series.second_choice),
      opponents_beaten(0),
      cheat_rules(series),
      pause(series.mode == match_request::TRAINING),
      seed(0),
      fed(nullptr),
      checker(series.synctest_frames) {}

match::~match() { end_series(); }

fighter_lifeform* match::left() const { return game_objects.size() > LEFT ? game_objects[LEFT] : nullptr; }

fighter_lifeform* match::right() const { return game_objects.size() > RIGHT ? game_objects[RIGHT] : nullptr; }

void match::run() {
    play_rounds();
    show_victory();
    end_series();
}

void match::play_rounds() {
    set_up();
    do {
        start_round();
        while (!round_is_done) frame();
    } while (!end_round());
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

fighter_lifeform* match::load_fighter(int choice, const name_list<control>* controls, bool recoloured) const {
    fighter_lifeform* fighter = new fighter_lifeform();
    if (recoloured) {
        fighter->colour_swaps =
            colour_swap_file::read(colour_swap_file::FIRST_PLAYER_FILE, screen.surface ? screen.surface->format : nullptr);
    }
    fighter->controls = controls;
    fighter->load(fighter_file(choice));
    fighter->stay_in_level();
    return fighter;
}

void match::load_fighters() {
    game_objects.push_back(load_fighter(request.second_choice, p2_controls, false));
    game_objects.push_back(load_fighter(request.first_choice, p1_controls, true));
    left()->aim_at(RIGHT);
    right()->aim_at(LEFT);
}

static_assert((int)match_request::EASY == (int)controller::EASY && (int)match_request::NORMAL == (int)controller::NORMAL &&
                  (int)match_request::HARD == (int)controller::HARD,
              "a series' difficulty is handed to the CPU as it is");

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
    case match_request::TRAINING:
        left_source = controller::SOURCE_HELD;
        break;
    default:
        printf("WARNING: unknown match mode [%d], the computer plays both fighters\n", request.mode);
        right_source = controller::SOURCE_CPU;
        break;
    }
    controllers = new controller[2];
    controllers[0].add_source(right_source);
    controllers[1].add_source(left_source);
    for (int side = 0; side < 2; side++) controllers[side].difficulty = request.cpu_difficulty;
    controllers[0].player = 1;
    controllers[1].player = 2;
}

// Once per series, from the request's seed or else the clock, so that a
// series can be played again turn for turn.
void match::seed_dice() {
    seed = request.seed_given ? request.seed : platform::ticks();
    printf("Series seed [%u]\n", seed);
    controllers[1].chance.seed(seed);
    controllers[0].chance.seed((Uint64)seed + RIGHT_DICE_OFFSET);
}

void match::feed_inputs(const std::vector<frame_input>* inputs) { fed = inputs; }

bool match::take_inputs(frame_input* inputs) {
    if (fed) {
        if (played.size() >= fed->size()) return false;
        *inputs = (*fed)[played.size()];
    } else {
        *inputs = live_input::read();
        // The key trackers' clock stands still while the match is paused,
        // so no combo window runs out behind the pause list.
        for (side_input& side : inputs->sides) side.clock_ms -= pause.paused_ms();
    }
    played.push_back(*inputs);
    return true;
}

// Each fighter on its side of the stage's middle, on the floor; the left one
// faces right.
void match::stand_at_start(fighter_lifeform& fighter, int side) const {
    const int middle = (int)(camera::play_width(*stage) * 0.5);
    fighter.stand_at(side == LEFT ? middle - START_DISTANCE : middle + START_DISTANCE, side == LEFT);
}

// A fighter at its start with its controller.
void match::place_fighter(fighter_lifeform& fighter, int side) {
    controller& driver = controllers[side == LEFT ? 1 : 0];
    fighter.join(driver, side, request.fps);
    driver.tracker.import_combos(fighter.combos);
    stand_at_start(fighter, side);
    fighter.set_cpu_weights(WEIGHT_BLOCK_VALUE, WEIGHT_SPARE_VALUE, WEIGHT_REACH_VALUE, WEIGHT_JUMP_VALUE,
                            WEIGHT_DUCK_VALUE, WEIGHT_APPROACH_VALUE);
}

void match::place_fighters() {
    place_fighter(*left(), LEFT);
    place_fighter(*right(), RIGHT);
    display_elements.seat(hud::LEFT_SEAT, left(), seat_name(hud::LEFT_SEAT));
    display_elements.seat(hud::RIGHT_SEAT, right(), seat_name(hud::RIGHT_SEAT));
}

void match::print_sizes() const {
    printf("sizeof player 1[%d] is [%d]\n", RIGHT, (int)sizeof(fighter_lifeform));
    printf("sizeof player 2[%d] is [%d]\n", LEFT, (int)sizeof(fighter_lifeform));
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
    seed_dice();
    played.clear();
    played.reserve(PLAYED_FRAMES_RESERVED);
    place_fighters();
    print_sizes();
    index_definitions();

    view = new camera(*stage, *left(), *right());
    view->first_view();
    over_limit = ROUND_END_SECONDS * request.fps;
    cheat_rules.make_mark(assets.win_text);
    pause_view.build();
    if (in_training()) training.start(request.fps, *left(), *right());
    running = true;
}

void match::start_round() {
    checker.forget();
    music::start_loop(assets.music);
    round_is_done = false;
    round_over_frames = 0;
    // The training never ends: it has no round time.
    clock.start(in_training() ? 0 : request.round_seconds, request.fps);
    celebrating = nullptr;
    rounds_started++;
    printf("Round [%d]\n", rounds_started);
    intro.begin(rounds_started, request.fps);
}

void match::add_wins(fighter_lifeform& fighter, int count) {
    fighter.add_wins(count);
}

// A closed window gives the left fighter the series, Escape the right one.
// The whole queue is read each frame: a close behind a burst of key events
// still ends the series at once.
void match::read_quit_inputs() {
    platform::pump_events();
    apply_quit_inputs();
}

void match::apply_quit_inputs() {
    if (platform::close_requested()) leave_series(*left());
    const Uint8* keys = platform::key_state();
    if (keys && keys[SDLK_ESCAPE]) leave_series(*right());
}

// A training counts no wins: it leaves nothing behind.
void match::leave_series(fighter_lifeform& given_the_series) {
    round_is_done = true;
    left_by_player = true;
    if (!in_training()) add_wins(given_the_series, request.reqwins + 1);
}

void match::lay_down(fighter_lifeform& fighter) {
    fighter.lie_knocked_out();
}

void match::knock_out(fighter_lifeform& fighter, const char* text) {
    display_elements.show_result(text);
    lay_down(fighter);
    round_over_frames++;
}

// Runs every frame while a fighter is down, so the result stays on screen
// and the count toward the round's end goes on. The first player is on the
// right: the left fighter down is the first player's win.
void match::check_knock_outs() {
    fighter_lifeform& left_fighter = *left();
    fighter_lifeform& right_fighter = *right();
    const bool left_down = left_fighter.life < 0;
    const bool right_down = right_fighter.life < 0;
    if (left_down) knock_out(left_fighter, "Player 1 Wins");
    if (right_down) knock_out(right_fighter, "Player 2 Wins");
    if (left_down != right_down) celebrate(left_down ? right_fighter : left_fighter);
    if (right_down && request.mode == match_request::SURVIVAL) show_opponents_beaten();
    if (left_down && right_down) {
        display_elements.show_result("Double Death");
        lay_down(left_fighter);
        lay_down(right_fighter);
        round_over_frames++;
    }
}

// The winner stops where it stands and shows its victory until the round
// ends.
void match::celebrate(fighter_lifeform& winner) {
    if (celebrating == &winner) return;
    winner.stand_still();
    celebrating = &winner;
    printf("Knock-out: the %s fighter wins the round\n", &winner == left() ? "left" : "right");
}

void match::play_effects() {
    const int scroll_x = stage->scroll_x;
    const int scroll_y = stage->scroll_y;
    spark_pictures.clear();
    for (std::list<anim_group>::iterator spark = effects.begin(); spark != effects.end();) {
        stage->start_effects(spark->play(-scroll_x, -scroll_y, stage->zoom, spark_pictures));
        if (spark->stack->empty()) {
            spark = effects.erase(spark);
        } else {
            ++spark;
        }
    }
}

// Once time is out nobody can be hurt any more: the result stands.
void match::check_time() {
    if (clock.expired()) {
        display_elements.show_result(TIME_OUT_TEXT);
        round_over_frames++;
    } else if (round_over_frames == 0) {
        clock.tick();
    }
}

// The picture of the frame just drawn stays on screen while paused.
void match::open_pause() {
    pause_view.keep_picture();
    pause.open();
}

void match::paused_frame() {
    music::keep_looping(assets.music);
    const pause_menu::answer answer = pause.poll();
    apply_quit_inputs();
    if (answer == pause_menu::LEAVE && !round_is_done) leave_series(*right());
    if (answer == pause_menu::NEXT_DUMMY_MODE) training.dummy.next_mode();
    pause_view.draw(pause, training.dummy.current());
    platform::frame_delay(request.framerate);
    screen.flip();
}

void match::frame() {
    if (!running) return;
    if (pause.paused()) {
        paused_frame();
        return;
    }
    music::keep_looping(assets.music);
    read_quit_inputs();
    frame_input inputs;
    if (!take_inputs(&inputs)) {
        // A fed series ends where its inputs end.
        round_is_done = true;
        left_by_player = true;
        return;
    }
    if (checker.on()) {
        checker.step_and_check(*this, inputs);
    } else {
        step(inputs);
    }
    if (screen.painting) {
        screen.clear_screen();
        draw();
    }
    if (!round_is_done && pause.pause_pressed()) open_pause();
    platform::frame_delay(request.framerate);
    if (screen.painting) screen.flip();
}

void match::step(const frame_input& inputs) {
    if (!running) return;
    display_elements.start_frame();
    controllers[0].input = inputs.sides[0];
    controllers[1].input = inputs.sides[1];
    if (in_training()) training.dummy.drive(controllers[1], *left(), *right());
    view->follow();
    introducing = intro.running();
    if (introducing) {
        show_introduction();
    } else {
        play();
    }
    play_effects();
    if (round_over_frames > over_limit) round_is_done = true;
}

// In the order the step left them: what a later picture covers stays
// covered.
void match::draw() const {
    if (!running) return;
    stage->draw();
    if (introducing) {
        for (const fighter_lifeform* fighter : {left(), right()}) {
            display_elements.draw(*fighter);
            fighter->draw();
        }
        intro.draw();
    } else {
        display_elements.draw_results();
        for (size_t index = 0; index < game_objects.size(); index++) draw_object(index);
        if (in_training()) training_overlay::draw(training, *left(), *right(), assets.win_text);
    }
    cheat_rules.draw_mark();
    clock.draw(assets.name_face);
    spark_pictures.draw();
}

// A fighter's display elements show while it is alive; the string of hits
// it takes not while it celebrates.
void match::draw_object(size_t index) const {
    const fighter_lifeform& object = *game_objects[index];
    const bool seated = index <= RIGHT && object.is_alive();
    object.draw_ghosts();
    if (seated) display_elements.draw(object);
    object.draw();
    if (seated && &object != celebrating) display_elements.draw_hit_count(object);
}

// While the round is introduced the fighters stand ready and nothing of the
// rules runs: no control acts.
void match::show_introduction() {
    fighter_pose::show(*left(), lifeform::SHOW_READY);
    fighter_pose::show(*right(), lifeform::SHOW_READY);
    intro.step();
}

void match::play() {
    const bool fighting = !clock.expired();
    if (fighting && left()->overlaps(*right())) exchange::between_fighters(*left(), *right());
    const bool projectile_alive = fighting && exchange::projectile_contacts(game_objects);
    cheat_rules.apply(*left(), *right());
    if (in_training()) training.after_blows(*left(), *right());
    check_knock_outs();
    check_time();
    // By index to the current end: projectiles launched while an object
    // shows its move are appended and run in this same frame.
    for (size_t index = 0; index < game_objects.size(); index++) run_object(index, projectile_alive);
    if (in_training()) training.after_moves(controllers[0], *left(), *right());
}

void match::run_object(size_t index, bool projectile_alive) {
    fighter_lifeform* const object = game_objects[index];
    if (object == celebrating && object->is_alive()) {
        fighter_pose::show(*object, lifeform::SHOW_VICTORY);
    } else {
        updater.run(index, projectile_alive);
    }
}

// Every round starts afresh at the start places, the camera following them
// there; a fighter that keeps its life (survival's player) keeps only that.
void match::ready_for_round(fighter_lifeform& fighter, int side, bool full_life) {
    fighter.stand_still();
    stand_at_start(fighter, side);
    if (full_life) fighter.refill_life();
    fighter.show_life_at_once();
}

// A projectile still flying when a round ends is gone in the next.
void match::end_projectiles() {
    for (size_t index = RIGHT + 1; index < game_objects.size(); index++) {
        if (game_objects[index]->is_alive()) game_objects[index]->end_life();
    }
}

void match::reset_for_next_round() {
    ready_for_round(*left(), LEFT, true);
    ready_for_round(*right(), RIGHT, true);
    end_projectiles();
}

bool match::end_round() {
    if (!running) return true;
    const bool over = count_round();
    if (over && !left_by_player) winning_side = series_winner();
    return over;
}

bool match::count_round() {
    printf("Loop finished\n");
    fighter_lifeform& left_fighter = *left();
    fighter_lifeform& right_fighter = *right();
    if (lost_round(left_fighter, right_fighter)) add_wins(right_fighter, 1);
    if (lost_round(right_fighter, left_fighter)) add_wins(left_fighter, 1);
    if (request.mode == match_request::SURVIVAL) return left_by_player || end_survival_round();
    printf("mode [%d] reqwins[%d] p1[%d] p2[%d]\n", request.mode, request.reqwins, right_fighter.wins,
           left_fighter.wins);
    if (left_by_player) return true;
    if (left_fighter.wins > request.reqwins || right_fighter.wins > request.reqwins) return true;
    reset_for_next_round();
    return false;
}

// Knocked out; or, when time ran out, with less life than the opponent, or
// as much (both lose, as in a double knock-out).
bool match::lost_round(const fighter_lifeform& fighter, const fighter_lifeform& opponent) const {
    if (!fighter.is_alive()) return true;
    return clock.expired() && fighter.life <= opponent.life;
}

void match::show_opponents_beaten() {
    char text[48];
    snprintf(text, sizeof(text), "Opponents beaten: %d", opponents_beaten);
    display_elements.show_result(text, 1);
}

// The player's fighter keeps its life from opponent to opponent; the
// series ends with the first round the player loses.
bool match::end_survival_round() {
    fighter_lifeform& player = *right();
    if (lost_round(player, *left())) {
        printf("Survival over: [%d] opponents beaten\n", opponents_beaten);
        return true;
    }
    if (lost_round(*left(), player)) {
        opponents_beaten++;
        bring_next_opponent();
    }
    ready_for_round(player, RIGHT, false);
    ready_for_round(*left(), LEFT, true);
    end_projectiles();
    return false;
}

// Survival ends with the player down: the opponent standing won it.
int match::series_winner() const {
    const fighter_lifeform& left_fighter = *left();
    const fighter_lifeform& right_fighter = *right();
    if (request.mode == match_request::SURVIVAL) return left_fighter.is_alive() ? hud::LEFT_SEAT : -1;
    if (left_fighter.wins == right_fighter.wins) return -1;
    return left_fighter.wins > right_fighter.wins ? hud::LEFT_SEAT : hud::RIGHT_SEAT;
}

std::string match::seat_name(int side) const {
    return fighter_name(fighter_file(side == hud::LEFT_SEAT ? opponent_choice : request.first_choice));
}

// Survival counts the opponents beaten; a series of rounds its score, the
// winner's first.
std::string match::score_line() const {
    char text[48];
    if (request.mode == match_request::SURVIVAL) {
        snprintf(text, sizeof(text), "Opponents beaten: %d", opponents_beaten);
    } else {
        const int left_wins = left()->wins;
        const int right_wins = right()->wins;
        const bool left_first = winning_side == hud::LEFT_SEAT;
        snprintf(text, sizeof(text), "%d - %d", left_first ? left_wins : right_wins,
                 left_first ? right_wins : left_wins);
    }
    return text;
}

void match::show_victory() {
    if (!running || left_by_player) return;
    fighter_lifeform* const winner = winning_side < 0 ? nullptr : game_objects[winning_side];
    const std::string name = winner ? seat_name(winning_side) : "";
    const std::string score = score_line();
    victory_screen victory(assets, winner, winning_side, name, score, request.fps);
    printf("Victory: [%s] [%s] [%s]\n", victory.headline(), name.c_str(), score.c_str());
    while (victory.step()) {
        screen.clear_screen();
        view->redraw();
        victory.draw();
        platform::frame_delay(request.framerate);
        screen.flip();
    }
    // Escape or a close on the way out leaves whatever the series was part of.
    if (victory.left()) left_by_player = true;
}

// The next fighter of the roster takes the beaten one's place, fresh, at
// the left start; the camera and the display follow the new fighter.
void match::bring_next_opponent() {
    const int count = (int)request.fighter_files.size();
    opponent_choice = count > 0 ? (opponent_choice + 1) % count : 0;
    delete game_objects[LEFT];
    fighter_lifeform* opponent = load_fighter(opponent_choice, p2_controls, false);
    game_objects[LEFT] = opponent;
    opponent->aim_at(RIGHT);
    controllers[1].behaviour = -1;
    place_fighter(*opponent, LEFT);
    display_elements.seat(hud::LEFT_SEAT, opponent, seat_name(hud::LEFT_SEAT));
    delete view;
    view = new camera(*stage, *opponent, *right());
    index_definitions();
    printf("Survival: opponent [%d] after [%d] beaten\n", opponent_choice, opponents_beaten);
}

void match::end_series() {
    if (!running) return;
    if (checker.on()) checker.report();
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
    display_elements.clear_seats();
    cheat_rules.release_mark();
    pause_view.release();
    // A spark still playing belongs to this series.
    effects.clear();
    running = false;
}

void run_match_series(const match_request& request, const match_assets& assets) {
    match series(request, assets);
    series.run();
}
