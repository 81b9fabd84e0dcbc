#include "objects/fighter_lifeform.h"

#include <cstdio>

#include "anim/ag_stack.h"
#include "anim/anim_group.h"
#include "anim/move_gate.h"
#include "config/state_fields.h"
#include "input/controller.h"

namespace {

const int BLOW_DAMAGE = 10;
const int CHIP_DAMAGE = 1;
const int PROJECTILE_EXTRA_DAMAGE = 15;  // on top of the blow: 25 in all
const int HIT_FREEZE_FRAMES = 4;
const int HITS_PER_KNOCKDOWN = 3;
const int MAX_KNOCKDOWNS = 255;  // the counter is a byte
const int MAX_WINS = 255;        // so is this one
// Decays by a quarter a frame, so the guard slides for two frames: some 5
// to 8 pixels at the roster's speeds.
const double GUARD_SLIDE_DRIFT = 1.25;

int picture_by_posture(int posture, int crouch, int stand, int jump) {
    if (posture == fighter_lifeform::POSTURE_CROUCH) return crouch;
    if (posture == fighter_lifeform::POSTURE_JUMP) return jump;
    return stand;
}

}  // namespace

fighter_lifeform::fighter_lifeform()
    : move_kind(MOVE_KIND_BLOCK),
      priority(0),
      posture(POSTURE_STAND),
      hit_posture(POSTURE_CROUCH),
      blow_guarded(0),
      hits_taken(0),
      hit_time(0),
      wins(0),
      knockdowns(0),
      dizzy_frames(0),
      fps(DEFAULT_FPS) {}

int fighter_lifeform::can_act() const { return move_gate::can_act(move_kind, priority, anim_stack); }

int fighter_lifeform::start_move(int index, int move_priority) {
    // A move number the file does not give starts nothing, silently: the
    // match asks for such moves every frame. A move whose animation has no
    // frames (its file was missing) is refused with a warning, since
    // starting it would only blank the fighter's size.
    if (index < 0 || index >= move_count() || !moves[index]) return 1;
    if (!moves[index]->check_playable()) return 1;
    const anim_group* started =
        move_gate::start_move(move_kind, priority, anim_stack, moves, index, move_priority);
    if (started) {
        width = (Uint16)started->width;
        height = (Uint16)started->height;
        move_phase = PHASE_MOVE;
        blow_guarded = 0;
    }
    return 1;
}

// Counted from the knock-downs rather than from move_kind 12: the match
// resets move_kind within the same update that sets it.
int fighter_lifeform::is_dizzy() const {
    return knockdowns >= DIZZY_KNOCKDOWNS && dizzy_frames < DIZZY_SECONDS * fps;
}

// Only a hit reaction that is still running absorbs hits; a walking or
// attacking fighter is hit, so two attackers trade blows. The reaction is
// known by what runs, a move started at the hit reaction's priority, for
// the match writes over move_kind while it plays: holding back makes it 1
// (guarding) and dizziness 12. move_kind 2 alone covers the rest of the
// frame of a hit on a fighter that has no reaction move to play.
int fighter_lifeform::reacting_to_hit() const {
    if (move_phase != PHASE_MOVE) return 0;
    if (move_kind == MOVE_KIND_HIT_REACTION) return 1;
    return priority == PRIORITY_HIT_REACTION && !move_list_empty();
}

void fighter_lifeform::take_hit(fighter_lifeform& attacker) {
    if (!attacker.is_alive() || !is_alive() || reacting_to_hit()) return;
    if (attacker.is_projectile()) life -= PROJECTILE_EXTRA_DAMAGE;
    life -= BLOW_DAMAGE;
    stop_moves();
    move_phase = PHASE_MOVE;

    int reaction = reaction_move(attacker);
    hits_taken++;
    const bool string_knockdown = hits_taken >= HITS_PER_KNOCKDOWN && hits_taken % HITS_PER_KNOCKDOWN == 0;
    if (reaction == MOVE_HIT_HEAVY || string_knockdown) count_knockdown(&reaction);
    start_move(reaction, PRIORITY_HIT_REACTION);

    state = STATE_HIT;
    hit_posture = posture;
    move_kind = MOVE_KIND_HIT_REACTION;
    hit_time = controller ? controller->tracker.now : 0;
    attacker.hits_taken = 0;
    if (!attacker.is_projectile()) freeze_frames = HIT_FREEZE_FRAMES;
    printf("Reseting ax/vx\n");
    // Knocked back: a fighter backing away stops.
    if (backing_away()) {
        move_x = 0.0;
        drift_x = 0.0;
    }
}

