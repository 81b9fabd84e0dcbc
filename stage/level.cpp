#include "stage/level.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "config/config_file.h"
#include "config/numbered_key.h"
#include "config/state_fields.h"
#include "gfx/img_mgr.h"
#include "platform/screen_mgr.h"
#include "stage/level_camera.h"

level* current_level = nullptr;

namespace {

enum {
    // No stage comes near this many images, parts or layers; a larger count
    // in a file is a slip that would otherwise reserve memory or spin
    // through keys.
    MAX_COUNT = 1024,
    // Pixels of a front layer's solid rows, at each end, that still let what
    // is under them be drawn: the filtered edge and the rounding of its
    // placement.
    COVER_MARGIN = 3,
    // Fewer hidden rows than this are not worth drawing the planes behind
    // twice.
    MIN_HIDDEN_ROWS = 16
};
// Far beyond any stage; a larger scale would overflow the level's size in
// pixels.
const double MAX_SCALE = 100.0;
// How steeply the floor strip recedes.
const double FLOOR_DEPTH = 0.17;
const char* const BGSET_IMAGE_KEY = "image%d";

int bounded_count(int count, const char* what) {
    if (count > MAX_COUNT) {
        printf("WARNING: %s [%d] is more than [%d]; using [%d]\n", what, count, MAX_COUNT, MAX_COUNT);
        return MAX_COUNT;
    }
    return std::max(count, 0);
}

// Source width that, drawn at `zoom`, spans the screen: a band zoomed out
// must take a wider slice of its picture to reach the right edge. One pixel
// more than the quotient keeps truncation from leaving the last column bare.
int window_width(int screen_width, double zoom) {
    if (zoom <= 0) return 65535;
    return static_cast<int>(std::min(65535.0, screen_width / zoom + 1));
}

// Which part of a picture the next draw shows; the image manager resets it
// after every draw.
void set_window(img_mgr& picture, int src_x, int src_y, int width) {
    picture.src_rect.x = static_cast<Sint16>(src_x);
    picture.src_rect.y = static_cast<Sint16>(src_y);
    picture.src_rect.w = static_cast<Uint16>(width);
    picture.dst_rect.w = static_cast<Uint16>(width);
}

}  // namespace

level::level()
    : bgset_width(0), level_height(0), total_height(0), part_count(0), loaded_images(0), reset_point(0),
      skip_hidden_rows(true) {
    // A new level starts out as an unloaded one.
    unload();
}

// Frames read the current level at any time: it must never name a level
// that is gone.
level::~level() {
    if (current_level == this) current_level = nullptr;
}

void level::publish() { current_level = this; }

void level::show_progress() const { show_loading_step(); }

void level::load(const char* path) {
    if (!path) path = "";
    onscreen_size = 0;
    scroll_x = 0;
    verbose = 0;
    printf("load level\n");
    loop = -1;
    shake = 0;
    show_progress();

    config_file stage;
    printf("loading [%s]\n", path);
    stage.load(path);
    const char* bgset_path = stage.get_path("bgset");
    printf("loading bgset[%s]\n", bgset_path);
    config_file bgset;
    bgset.load(bgset_path);

    bgset_width = bgset.get_int("width");
    level_height = 0;
    level_width = 0;
    const int image_total = bounded_count(bgset.get_int("images"), "images");
    printf("width[%d] images[%d]\n", bgset_width, image_total);
    show_progress();

    if (stage.has_key("loop")) {
        printf("Has loop\n");
        loop = stage.get_int("loop");
    }
    floor = -1;
    if (stage.has_key("floor")) {
        printf("Has floor\n");
        floor = stage.get_int("floor");
    }

    verbose = 1;
    total_height = 0;
    load_images(bgset, image_total);
    if (floor != -1 && !valid_image(floor, "floor")) floor = -1;
    load_parts(stage);
    if (verbose) printf("level length is [%d/%d]\n", part_count, total_height);
    apply_scale(stage);

    show_progress();
    printf("Lets look at the size of onscreen plist before loading [%d]\n", static_cast<int>(parts.size()));
    compute_reset_point();
    printf("Lets look at the size of onscreen plist [%d]\n", static_cast<int>(parts.size()));
    if (verbose) printf("done loading\n");
    verbose = 0;
    printf("ml[%d] mw[%d]\n", level_height, level_width);
    bottom_y = screen.height() - (images.empty() ? 0 : images[0].height());
    show_progress();
    screen.flip();
}

