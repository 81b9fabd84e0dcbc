#include "shell/camera.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "objects/fighter_lifeform.h"
#include "platform/screen_mgr.h"
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
        left.face(true);
        right.face(false);
        return span_edges{visible_near_edge(left, left.x), visible_far_edge(right, right.x + right.width)};
    }
    left.face(false);
    right.face(true);
    return span_edges{visible_near_edge(right, right.x), visible_far_edge(left, left.x + left.width)};
}

}  // namespace

camera::camera(level& stage_level, fighter_lifeform& left_fighter, fighter_lifeform& right_fighter)
    : stage(stage_level), left(left_fighter), right(right_fighter) {}

double camera::play_width(const level& stage_level) {
    const double scale = stage_level.scale > 0.0 ? stage_level.scale : 1.0;
    return stage_level.level_width / scale;
}

// The lowest feet stand on the screen's bottom row: a fighter in the air
// never pushes the other one's feet off the screen.
void camera::set_scroll_y() {
    stage.scroll_y = std::max(left.y + left.height, right.y + right.height) - screen.height();
}

// The view runs from halfway between the stage's left end and the near
// edge to halfway between the far edge and the right end: it always holds
// both edges, and it ends where the stage ends.
void camera::frame(int near_edge, int far_edge) {
    const double stage_width = play_width(stage);
    double first = std::min(near_edge / 2, near_edge);
    double last = std::max((double)(int)(far_edge + (stage_width - far_edge) * 0.5), (double)far_edge);
    if (stage_width > 0.0) {
        first = std::max(first, 0.0);
        last = std::min(last, stage_width);
    }
    stage.scroll_x = (int)std::floor(first);
    const double scale = stage.scale > 0.0 ? stage.scale : 1.0;
    // Floating-point on purpose: the screen is narrower than the view, and
    // an integer division would give a zoom of 0.
    const double shown = last - stage.scroll_x;
    stage.zoom = shown > 0.0 ? screen.width() / shown / scale : 1.0;
}

void camera::first_view() {
    set_scroll_y();
    frame(std::min(left.x, right.x), std::max(left.x + left.width, right.x + right.width));
    stage.advance();
}

int camera::aim() {
    set_scroll_y();
    const span_edges edges = face_each_other(left, right);
    frame(edges.near_edge, edges.far_edge);
    return edges.far_edge;
}

void camera::follow() {
    const int far_edge = aim();
    printf("Current Zoom [%f] [%d] [%d]\n", stage.zoom, far_edge, left.width);
    stage.advance();
}

void camera::redraw() {
    aim();
    stage.advance();
    stage.draw();
}