int fighter_lifeform::reaction_move(const fighter_lifeform& attacker) const {
    int reaction = MOVE_HIT;
    if (attacker.posture == POSTURE_JUMP) reaction = MOVE_HIT_BY_JUMPER;
    if (posture == POSTURE_CROUCH) {
        reaction = MOVE_HIT_CROUCHING;
    } else if (posture == POSTURE_JUMP) {
        reaction = MOVE_HIT_HEAVY;
    }
    if (attacker.posture == POSTURE_CROUCH) reaction = MOVE_HIT_HEAVY;
    if (attacker.move_kind == MOVE_KIND_RUSH) reaction = MOVE_HIT_HEAVY;
    return reaction;
}

void fighter_lifeform::forget_early_inputs() {
    early_button.clear();
    early_combo.clear();
}

// A heavy hit or every third hit of a string knocks down; on a dizzy
// fighter it ends the dizziness instead.
void fighter_lifeform::count_knockdown(int* reaction) {
    if (is_dizzy()) {
        knockdowns = 0;
        dizzy_frames = 0;
        return;
    }
    if (knockdowns < MAX_KNOCKDOWNS) knockdowns++;
    *reaction = MOVE_HIT_HEAVY;
}

int fighter_lifeform::attack_move(int action, int posture) {
    if (posture == POSTURE_CROUCH) {
        if (action == controller::ACTION_PUNCH) return MOVE_CROUCH_PUNCH;
        if (action == controller::ACTION_KICK) return MOVE_CROUCH_KICK;
    } else if (posture == POSTURE_JUMP) {
        if (action == controller::ACTION_PUNCH) return MOVE_JUMP_PUNCH;
        if (action == controller::ACTION_KICK) return MOVE_JUMP_KICK;
    }
    return action;
}

void fighter_lifeform::attack(int action) {
    switch (action) {
    case controller::ACTION_PUNCH: move_kind = MOVE_KIND_PUNCH; break;
    case controller::ACTION_KICK: move_kind = MOVE_KIND_KICK; break;
    case controller::ACTION_BUTTON_4: move_kind = MOVE_KIND_BUTTON_4; break;
    case controller::ACTION_BUTTON_5: move_kind = MOVE_KIND_BUTTON_5; break;
    default: break;
    }
    state = STATE_ATTACKING;
    start_move(attack_move(action, posture), PRIORITY_MOVE);
    forget_early_inputs();
}

bool fighter_lifeform::start_combo_move(int move, int kind, int unstarted_state) {
    if (!move_list_empty() && !is_playing_move(move)) stop_moves();
    if (!can_act()) return false;
    forget_early_inputs();
    move_kind = kind;
    state = (Uint8)unstarted_state;
    start_move(move, PRIORITY_MOVE);
    if (!is_playing_move(move)) return true;
    state = STATE_ATTACKING;
    if (move == MOVE_RUSH) move_phase = facing == 1 ? PHASE_RUSH_RIGHT : PHASE_RUSH_LEFT;
    return true;
}

void fighter_lifeform::settle_when_move_ends() {
    if (move_list_empty() && move_kind != MOVE_KIND_KNOCKED_OUT) {
        move_kind = MOVE_KIND_NONE;
        state = STATE_NEUTRAL;
    }
}

// The move kind says dizzy for the rest of the frame; the match's later
// steps may write over it, which is why is_dizzy() counts frames instead.
void fighter_lifeform::stay_dizzy() {
    dizzy_frames++;
    show_still(SHOW_STANDING);
    move_kind = MOVE_KIND_DIZZY;
}