// Stage pictures are drawn at a zoom that changes every frame, so they skip
// the zoom cache. The copy kept in the list is the one keyed for green.
void level::load_images(const config_file& bgset, int image_total) {
    images.clear();
    images.reserve(image_total);
    for (int i = 0; i < image_total; i++) {
        img_mgr picture;
        picture.load(bgset.get_path(numbered_key(BGSET_IMAGE_KEY, i).text));
        picture.live_convert = 1;
        images.push_back(picture);
        show_progress();
        screen.flip();
        level_height = std::max(level_height, picture.height());
        level_width = std::max(level_width, picture.width());
        loaded_images++;
    }
}

// Parts are kept highest number first, the order they are drawn in. Each
// holds a copy of its picture, so that its source window is its own.
void level::load_parts(const config_file& stage) {
    part_count = bounded_count(stage.get_int("length"), "length");
    std::vector<int> part_images;
    std::vector<std::vector<int>> layer_lists;
    for (int part = 0; part < part_count; part++) {
        std::vector<int> layers = read_layers(stage, part);
        const numbered_key part_key("part%d", part);
        if (stage.has_key(part_key.text)) {
            const int image = stage.get_int(part_key.text);
            if (valid_image(image, part_key.text)) {
                if (verbose) printf("level: insert img#[%d] at 0\n", image);
                part_images.push_back(image);
                if (verbose) printf("Add layers [%d]\n", static_cast<int>(layers.size()));
                printf("Copying layered segment\n");
                layer_lists.push_back(layers);
                const int height = images[image].height();
                onscreen_size += height;
                total_height += height;
                if (verbose) printf("level: height [%d] onscrsz[%d]\n", height, onscreen_size);
            }
        }
        show_progress();
    }
    parts.clear();
    parts.reserve(part_images.size());
    for (size_t i = part_images.size(); i-- > 0;) parts.push_back(images[part_images[i]]);
    part_layers.assign(layer_lists.rbegin(), layer_lists.rend());
    find_front_covers();
}

// A front layer whose pixels span the whole picture width in some rows
// hides, in those rows, all that its band drew before it. Found while the
// pictures still have their pixels (the OpenGL path lets them go at upload).
void level::find_front_covers() {
    front_covers.assign(parts.size(), row_span{0, 0});
    for (size_t i = 0; i < parts.size(); i++) {
        if (!part_layers[i].empty()) front_covers[i] = front_layer(i).solid_rows();
    }
}

// Plane 0 is the band's own picture, the farthest; plane k is layer k - 1.
int level::plane_count(size_t part) const { return static_cast<int>(part_layers[part].size()) + 1; }

const img_mgr& level::front_layer(size_t part) const { return images[part_layers[part].back()]; }

// The layers of one part, back to front; layer keys that are missing or name
// no image are passed over.
std::vector<int> level::read_layers(const config_file& stage, int part) {
    std::vector<int> layers;
    const numbered_key count_key("part%dparallax", part);
    if (!stage.has_key(count_key.text)) return layers;
    const int layer_total = bounded_count(stage.get_int(count_key.text), count_key.text);
    for (int layer = 0; layer < layer_total; layer++) {
        const numbered_key layer_key("part%dparallax%d", part, layer);
        if (stage.has_key(layer_key.text)) {
            const int image = stage.get_int(layer_key.text);
            if (valid_image(image, layer_key.text)) {
                layers.push_back(image);
                printf("Added layer[%d]\n", image);
            }
        }
        show_progress();
    }
    return layers;
}

bool level::valid_image(int index, const char* what) const {
    if (index >= 0 && index < static_cast<int>(images.size())) return true;
    printf("WARNING: %s [%d] names no image of the background set [%d images]; skipped\n", what, index,
           static_cast<int>(images.size()));
    return false;
}

