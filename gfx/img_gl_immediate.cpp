// brawler's OpenGL drawing: each picture is drawn on the spot as quads, one
// for each of its cells' rectangles, with texture coordinates taken from the
// source rectangle.
#include <GL/gl.h>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "gfx/gl_quads.h"
#include "gfx/img_mgr.h"

namespace {

// One axis of a draw: texel t of the source lands on pixel
// start + (t - source) * pixels_per_texel; texels [first, end) are shown.
// The texture holds only the trimmed picture, and past it the repeat wrap
// would draw ghost copies: the shown texels stop at the picture's edge.
struct quad_axis {
    int source, first, end;
    float start, pixels_per_texel;
    // A mirrored axis is turned about the centre of the whole quad.
    bool mirrored;
    float mirror_sum;
    int texture;

    bool empty() const { return end <= first; }
    float pixel(int texel) const {
        const float at = start + (texel - source) * pixels_per_texel;
        return mirrored ? mirror_sum - at : at;
    }
    float coordinate(int texel) const { return (float)texel / texture; }
};

// `source` and `length` select texels of a `picture` texels long; they are
// spread over `size` pixels from `start`.
quad_axis visible_axis(int source, int length, int picture, int start, int size, int texture, bool mirrored) {
    quad_axis axis = {source, std::max(source, 0), std::min(source + length, picture), (float)start, 0.0f,
                      mirrored, 2.0f * start + size, texture};
    if (length <= 0) axis.end = axis.first;
    if (!axis.empty()) axis.pixels_per_texel = (float)size / length;
    return axis;
}

// One quad for the shown part of each rectangle.
void draw_rects(const std::vector<texel_rect>& rects, const quad_axis& across, const quad_axis& down) {
    for (const texel_rect& rect : rects) {
        const int left = std::max(rect.x, across.first), right = std::min(rect.x + rect.w, across.end);
        const int top = std::max(rect.y, down.first), bottom = std::min(rect.y + rect.h, down.end);
        if (left >= right || top >= bottom) continue;
        textured_quad(across.pixel(left), down.pixel(top), across.pixel(right), down.pixel(bottom),
                      across.coordinate(left), down.coordinate(top), across.coordinate(right),
                      down.coordinate(bottom));
    }
}

// Turns the model-view matrix by `angle` about (cx, cy) relative to (x, y),
// keeping the matrix it had for glPopMatrix.
void turn_about(int x, int y, int cx, int cy, int angle) {
    glPushMatrix();
    glTranslated(x, y, 0);
    glTranslated(cx, cy, 0);
    glRotatef((float)angle, 0, 0, 1);
    glTranslated(-cx, -cy, 0);
    glTranslated(-x, -y, 0);
}

}  // namespace

void img_mgr::finish_upload() {}

void img_mgr::remake_lists() {}

void img_mgr::draw_gl(int x0, int y0, float zx, float zy, int angle) {
    if (!check_uploaded()) return;
    dst_rect.x = (Sint16)x0;
    dst_rect.y = (Sint16)y0;
    dst_rect.w = (Uint16)(int)(dst_rect.w * zx);
    dst_rect.h = (Uint16)(int)(dst_rect.h * zy);
    if (angle != 0) {
        printf("rotate by [%d] zx[%f] sz[%d]\n", angle, zx, trimmed_w());
        const int half_w = (int)((trimmed_w() >> 1) * zx);
        const int half_h = (int)((trimmed_h() >> 1) * zy);
        turn_about(dst_rect.x, dst_rect.y, half_w, half_h, angle);
    }
    const quad_axis across =
        visible_axis(src_rect.x, src_rect.w, trimmed_w(), dst_rect.x, dst_rect.w, tex_w, mirrored != 0);
    const quad_axis down = visible_axis(src_rect.y, src_rect.h, trimmed_h(), dst_rect.y, dst_rect.h, tex_h, false);
    if (!across.empty() && !down.empty()) {
        bind_texture(angle == 0 && dst_rect.w == src_rect.w && dst_rect.h == src_rect.h);
        // Solid cells cover what is under them only at full opacity.
        begin_textured_quads(gl_tiles, alpha, alpha != 255);
        draw_rects(cells.solid(), across, down);
        end_textured_quads();
        begin_textured_quads(gl_tiles, alpha, true);
        draw_rects(cells.blended(), across, down);
        end_textured_quads();
    }
    if (angle != 0) glPopMatrix();
    reset_rects();
}
