#include "input/controller.h"

#include <cstdio>

#include "config/state_fields.h"
#include "input/control_maps.h"

namespace {

// A stick step is half a unit of input: -3 .. 3 gives -1.5 .. 1.5.
const double STICK_UNIT = 0.5;

// Keyboard direction: the positive key wins when both are held.
bool read_key_axis(bool negative, bool positive, double* value) {
    if (negative) *value = -1.0;
    if (positive) *value = 1.0;
    return negative || positive;
}

}  // namespace

controller::controller()
    : sources(),
      cursor(0),
      source_count(0),
      action(0),
      horizontal(0.0),
      vertical(0.0),
      pos_x(0),
      facing(0),
      behaviour(-1),
      target(0),
      scripted_held(0),
      cpu_weights(),
      difficulty(controller::NORMAL),
      reaction_wait(0),
      reach_warned(0),
      input(),
      player(1) {}

int controller::add_source(int type) {
    if (source_count >= MAX_SOURCES) {
        printf("WARNING: controller [%p] already has [%d] sources, source type [%d] refused\n", (void*)this,
               source_count, type);
        return 0;
    }
    sources[source_count] = type;
    source_count++;
    return 1;
}

void controller::update(computer_step computer) {
    action = NO_ACTION;
    tracker.mirror_keys = facing;
    tracker.update(input, keys_of_player(player));
    if (cursor < 0 || cursor >= source_count) cursor = 0;
    if (source_count > 0) run_source(sources[cursor], computer);
    cursor++;
    if (cursor >= source_count) cursor = 0;
}

void controller::run_source(int type, computer_step computer) {
    switch (type) {
        case SOURCE_KEYS_ARROWS:
            keys_arrows();
            break;
        case SOURCE_KEYS_LETTERS:
            keys_letters();
            break;
        case SOURCE_CPU:
            if (computer) computer(*this);
            break;
        case SOURCE_IDLE:
            vertical = 0.0;
            break;
        case SOURCE_HELD:
            held_controls();
            break;
        default:
            break;
    }
}

// The joystick's buttons are in the held bits as the punch, the kick and
// the two extra buttons; a later one overrides, so the keyboard's kick wins
// over its punch.
void controller::keys_arrows() {
    bool touched_x = false;
    bool touched_y = false;
    read_stick(&touched_x, &touched_y);
    // The keyboard overrides the joystick.
    touched_x = read_key_axis(held(HELD_LEFT), held(HELD_RIGHT), &horizontal) || touched_x;
    touched_y = read_key_axis(held(HELD_UP), held(HELD_DOWN), &vertical) || touched_y;
    if (!touched_x) horizontal = 0.0;
    if (!touched_y) vertical = 0.0;
    if (held(HELD_PUNCH)) action = ACTION_PUNCH;
    if (held(HELD_KICK)) action = ACTION_KICK;
    if (held(HELD_BUTTON_4)) action = ACTION_BUTTON_4;
    if (held(HELD_BUTTON_5)) action = ACTION_BUTTON_5;
}

void controller::read_stick(bool* touched_x, bool* touched_y) {
    if (input.stick_x != 0) {
        horizontal = input.stick_x * STICK_UNIT;
        *touched_x = true;
    }
    if (input.stick_y != 0) {
        vertical = input.stick_y * STICK_UNIT;
        *touched_y = true;
    }
}

// The punch wins over the kick on the second player's keys.
void controller::keys_letters() {
    const bool touched_x = read_key_axis(held(HELD_LEFT), held(HELD_RIGHT), &horizontal);
    const bool touched_y = read_key_axis(held(HELD_UP), held(HELD_DOWN), &vertical);
    if (held(HELD_KICK)) action = ACTION_KICK;
    if (held(HELD_PUNCH)) action = ACTION_PUNCH;
    if (!touched_x) horizontal = 0.0;
    if (!touched_y) vertical = 0.0;
}

// As the keys would: the positive direction wins, the kick over the punch.
void controller::held_controls() {
    horizontal = (scripted_held & HELD_RIGHT) ? 1.0 : (scripted_held & HELD_LEFT) ? -1.0 : 0.0;
    vertical = (scripted_held & HELD_DOWN) ? 1.0 : (scripted_held & HELD_UP) ? -1.0 : 0.0;
    if (scripted_held & HELD_PUNCH) action = ACTION_PUNCH;
    if (scripted_held & HELD_KICK) action = ACTION_KICK;
}

template <class Archive, class Self>
void controller::fields(Archive&& archive, Self& self) {
    STATE_FIELDS(archive, self.cursor, self.action, self.horizontal, self.vertical, self.pos_x, self.facing,
                 self.behaviour, self.target, self.cpu_weights, self.reaction_wait, self.reach_warned, self.chance,
                 self.tracker);
}

void controller::save(state_buffer& out) const { fields(state_writer(out), *this); }

void controller::restore(state_buffer& in) { fields(state_reader(in), *this); }