// A scale of 0 or below would zoom the whole match to nothing; one that is
// not a number, or huge, would leave the level's size in pixels undefined.
void level::apply_scale(const config_file& stage) {
    if (!stage.has_key("scale")) return;
    printf("Scaling level \n");
    const double stage_scale = stage.get_float("scale");
    if (!(stage_scale > 0 && stage_scale <= MAX_SCALE)) {
        printf("WARNING: stage scale [%f] is not above 0 and at most [%f]; keeping [%f]\n", stage_scale, MAX_SCALE,
               scale);
        return;
    }
    scale = stage_scale;
    level_height = static_cast<int>(level_height * scale);
    level_width = static_cast<int>(level_width * scale);
}

// How far the stacked background set reaches above the screen; only logged.
void level::compute_reset_point() {
    int stacked = 0;
    for (size_t i = 0; stacked < screen.height() && i < images.size(); i++) {
        printf("adding h/w[ %d /%d]\n", images[i].height(), images[i].width());
        stacked += images[i].height();
        show_progress();
    }
    reset_point = stacked - screen.height();
    printf("reset at [%d]\n", reset_point);
}

// Only what loading and playing a series change goes back to its starting
// value; the sizes load() measured (heights, counts, reset point) stay as
// they were until the next load.
void level::unload() {
    loop = floor = -1;
    zoom = scale = 1.0;
    onscreen_size = bottom_y = level_width = 0;
    scroll_x = scroll_y = verbose = 0;
    shake = flash = flash_rate = drawn_shake = drawn_flash = 0;
    parts.clear();
    images.clear();
    part_layers.clear();
    front_covers.clear();
}

// Parts stack upward from the bottom of the screen, the first part on top.
int level::part_y(size_t part) const {
    int top_of_stack = total_height;
    for (size_t i = 0; i < part; i++) top_of_stack -= parts[i].height();
    return bottom_y - top_of_stack + parts[part].height();
}

bool level::part_shown(size_t part, int y) const {
    const int height = parts[part].height();
    return height > 0 && y > -height && y < screen.height();
}

// The screen rows in which the part's front layer, drawn this frame at band
// top `y`, hides whatever its band and the parts before it draw; none when
// its solid rows are too few to be worth a second pass. The layer is drawn
// with the full scroll and spans the screen only while its window lies
// inside its picture. The margins keep the filtered, rounded edges of the
// solid rows drawn over what lies under them.
level::hidden_rows level::front_hides(size_t part, int y) const {
    hidden_rows hidden = {part, y, {0, 0}};
    const row_span& solid = front_covers[part];
    if (solid.empty()) return hidden;
    const img_mgr& front = front_layer(part);
    const int window_left = parallax_offset(scroll_x, 1, drawn_shake);
    if (window_left < 0 || window_left + window_width(screen.width(), zoom) > front.width()) return hidden;
    // The window is laid over the stored rows of the layer: a raised camera
    // leaves its solid rows above the window undrawn, a lowered one those
    // below it.
    const int window_top = parallax_offset(scroll_y, 1, 0);
    const row_span drawn = {std::max(solid.first, window_top), std::min(solid.end, window_top + front.height())};
    if (drawn.size() < 2) return hidden;
    const double first_top = front.scaled_row_top(y, zoom, window_top, drawn.first + 1);
    const double last_top = front.scaled_row_top(y, zoom, window_top, drawn.end - 1);
    const int first = static_cast<int>(std::ceil(first_top)) + COVER_MARGIN;
    const int end = static_cast<int>(std::floor(last_top)) - COVER_MARGIN;
    hidden.rows = {std::max(first, 0), std::min(end, screen.height())};
    if (hidden.rows.size() < MIN_HIDDEN_ROWS) hidden.rows = {0, 0};
    return hidden;
}

// The front layer hiding the most rows this frame.
level::hidden_rows level::most_hidden_rows() const {
    hidden_rows most = {parts.size(), 0, {0, 0}};
    for (size_t i = 0; i < parts.size(); i++) {
        const int y = part_y(i);
        if (!part_shown(i, y)) continue;
        const hidden_rows hidden = front_hides(i, y);
        if (hidden.rows.size() > most.rows.size()) most = hidden;
    }
    return most;
}

void level::advance() {
    verbose = 0;
    advance_shake();
    zoom = scale * zoom;
    drawn_shake = shake;
    drawn_flash = flash;
    fade_flash();
}