void fighter_lifeform::recover_when_dizziness_ends() {
    if (knockdowns < DIZZY_KNOCKDOWNS) return;
    dizzy_frames = 0;
    knockdowns = 0;
}

bool fighter_lifeform::stop_blow(fighter_lifeform& attacker) {
    if (attacker.blow_guarded) return false;
    attacker.blow_guarded = 1;
    drift_x = facing == 1 ? -GUARD_SLIDE_DRIFT : GUARD_SLIDE_DRIFT;
    return true;
}

void fighter_lifeform::guard_projectile() {
    state = STATE_BLOCKING;
    move_kind = MOVE_KIND_BLOCK;
    life -= CHIP_DAMAGE;
}

void fighter_lifeform::lie_knocked_out() {
    state = STATE_KNOCKED_OUT;
    move_kind = MOVE_KIND_KNOCKED_OUT;
    put_on_floor();
}

void fighter_lifeform::stand_still() {
    drop_move();
    state = STATE_NEUTRAL;
    move_kind = MOVE_KIND_NONE;
    posture = POSTURE_STAND;
    clear_steering();
    jump_speed = 0;
    drift_x = 0;
    end_hit_freeze();
    hits_taken = 0;
    knockdowns = 0;
    dizzy_frames = 0;
    forget_early_inputs();
    put_on_floor();
}

void fighter_lifeform::join(::controller& driver, int side, int frame_rate) {
    controller = &driver;
    team = (Uint8)side;
    fps = frame_rate;
}

void fighter_lifeform::add_wins(int count) {
    const int total = wins + count;
    wins = (Uint8)(total > MAX_WINS ? MAX_WINS : total);
}

void fighter_lifeform::choose_still(bool is_fighter, bool under_attack) {
    switch (move_kind) {
    case MOVE_KIND_NONE:
        show_still(picture_by_posture(posture, SHOW_CROUCHING, SHOW_STANDING, SHOW_JUMPING));
        break;
    case MOVE_KIND_BLOCK:
        if (!is_fighter) {
            show_still(picture_by_posture(posture, SHOW_CROUCHING, SHOW_STANDING, SHOW_JUMPING));
            break;
        }
        // Under attack the guard pose replaces the walk back.
        if (under_attack && can_act() && anim_stack) stop_moves();
        show_still(picture_by_posture(posture, SHOW_BLOCKING_CROUCHING, SHOW_BLOCKING_STANDING, SHOW_BLOCKING_AIR));
        break;
    case MOVE_KIND_HIT_REACTION:
        show_still(picture_by_posture(hit_posture, SHOW_CROUCHING, SHOW_STANDING, SHOW_JUMPING));
        break;
    case MOVE_KIND_KNOCKED_OUT:
        show_still(SHOW_KNOCKED_OUT);
        break;
    case MOVE_KIND_PUNCH:
    case MOVE_KIND_KICK:
    case MOVE_KIND_BUTTON_4:
    case MOVE_KIND_BUTTON_5:
    case MOVE_KIND_SPECIAL:
    case MOVE_KIND_RUSH:
        show_still(SHOW_ATTACKING);
        break;
    default:
        break;
    }
}

template <class Archive, class Self>
void fighter_lifeform::fields(Archive&& archive, Self& self) {
    STATE_FIELDS(archive, self.posture, self.move_kind, self.hit_posture, self.priority, self.hits_taken, self.wins,
                 self.knockdowns, self.dizzy_frames, self.hit_time, self.fps, self.blow_guarded, self.early_button,
                 self.early_combo);
}

void fighter_lifeform::save(state_buffer& out, const definition_index& definitions) const {
    lifeform::save(out, definitions);
    fields(state_writer(out), *this);
}

void fighter_lifeform::restore(state_buffer& in, const definition_index& definitions) {
    lifeform::restore(in, definitions);
    fields(state_reader(in), *this);
}
