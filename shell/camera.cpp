#include "shell/camera.h"

#include <algorithm>
#include <cstdio>

#include "objects/fighter_lifeform.h"
#include "shell/screen_mgr.h"
#include "stage/level.h"

namespace {

// The near fighter's left edge and the far fighter's right edge.
struct span_edges {
    int near_edge;
    int far_edge;
};

// A fighter that has been drawn is measured by its visible pixels: the
// empty margin of its picture does not count.
int visible_near_edge(const fighter_lifeform& fighter, int edge) {
    if (!fighter.image) return edge;
    return edge + fighter.width - fighter.bound_box.right;
}

int visible_far_edge(const fighter_lifeform& fighter, int edge) {
    if (!fighter.image) return edge;
    return edge + (fighter.bound_box.right - fighter.width);
}

// Turns the fighters toward each other by their centres.
span_edges face_each_other(fighter_lifeform& left, fighter_lifeform& right) {
    if ((left.x + left.width) / 2 < (right.x + right.width) / 2) {
        left.facing = 1;
        right.facing = 0;
        return span_edges{visible_near_edge(left, left.x), visible_far_edge(right, right.x + right.width)};
    }
    left.facing = 0;
    right.facing = 1;
    return span_edges{visible_near_edge(right, right.x), visible_far_edge(left, left.x + left.width)};
}

}  // namespace

camera::camera(level& stage_level, fighter_lifeform& left_fighter, fighter_lifeform& right_fighter)
    : stage(stage_level), left(left_fighter), right(right_fighter) {}

double camera::play_width(const level& stage_level) {
    const double scale = stage_level.scale > 0.0 ? stage_level.scale : 1.0;
    return stage_level.level_width / scale;
}

double camera::zoom_for(double span) {
    // Floating-point on purpose: the screen is narrower than the span, and
    // an integer division would give a zoom of 0.
    if (span <= 0.0) return 1.0;
    return (double)screen.width() / span;
}

void camera::set_scroll_y() {
    stage.scroll_y = (left.height + right.height) / 2 + (left.y + right.y) / 2 - screen.height();
}

void camera::draw_background() {
    if (stage.scroll_x < 0) stage.scroll_x = 0;
    stage.draw_step();
}

void camera::first_view() {
    set_scroll_y();
    const int lo = std::min(left.x, right.x);
    const int hi = std::max(left.x + left.width, right.x + right.width);
    stage.scroll_x = lo / 2;
    stage.zoom = zoom_for((int)(hi + (play_width(stage) - hi) * 0.5) - lo / 2);
    draw_background();
}

void camera::follow() {
    set_scroll_y();
    const span_edges edges = face_each_other(left, right);
    stage.scroll_x = edges.near_edge / 2;
    const int k = stage.scroll_x - (int)((play_width(stage) - edges.far_edge) * 0.5);
    stage.zoom = zoom_for(edges.far_edge * stage.scale - k);
    printf("Current Zoom [%f] [%d] [%d]\n", stage.zoom, edges.far_edge, left.width);
    draw_background();
}