// The running effects are overridden as a later frame overrides an earlier
// one: the one rule frame_effects keeps.
void level::start_effects(const frame_effects& asked) {
    frame_effects running = {flash, flash_rate, shake};
    running.add(asked);
    flash = running.flash;
    flash_rate = running.flash_rate;
    shake = running.shake;
}

void level::draw() {
    const hidden_rows hidden = skip_hidden_rows ? most_hidden_rows() : hidden_rows{parts.size(), 0, {0, 0}};
    if (hidden.rows.empty()) {
        draw_parts(0, parts.size());
    } else {
        // What lies behind the front layer is drawn only above and below the
        // rows it hides; then the front layer and all the rest.
        const int front = plane_count(hidden.part) - 1;
        const row_span shown[] = {{0, hidden.rows.first}, {hidden.rows.end, screen.height()}};
        for (const row_span& rows : shown) {
            if (rows.empty()) continue;
            screen.clip_rows(rows.first, rows.end);
            draw_parts(0, hidden.part);
            draw_planes(hidden.part, hidden.y, 0, front);
        }
        screen.unclip();
        draw_planes(hidden.part, hidden.y, front, front + 1);
        draw_floor(hidden.part, hidden.y);
        draw_parts(hidden.part + 1, parts.size());
    }
    draw_flash();
}

void level::draw_parts(size_t first, size_t end) {
    for (size_t i = first; i < end; i++) {
        const int y = part_y(i);
        if (!part_shown(i, y)) continue;
        if (part_layers[i].empty()) {
            draw_band(i, y);
        } else {
            draw_planes(i, y, 0, plane_count(i));
            draw_floor(i, y);
        }
    }
}

// The shake swings to the other side each frame, one pixel smaller.
void level::advance_shake() {
    shake = -shake;
    if (shake < 0) {
        shake++;
    } else if (shake > 0) {
        shake--;
    }
}

// A plain band scrolls with the camera and is not zoomed.
void level::draw_band(size_t part, int y) {
    img_mgr& band = parts[part];
    set_window(band, scroll_x + drawn_shake, 0, screen.width());
    band.display(0, y);
}

// Planes [first, end) of a parallax band. Each plane moves a larger
// fraction of the scroll than the one behind it, the front one the full
// scroll.
void level::draw_planes(size_t part, int y, int first, int end) {
    const int window = window_width(screen.width(), zoom);
    for (int k = first; k < end; k++) {
        img_mgr& plane = k == 0 ? parts[part] : images[part_layers[part][k - 1]];
        const int fraction = plane_count(part) - k;
        set_window(plane, parallax_offset(scroll_x, fraction, drawn_shake), parallax_offset(scroll_y, fraction, 0),
                   window);
        plane.display_scaled(0, y, screen.surface, zoom);
    }
}

int level::parallax_offset(int scroll, int fraction, int extra) {
    return static_cast<int>(static_cast<double>(scroll) / fraction + extra);
}

// The floor strip lies along the bottom of the front layer. Its rows are
// drawn shifted left as they come nearer, so its window is wider than the
// screen by its own height.
void level::draw_floor(size_t part, int band_y) {
    if (floor == -1) return;
    const int last_layer_height = front_layer(part).height();
    img_mgr& ground = images[floor];
    set_window(ground, scroll_x + drawn_shake, 0, window_width(screen.width() + ground.height(), zoom));
    const int y = static_cast<int>(last_layer_height + band_y - ground.height() - scroll_y * zoom);
    ground.display_floor(0, y, screen.surface, zoom, FLOOR_DEPTH);
}

void level::draw_flash() const {
    if (drawn_flash == 0) return;
    if (screen.is_gl()) {
        draw_flash_gl();
    } else {
        draw_flash_sw();
    }
}

// A rate below 1 would hold the screen white for good; it fades by 1 instead.
void level::fade_flash() {
    if (flash == 0) return;
    flash -= std::max(flash_rate, 1);
    if (flash < 0) flash = 0;
}

template <class Archive, class Self>
void level::fields(Archive&& archive, Self& self) {
    STATE_FIELDS(archive, self.scroll_x, self.scroll_y, self.zoom, self.verbose, self.shake, self.flash, self.flash_rate);
}

void level::save(state_buffer& out) const { fields(state_writer(out), *this); }

void level::restore(state_buffer& in) { fields(state_reader(in), *this); }
