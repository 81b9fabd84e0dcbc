#include "objects/lifeform.h"

#include <climits>
#include <cstdio>

#include "anim/ag_stack.h"
#include "anim/anim_group.h"
#include "anim/anim_mgr.h"
#include "anim/definition_index.h"
#include "config/state_fields.h"
#include "anim/frame.h"
#include "input/controller.h"
#include "objects/fighter_loader.h"
#include "objects/projectile.h"
#include "platform/screen_mgr.h"
#include "stage/level_camera.h"

namespace {

// Truncation toward zero that stays inside int: speeds and scales come from
// data files, and a huge quotient must not overflow the conversion.
int to_pixels(double value) {
    if (value >= (double)INT_MAX) return INT_MAX;
    if (value <= (double)INT_MIN) return INT_MIN;
    return (int)value;
}

// A restored running move longer than this is not a saved state of ours.
const size_t MOST_SAVED_RECORDS = 64;
enum picture_source { PICTURE_NONE = 0, PICTURE_FRAME = 1, PICTURE_STILL = 2, PICTURE_UNNAMED = 3 };

const int SHADOW_FADE = 128;       // the shadow is this much more transparent
const int SHADOW_FLOOR_GAP = 40;   // floor line above the bottom of the screen
const double SHADOW_SQUASH = 0.1;  // the shadow is a tenth of the picture's height
const double SHOWN_LIFE_STEP = 0.5;  // life points the bar catches up by a frame

unsigned address_of(const void* object) { return (unsigned)(size_t)object; }

// How a saved state names a picture: its source, and the definition and
// frame, or the still, it is.
template <class Archive>
void picture_name_fields(Archive& archive, Uint8& picture_source, int& picture_definition, int& picture_index) {
    STATE_FIELDS(archive, picture_source, picture_definition, picture_index);
}

}  // namespace

lifeform::lifeform()
    : life(1),
      max_life(1),
      shown_life(1.0),
      x(0),
      y(0),
      height(0),
      width(0),
      freeze_frames(0),
      move_x(0.0),
      move_y(0.0),
      drift_x(0.0),
      jump_speed(0.0),
      speed(1.0),
      bound_box{0, 0, 0, 0},
      target(0),
      team(0),
      facing(0),
      state(STATE_NEUTRAL),
      show_state(SHOW_STANDING),
      dies_at_edge(1),
      kind(BODY_FIGHTER),
      controller(nullptr),
      source_cursor(0),
      anim_stack(new ag_stack()),
      move_phase(PHASE_NONE),
      alpha(255),
      image(nullptr),
      image_def(nullptr),
      image_frame(0),
      image_still(-1),
      scale(1.0),
      combos(new std::vector<combo>()),
      cpu_weights{0, 0, 0, 0, 0, 0},
      controls(nullptr),
      flight(nullptr),
      own_controller(nullptr),
      no_images_told(false),
      body_start(0),
      body_shown(false) {}

lifeform::~lifeform() {
    delete anim_stack;
    // Deleting a move group frees the definitions the loader adopted into it
    // once no other group (a projectile's flight, a spark) still holds them.
    for (anim_group* move : moves) delete move;
    delete flight;
    delete combos;
    for (img_mgr* picture : own_pictures) delete picture;
    delete own_controller;
}

void lifeform::load(const char* path) {
    fighter_loader reader(*this);
    reader.load(path);
}

void lifeform::think(controller::computer_step computer) {
    if (!controller) {
        printf("Warning [projectile]: This lifeform does not have a path [%x]\n", address_of(this));
        return;
    }
    controller->cursor = source_cursor;
    controller->pos_x = x;
    controller->horizontal = move_x;
    controller->vertical = move_y;
    controller->action = controller::NO_ACTION;
    controller->facing = facing;
    controller->target = target;
    for (int i = 0; i < CPU_WEIGHT_COUNT; i++) controller->cpu_weights[i] = cpu_weights[i];

    controller->update(computer);

    move_x = controller->horizontal;
    move_y = controller->vertical;
    source_cursor = (Uint16)controller->cursor;
    target = (Uint8)controller->target;
}

