#include "shell/training_session.h"

#include "anim/ag_stack.h"
#include "anim/definition_index.h"
#include "config/state_fields.h"
#include "input/controller.h"
#include "input/frame_input.h"
#include "objects/fighter_lifeform.h"

namespace {

typedef fighter_lifeform fl;

bool reeling(const fighter_lifeform& fighter) {
    return fighter.state == lifeform::STATE_HIT || fighter.move_kind == fl::MOVE_KIND_HIT_REACTION;
}

const Anim_Mgr* move_playing(const fighter_lifeform& fighter) {
    if (!fighter.anim_stack || fighter.anim_stack->empty()) return nullptr;
    return (*fighter.anim_stack)[0].def;
}

int number_of_playing_move(const fighter_lifeform& fighter) {
    for (int number = 0; number < fighter.move_count(); number++) {
        if (fighter.is_playing_move(number)) return number;
    }
    return -1;
}

// Walking comes and goes with every step; the moves worth timing are the
// others.
bool is_timed(int move_number) {
    return move_number >= 0 && move_number != fl::MOVE_WALK_FORWARD && move_number != fl::MOVE_WALK_BACKWARD;
}

}  // namespace

training_session::training_session() : refill_frames(0), records(), history(), newest(0), input_count(0), held_before(0) {}

void training_session::start(int fps, const fighter_lifeform& left, const fighter_lifeform& right) {
    refill_frames = REFILL_SECONDS * fps;
    const fighter_lifeform* fighters[SIDES] = {&left, &right};
    for (int side = 0; side < SIDES; side++) {
        records[side] = fighter_record{fighters[side]->life, 0, false, 0, nullptr, -1, 0, false};
    }
    newest = 0;
    input_count = 0;
    held_before = 0;
}

// A hit that lands while the fighter still reels from the one before
// belongs to the same string. Life never falls below 0: the training has
// no knock-outs.
void training_session::take_blows(fighter_record& kept, fighter_lifeform& fighter) const {
    const int lost = kept.last_life - fighter.life;
    if (lost > 0) kept.string_damage = (kept.string_open ? kept.string_damage : 0) + lost;
    const bool hurt = lost > 0 || reeling(fighter);
    kept.string_open = hurt;
    kept.quiet_frames = hurt ? 0 : kept.quiet_frames + 1;
    fighter.keep_life_above_zero();
    if (kept.quiet_frames >= refill_frames && fighter.life < fighter.max_life) fighter.refill_life();
    kept.last_life = fighter.life;
}

void training_session::after_blows(fighter_lifeform& left, fighter_lifeform& right) {
    take_blows(records[0], left);
    take_blows(records[1], right);
}

void training_session::record_move(fighter_record& kept, const fighter_lifeform& fighter) {
    const Anim_Mgr* playing = move_playing(fighter);
    if (playing != kept.move) {
        // A move runs out while it is drawn: the frame it ended in shows it.
        if (!playing && kept.timing) kept.move_frames++;
        kept.move = playing;
        const int number = playing ? number_of_playing_move(fighter) : -1;
        kept.timing = is_timed(number);
        if (kept.timing) {
            kept.move_number = number;
            kept.move_frames = 0;
        }
    }
    if (kept.timing) kept.move_frames++;
}

Uint8 training_session::held_by(const controller& player) {
    Uint8 held = 0;
    if (player.horizontal < 0) held |= HELD_LEFT;
    if (player.horizontal > 0) held |= HELD_RIGHT;
    if (player.vertical < 0) held |= HELD_UP;
    if (player.vertical > 0) held |= HELD_DOWN;
    switch (player.action) {
    case controller::ACTION_PUNCH: held |= HELD_PUNCH; break;
    case controller::ACTION_KICK: held |= HELD_KICK; break;
    case controller::ACTION_BUTTON_4: held |= HELD_BUTTON_4; break;
    case controller::ACTION_BUTTON_5: held |= HELD_BUTTON_5; break;
    default: break;
    }
    return held;
}

// A new entry each time the player holds something new; letting go of
// everything makes none.
void training_session::record_input(Uint8 held) {
    if (held != 0 && held != held_before) {
        newest = (newest + 1) % HISTORY;
        history[newest] = input_entry{held, 0};
        if (input_count < HISTORY) input_count++;
    }
    if (held != 0) history[newest].frames++;
    held_before = held;
}

void training_session::after_moves(const controller& player, const fighter_lifeform& left,
                                   const fighter_lifeform& right) {
    record_input(held_by(player));
    record_move(records[0], left);
    record_move(records[1], right);
}

const training_session::input_entry& training_session::input(int newest_first) const {
    return history[((newest - newest_first) % HISTORY + HISTORY) % HISTORY];
}

template <class Archive, class Self>
void training_session::fields(Archive&& archive, Self& self, const definition_index& definitions) {
    archive.context("training");
    archive.part(self.dummy);
    for (auto& kept : self.records) {
        STATE_FIELDS(archive, kept.last_life, kept.quiet_frames, kept.string_open, kept.string_damage);
        move_field(archive, kept, definitions);
        STATE_FIELDS(archive, kept.move_number, kept.move_frames, kept.timing);
    }
    for (auto& entry : self.history) STATE_FIELDS(archive, entry.held, entry.frames);
    STATE_FIELDS(archive, self.newest, self.input_count, self.held_before);
}

void training_session::move_field(state_writer& archive, const fighter_record& kept,
                                  const definition_index& definitions) {
    archive.field(definitions.index_of(kept.move), "move");
}

void training_session::move_field(state_reader& archive, fighter_record& kept, const definition_index& definitions) {
    int number = definition_index::NONE;
    archive.field(number, "move");
    kept.move = definitions.at(number);
    if (number != definition_index::NONE && !kept.move) archive.fail();
}

void training_session::save(state_buffer& out, const definition_index& definitions) const {
    fields(state_writer(out), *this, definitions);
}

void training_session::restore(state_buffer& in, const definition_index& definitions) {
    fields(state_reader(in), *this, definitions);
    if (newest < 0 || newest >= HISTORY || input_count < 0 || input_count > HISTORY) {
        newest = 0;
        input_count = 0;
        in.fail();
    }
}
