// brawler's OpenGL drawing: each picture is one quad drawn on the spot,
// with texture coordinates taken from the source rectangle.
#include <GL/gl.h>
#include <cstdio>

#include "gfx/gl_quads.h"
#include "gfx/img_mgr.h"

namespace {

// One axis of the quad: where the visible texels land and which they are.
struct quad_span {
    float first_pixel, last_pixel;
    float first_texel, last_texel;
    bool empty;
};

// The texture holds only the trimmed picture, and past it the repeat wrap
// would draw ghost copies: the quad stops at the picture's edge. `source`
// and `length` select texels; they are spread over `size` pixels from `start`.
quad_span visible_span(int source, int length, int picture, int start, int size, int texture) {
    const int first = source > 0 ? source : 0;
    const int end = source + length < picture ? source + length : picture;
    quad_span span = {0, 0, 0, 0, length <= 0 || end <= first};
    if (span.empty) return span;
    const float pixels_per_texel = (float)size / length;
    span.first_pixel = start + (first - source) * pixels_per_texel;
    span.last_pixel = start + (end - source) * pixels_per_texel;
    span.first_texel = (float)first / texture;
    span.last_texel = (float)end / texture;
    return span;
}

// A mirrored picture is turned about the centre of the whole quad.
void mirror_within(quad_span& span, int start, int size) {
    const float first = 2.0f * start + size - span.last_pixel;
    const float last = 2.0f * start + size - span.first_pixel;
    const float texel = span.first_texel;
    span.first_pixel = first;
    span.last_pixel = last;
    span.first_texel = span.last_texel;
    span.last_texel = texel;
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

void img_mgr::display_gl(int x0, int y0, float zx, float zy, int angle) {
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
    quad_span across = visible_span(src_rect.x, src_rect.w, trimmed_w(), dst_rect.x, dst_rect.w, tex_w);
    const quad_span down = visible_span(src_rect.y, src_rect.h, trimmed_h(), dst_rect.y, dst_rect.h, tex_h);
    if (!across.empty && !down.empty) {
        if (mirrored) mirror_within(across, dst_rect.x, dst_rect.w);
        const bool texel_per_pixel = angle == 0 && dst_rect.w == src_rect.w && dst_rect.h == src_rect.h;
        bind_texture(texel_per_pixel);
        begin_textured_quads(gl_tiles, alpha, !covers_all_under(texel_per_pixel));
        glTexCoord2f(across.first_texel, down.first_texel);
        glVertex2f(across.first_pixel, down.first_pixel);
        glTexCoord2f(across.last_texel, down.first_texel);
        glVertex2f(across.last_pixel, down.first_pixel);
        glTexCoord2f(across.last_texel, down.last_texel);
        glVertex2f(across.last_pixel, down.last_pixel);
        glTexCoord2f(across.first_texel, down.last_texel);
        glVertex2f(across.first_pixel, down.last_pixel);
        end_textured_quads();
    }
    if (angle != 0) glPopMatrix();
    reset_rects();
}