void lifeform::move_step(int steps) {
    if (speed != 0.0) {
        if (kind) steps *= 4;
        move_x += drift_x;
        move_y += jump_speed;
        x += to_pixels(move_x * steps / speed);
        y += to_pixels(move_y * steps / speed);
    }
    if (dies_at_edge) {
        clamp_dying();
    } else {
        clamp_holding();
    }
}

// The empty columns left and right of the visible body, as drawn: mirrored
// when the object faces right.
lifeform::margins lifeform::side_margins() const {
    const int left = bound_box.left;
    const int right = width - bound_box.right;
    if (facing) return margins{right, left};
    return margins{left, right};
}

int lifeform::floor_y() const { return screen.height() - height; }

int lifeform::on_floor() const { return y + height == screen.height(); }

void lifeform::put_on_floor() { y = floor_y(); }

void lifeform::stand_at(int at_x, bool facing_right) {
    face(facing_right);
    x = at_x;
    put_on_floor();
}

void lifeform::clear_steering() {
    move_x = 0;
    move_y = 0;
}

void lifeform::drop_move() {
    stop_moves();
    move_phase = PHASE_NONE;
}

void lifeform::keep_life_above_zero() {
    if (life < 0) life = 0;
}

void lifeform::catch_up_shown_life() {
    if ((int)shown_life == life) return;
    shown_life += life > shown_life ? SHOWN_LIFE_STEP : -SHOWN_LIFE_STEP;
}

void lifeform::clamp_dying() {
    const margins edge = side_margins();
    const int limit = current_camera().level_width - width + edge.right;
    if (x < 0) {
        life = -1;
        x = 0;
        move_x = 0.0;
    }
    if (y < 0) {
        life = -1;
        y = 0;
        move_y = 0.0;
    }
    if (x > limit) {
        life = -1;
        x = limit;
        move_x = 0.0;
    }
    if (y > floor_y()) {
        life = -1;
        y = floor_y();
        move_y = 0.0;
    }
}

// The empty margin may leave the level; the visible body may not.
void lifeform::clamp_holding() {
    const margins edge = side_margins();
    const level_camera view = current_camera();
    const double limit = view.level_width / view.scale + edge.right - width;
    if (x < -edge.left) {
        x = -edge.left;
        move_x = 0.0;
    }
    if (y < 0) {
        y = 0;
        move_y = 0.0;
    }
    if (x > limit) {
        x = to_pixels(limit);
        move_x = 0.0;
    }
    if (y > floor_y()) {
        y = floor_y();
        move_y = 0.0;
    }
}

void lifeform::show() {
    start_frame_if_shown();
    body_start = shown.size();
    show_pictures(true);
    body_shown = true;
}

void lifeform::show_ghost() {
    start_frame_if_shown();
    show_pictures(false);
    body_start = shown.size();
}

void lifeform::hide() {
    shown.clear();
    body_start = 0;
    body_shown = false;
}

void lifeform::start_frame_if_shown() {
    if (body_shown) hide();
}

void lifeform::draw_ghosts() const { shown.draw(0, body_start); }

void lifeform::draw() const { shown.draw(body_start, shown.size()); }

void lifeform::show_pictures(bool advancing) {
    show_shadow();
    if (freeze_frames > 0) {
        if (advancing) freeze_frames--;
    } else if (move_running()) {
        if (advancing) {
            play_move();
        } else {
            for (const animation& record : anim_stack->records) show_record(record);
        }
        return;
    }
    if (off_screen()) return;
    show_still_picture();
}

bool lifeform::move_running() const { return move_phase != PHASE_NONE && anim_stack && !anim_stack->empty(); }

// The picture shown last, squashed to a tenth of its height and laid on the
// floor line, half transparent.
void lifeform::show_shadow() {
    if (!image) return;
    const level_camera view = current_camera();
    const Uint8 opacity = image->alpha;
    const int shadow_x = to_pixels(x / scale - view.scroll_x);
    const int shadow_y = to_pixels(((screen.height() - SHADOW_FLOOR_GAP) / scale - view.scroll_y) / SHADOW_SQUASH);
    shown.add(shown_picture{image, nullptr, shown_picture::SQUASHED, shadow_x, shadow_y, view.zoom * scale,
                            SHADOW_SQUASH, 0, (Uint8)(opacity > SHADOW_FADE ? opacity - SHADOW_FADE : 0),
                            image->mirrored});
}

