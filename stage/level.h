#ifndef STAGE_LEVEL_H
#define STAGE_LEVEL_H

#include <cstddef>
#include <vector>

#include "anim/frame_effects.h"
#include "gfx/img_mgr.h"

class config_file;
class state_buffer;

// The stage a match is fought on: horizontal background bands stacked from
// the bottom of the screen upward, parallax layers in front of a band, an
// optional floor strip, and the camera and screen effects of the match.
//
// Life of a level, as the match runs it:
//     level* stage = new level();
//     stage->publish();          // current_level = stage, BEFORE load: the
//                                // loading indicator's frames read its zoom
//     stage->load("rsrc/road/stage_road.ini");
//     ... every frame: set scroll_x, scroll_y, zoom; stage->advance();
//         the frames shown hand their effects to start_effects();
//         while painting: stage->draw(); ...
//     stage->unload();
//     delete stage;              // clears current_level when it names stage
class level {
public:
    level();
    ~level();

    // Makes this the level that animation frames, lifeforms and the CPU read.
    void publish();
    // Reads a stage file and its background set. Failures only log; an
    // unreadable file leaves an empty stage that draws nothing but the flash.
    void load(const char* path);
    void unload();
    // One frame of the camera's effects: swings the shake, fades the flash
    // and leaves zoom multiplied by scale for the rest of the frame. What
    // draw() shows of them is kept first.
    void advance();
    // The background for the current camera, with the shake and the flash
    // the last advance() left to be seen. Changes nothing of the match.
    void draw();
    // A flash or shake a frame shown asks for (anim/frame_effects.h).
    void start_effects(const frame_effects& asked);

    // The camera and the screen effects: what a match frame changes here.
    void save(state_buffer& out) const;
    void restore(state_buffer& in);

    std::vector<img_mgr> images;     // the background set, "image%d" order
    std::vector<img_mgr> parts;      // one copy per part, highest part first
    std::vector<std::vector<int>> part_layers;  // per entry of parts: layer image indexes, back to front
    int floor;                       // index into images of the floor strip, -1 for none
    int bgset_width;
    int level_height;                // tallest image times scale
    int total_height;                // sum of the part heights, unscaled
    int part_count;
    int onscreen_size;
    int bottom_y;                    // screen height minus the height of images[0]
    int loaded_images;
    int scroll_x;
    int level_width;                 // widest image times scale
    int scroll_y;
    double zoom;                     // camera zoom; times scale after draw_step
    double scale;
    int verbose;
    int reset_point;
    int loop;
    int shake;                       // horizontal shake offset in pixels
    int flash;                       // opacity 0-255 of the white flash
    int flash_rate;                  // how much flash falls per frame
    // The shake and flash this frame is drawn with, kept by advance():
    // frames shown after it in the same step ask for the next ones.
    int drawn_shake;
    int drawn_flash;
    // Whether draw_step leaves out what lies under the rows a front layer
    // hides. Off, every plane is drawn whole: the same picture, more slowly,
    // which is what the shortcut is checked against.
    bool skip_hidden_rows;

private:
    template <class Archive, class Self>
    static void fields(Archive&& archive, Self& self);
    level(const level&);
    level& operator=(const level&);

    void show_progress() const;
    void load_images(const config_file& bgset, int image_total);
    void load_parts(const config_file& stage);
    std::vector<int> read_layers(const config_file& stage, int part);
    bool valid_image(int index, const char* what) const;
    void apply_scale(const config_file& stage);
    void compute_reset_point();
    void find_front_covers();

    void advance_shake();
    // Rows of the screen that a part's front layer hides this frame; the
    // part's band is drawn at y.
    struct hidden_rows {
        size_t part;
        int y;
        row_span rows;
    };
    int plane_count(size_t part) const;
    const img_mgr& front_layer(size_t part) const;
    int part_y(size_t part) const;
    bool part_shown(size_t part, int y) const;
    hidden_rows front_hides(size_t part, int y) const;
    hidden_rows most_hidden_rows() const;
    void draw_parts(size_t first, size_t end);
    void draw_band(size_t part, int y);
    void draw_planes(size_t part, int y, int first, int end);
    static int parallax_offset(int scroll, int fraction, int extra);
    void draw_floor(size_t part, int band_y);
    void draw_flash() const;
    void fade_flash();
    // The flash drawn by each rendering path (level_gl.cpp, level_sw.cpp).
    void draw_flash_gl() const;
    void draw_flash_sw() const;

    // Per entry of parts: the rows of its front layer that hide the screen.
    std::vector<row_span> front_covers;
};

// The level of the running series; null when there is none. Frames shown
// with no level use zoom 1 and start no flash or shake.
extern level* current_level;

#endif
