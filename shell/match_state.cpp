// The match as one value: everything a frame reads and writes that decides
// what happens next, saved to bytes and restored from them. Pictures, sounds
// and definitions stay loaded; the bytes name them by index.
#include <cstdio>

#include "anim/anim_group.h"
#include "config/state_buffer.h"
#include "config/state_fields.h"
#include "input/controller.h"
#include "objects/fighter_lifeform.h"
#include "objects/game_objects.h"
#include "objects/projectile.h"
#include "shell/match.h"
#include "shell/match_assets.h"
#include "stage/level.h"

namespace {

const int FIGHTERS = 2;
const int NO_SIDE = -1;
// More objects or sparks than this is not a saved state of ours.
const size_t MOST_SAVED_OBJECTS = 4096;
const size_t MOST_SAVED_SPARKS = 1024;
const size_t MOST_SAVED_RECORDS = 64;
enum spark_kind { HIT_SPARK = 0, GUARD_SPARK = 1 };

std::string object_name(size_t index) {
    if (index == 0) return "left fighter";
    if (index == 1) return "right fighter";
    char name[32];
    snprintf(name, sizeof(name), "projectile %d", (int)index);
    return name;
}

// A projectile is saved with the fighter that threw it: its flight is a
// copy of that fighter's move, and a restore makes it again from there.
Uint8 shooter_of(const fighter_lifeform& missile) {
    for (int fighter = 0; fighter < FIGHTERS; fighter++) {
        if (game_objects[fighter]->team == missile.team) return (Uint8)fighter;
    }
    return 0;
}

const anim_group* spark_template(Uint8 kind) { return kind == GUARD_SPARK ? guard_spark_template : explosion_template; }

Uint8 kind_of(const anim_group& spark) {
    const bool guard = guard_spark_template && !spark.anims.empty() && !guard_spark_template->anims.empty() &&
                       spark.anims[0].get() == guard_spark_template->anims[0].get();
    return guard ? GUARD_SPARK : HIT_SPARK;
}

// The fighter posing for its won round, by its place in the object list.
int side_of(const fighter_lifeform* fighter) {
    for (int side = 0; side < FIGHTERS && side < (int)game_objects.size(); side++) {
        if (game_objects[side] == fighter) return side;
    }
    return NO_SIDE;
}

// Where a spark stands and its running records; which template it was
// made from is saved before it, since a restore makes it from there.
template <class Archive, class Spark>
void spark_fields(Archive& archive, Spark& spark, const definition_index& definitions) {
    STATE_FIELDS(archive, spark.offset_x, spark.offset_y, spark.width, spark.height);
    archive.length(spark.stack->records, MOST_SAVED_RECORDS, "spark records");
    for (auto& record : spark.stack->records) archive.part(record, definitions);
}

}  // namespace

void match::index_definitions() {
    definitions.clear();
    for (int fighter = 0; fighter < FIGHTERS && fighter < (int)game_objects.size(); fighter++) {
        for (const anim_group* move : game_objects[fighter]->moves) definitions.add_group(move);
    }
    definitions.add_group(explosion_template);
    definitions.add_group(guard_spark_template);
}

template <class Archive, class Self>
void match::fields(Archive&& archive, Self& self) {
    archive.context("match");
    STATE_FIELDS(archive, self.round_is_done, self.round_over_frames, self.left_by_player, self.opponent_choice,
                 self.opponents_beaten, self.rounds_started);
    self.celebrating_field(archive);
    STATE_FIELDS(archive, self.winning_side, self.intro, self.clock, self.display_elements);
    archive.part(self.training, self.definitions);
    archive.context("level");
    archive.part(*self.stage);
    archive.context("definitions");
    archive.part(self.definitions);
    archive.context("right controller");
    archive.part(self.controllers[0]);
    archive.context("left controller");
    archive.part(self.controllers[1]);
}

void match::celebrating_field(state_writer& archive) const { archive.field(side_of(celebrating), "celebrating"); }

void match::celebrating_field(state_reader& archive) {
    int side = NO_SIDE;
    archive.field(side, "celebrating");
    celebrating = side == NO_SIDE ? nullptr : game_objects[side == 0 ? 0 : 1];
}

void match::save_state(state_buffer& out) const {
    fields(state_writer(out), *this);
    out.set_context("objects");
    out.put_count(game_objects.size(), "object count");
    for (size_t index = 0; index < game_objects.size(); index++) {
        const fighter_lifeform& object = *game_objects[index];
        out.set_context(object_name(index));
        if (index >= FIGHTERS) out.put(shooter_of(object), "shooter");
        object.save(out, definitions);
        if (index >= FIGHTERS && object.own_controller) object.own_controller->save(out);
    }
    out.set_context("sparks");
    out.put_count(effects.size(), "spark count");
    for (const anim_group& spark : effects) save_spark(out, spark);
}

void match::save_spark(state_buffer& out, const anim_group& spark) const {
    out.put(kind_of(spark), "spark kind");
    state_writer archive(out);
    spark_fields(archive, spark, definitions);
}

bool match::restore_state(state_buffer& in) {
    if (!running) return false;
    in.start_reading();
    fields(state_reader(in), *this);
    const size_t count = in.get_count(MOST_SAVED_OBJECTS);
    if (count < FIGHTERS || game_objects.size() < FIGHTERS) return false;
    for (size_t index = 0; index < count && in.ok(); index++) restore_object(in, index);
    while (game_objects.size() > count) {
        delete game_objects.back();
        game_objects.pop_back();
    }
    effects.clear();
    const size_t sparks = in.get_count(MOST_SAVED_SPARKS);
    for (size_t index = 0; index < sparks && in.ok(); index++) restore_spark(in);
    return in.ok();
}

// A projectile in the list is kept when the same fighter threw it, so a
// restore in the middle of a flight allocates nothing.
void match::restore_object(state_buffer& in, size_t index) {
    if (index >= FIGHTERS) {
        Uint8 shooter = 0;
        in.get(shooter);
        if (shooter >= FIGHTERS) {
            in.fail();
            return;
        }
        const fighter_lifeform& thrower = *game_objects[shooter];
        const bool kept = index < game_objects.size() && game_objects[index]->team == thrower.team;
        if (!kept) {
            fighter_lifeform* missile = projectile::make(thrower);
            if (!missile) {
                in.fail();
                return;
            }
            if (index < game_objects.size()) {
                delete game_objects[index];
                game_objects[index] = missile;
            } else {
                game_objects.push_back(missile);
            }
        }
    }
    fighter_lifeform& object = *game_objects[index];
    object.restore(in, definitions);
    if (index >= FIGHTERS && object.own_controller) object.own_controller->restore(in);
}

void match::restore_spark(state_buffer& in) {
    Uint8 kind = HIT_SPARK;
    in.get(kind);
    const anim_group* made_from = spark_template(kind);
    if (!made_from) {
        in.fail();
        return;
    }
    effects.push_back(*made_from);
    state_reader archive(in);
    spark_fields(archive, effects.back(), definitions);
}

Uint64 match::checksum() const {
    if (!running) return 0;
    checksum_bytes.start_writing();
    save_state(checksum_bytes);
    return checksum_bytes.checksum();
}