void lifeform::play_move() {
    for (size_t i = 0; i < anim_stack->size(); i++) {
        if (play_record((*anim_stack)[i])) return;
    }
}

// One tick of one record; returns 1 when it ended the whole move.
int lifeform::play_record(animation& record) {
    const frame& shown = record.shown_frame();
    // The object turns the other way when it faces the other way.
    if (shown.settings.spin) record.def->angle += facing ? -shown.settings.spin : shown.settings.spin;
    show_record(record);

    if (!record.count_down()) return 0;
    if (shown.settings.fire) projectile::launch(*this);
    record.advance();
    if (!record.finished()) return 0;
    if (record.loop) {
        record.restart();
        return 0;
    }
    end_move();
    return 1;
}

void lifeform::show_record(const animation& record) {
    const level_camera view = current_camera();
    Anim_Mgr* definition = record.def;
    definition->mirrored = facing;
    definition->owner_scale = scale;
    definition->alpha = alpha;
    start_screen_effects(definition->show_frame(to_pixels(x / scale) - view.scroll_x, y - view.scroll_y,
                                                record.current, current_zoom(), shown));
    image = record.shown_frame().image;
    image_def = definition;
    image_frame = record.current;
    image_still = -1;
}

void lifeform::end_move() {
    stop_moves();
    move_phase = PHASE_NONE;
    show_state = SHOW_STANDING;
    if (!images.empty() && images[0]) {
        width = (Uint16)images[0]->width();
        height = (Uint16)images[0]->height();
    }
}

int lifeform::off_screen() {
    const level_camera view = current_camera();
    if (x + width < view.scroll_x || x >= to_pixels((view.scroll_x + screen.width()) / view.zoom)) {
        printf("OFFSCREEN [%d,%d]\n", x, y);
        return 1;
    }
    return 0;
}

void lifeform::show_still_picture() {
    if (show_state < 0 || show_state >= (int)images.size()) show_state = SHOW_STANDING;
    if (images.empty()) {
        if (!no_images_told) printf("WARNING: lifeform[%x] has no images at all\n", address_of(this));
        no_images_told = true;
        return;
    }
    int still = show_state;
    img_mgr* picture = images[still];
    if (picture) {
        picture->face(facing);
    } else {
        printf("Asset for state [%d] not set\n", show_state);
        still = 0;
        picture = images[still];
    }
    // A fighter whose first picture is missing too shows nothing.
    if (!picture) return;
    show_picture(still);
}

void lifeform::show_picture(int still) {
    img_mgr* const picture = images[still];
    const level_camera view = current_camera();
    const double zoom = view.zoom * scale;
    const shown_picture::how drawn = zoom == 1.0 ? shown_picture::PLAIN : shown_picture::SCALED;
    shown.add(shown_picture{picture, nullptr, drawn, to_pixels(x / scale - view.scroll_x), y - view.scroll_y, zoom, zoom,
                            0, picture->alpha, picture->mirrored});
    image = picture;
    image_def = nullptr;
    image_still = still;
    width = (Uint16)picture->width();
    height = (Uint16)picture->height();
}

int lifeform::overlaps(const lifeform& other) const {
    if (!other.image || !image) {
        printf("WARNING - Bound checks, never displayed [%x]\n", address_of(this));
        return 0;
    }
    const level_camera view = current_camera();
    const int other_x = to_pixels(other.x / other.scale - view.scroll_x);
    const int own_x = to_pixels(x / scale - view.scroll_x);
    return other.image->overlaps(other_x, other.y - view.scroll_y, *image, own_x, y - view.scroll_y,
                                 (float)(view.zoom * scale))
               ? 1
               : 0;
}

bool lifeform::hit_box(img_box* box) const {
    if (!image) return false;
    const level_camera view = current_camera();
    *box = image->placed_bounds(to_pixels(x / scale - view.scroll_x), y - view.scroll_y, (float)(view.zoom * scale));
    return true;
}

void lifeform::stop_moves() {
    if (anim_stack) anim_stack->clear();
}

void lifeform::show_afterimage(int x_offset, Uint8 opacity) {
    if (!move_running()) return;
    const int home_x = x;
    const Uint8 home_alpha = alpha;
    x += x_offset;
    alpha = opacity;
    show_ghost();
    x = home_x;
    alpha = home_alpha;
}

int lifeform::has_move(int index) const {
    if (index < 0 || index >= move_count() || !moves[index]) return 0;
    return moves[index]->playable();
}

int lifeform::move_list_empty() const { return anim_stack && anim_stack->empty(); }

int lifeform::is_playing_move(int index) const {
    if (!anim_stack || anim_stack->empty() || !has_move(index)) return 0;
    return (*anim_stack)[0].def == moves[index]->anims[0].get();
}

void lifeform::set_cpu_weights(int block, int spare, int reach, int jump, int duck, int approach) {
    cpu_weights[WEIGHT_BLOCK] = block;
    cpu_weights[WEIGHT_SPARE] = spare;
    cpu_weights[WEIGHT_REACH] = reach;
    cpu_weights[WEIGHT_JUMP] = jump;
    cpu_weights[WEIGHT_DUCK] = duck;
    cpu_weights[WEIGHT_APPROACH] = approach;
}

template <class Archive, class Self>
void lifeform::fields(Archive&& archive, Self& self, const definition_index& definitions) {
    STATE_FIELDS(archive, self.life, self.max_life, self.shown_life, self.x, self.y, self.height, self.width,
                 self.freeze_frames, self.move_x, self.move_y, self.drift_x, self.jump_speed, self.speed, self.target,
                 self.team, self.facing, self.state, self.show_state, self.dies_at_edge, self.kind, self.source_cursor,
                 self.move_phase, self.alpha, self.scale, self.cpu_weights, self.no_images_told);
    self.picture_field(archive, definitions);
    self.running_move_field(archive, definitions);
}

void lifeform::save(state_buffer& out, const definition_index& definitions) const {
    fields(state_writer(out), *this, definitions);
}

void lifeform::restore(state_buffer& in, const definition_index& definitions) {
    fields(state_reader(in), *this, definitions);
}

void lifeform::running_move_field(state_writer& archive, const definition_index& definitions) const {
    archive.count(anim_stack ? anim_stack->size() : 0, MOST_SAVED_RECORDS, "running records");
    if (!anim_stack) return;
    for (const animation& record : anim_stack->records) archive.part(record, definitions);
}

void lifeform::running_move_field(state_reader& archive, const definition_index& definitions) {
    if (!anim_stack) anim_stack = new ag_stack();
    archive.length(anim_stack->records, MOST_SAVED_RECORDS, "running records");
    for (animation& record : anim_stack->records) archive.part(record, definitions);
}

// The picture drawn last decides the next contact test, so it is saved by
// where it came from.
void lifeform::picture_field(state_writer& archive, const definition_index& definitions) const {
    Uint8 source = PICTURE_UNNAMED;
    int number = -1;
    int index = -1;
    if (!image) {
        source = PICTURE_NONE;
    } else if (image_def && image_frame >= 0 && image_frame < (int)image_def->frames.size() &&
               image_def->frames[image_frame].image == image) {
        source = PICTURE_FRAME;
        number = definitions.index_of(image_def);
        index = image_frame;
    } else if (image_still >= 0 && image_still < (int)images.size() && images[image_still] == image) {
        source = PICTURE_STILL;
        index = image_still;
    }
    picture_name_fields(archive, source, number, index);
}

// A picture that was set from outside the object's own (a test's) is
// left as it stands.
void lifeform::picture_field(state_reader& archive, const definition_index& definitions) {
    Uint8 source = PICTURE_NONE;
    int number = -1;
    int index = -1;
    picture_name_fields(archive, source, number, index);
    if (source == PICTURE_NONE) {
        image = nullptr;
        image_def = nullptr;
        image_still = -1;
    } else if (source == PICTURE_FRAME) {
        const Anim_Mgr* const definition = definitions.at(number);
        if (!definition || index < 0 || index >= (int)definition->frames.size()) {
            archive.fail();
            return;
        }
        image = definition->frames[index].image;
        image_def = definition;
        image_frame = index;
        image_still = -1;
    } else if (source == PICTURE_STILL) {
        if (index < 0 || index >= (int)images.size()) {
            archive.fail();
            return;
        }
        image = images[index];
        image_def = nullptr;
        image_still = index;
    }
}
