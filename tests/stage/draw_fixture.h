#ifndef TESTS_STAGE_DRAW_FIXTURE_H
#define TESTS_STAGE_DRAW_FIXTURE_H

// Stage drawing read back from the screen, on the surface path or, in a
// program built with DRAW_ON_GL true, through OpenGL.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "gfx/img_mgr.h"
#include "stage/level.h"
#include "tests/gfx_text/screen_probe.h"
#include "tests/stage/stage_fixture.h"

const Uint32 BLACK = 0x000000;
// Colours that 5 bits a channel hold exactly, so both paths show them alike.
const Uint32 FLOOR_COLOUR = 0xC68400;
const int BAND_H = 120;
const int BAND_W = 2048;

class stage_drawing : public probe::screen_test {
protected:
    // One parallax band at the bottom of the screen: the band's own picture
    // shows in its rows 0-39, the first layer in rows 40-79, the second in
    // rows 80-119; a floor strip (20 rows of one colour unless told
    // otherwise) when asked for.
    void load_parallax_stage(bool with_floor, int floor_h = 20,
                             const fixture::painter& floor_paint = fixture::flat(FLOOR_COLOUR)) {
        const std::vector<std::string> pictures = {
            folder.picture("far", BAND_W, BAND_H, fixture::columns(1, 0, BAND_H)),
            folder.picture("middle", BAND_W, BAND_H, fixture::columns(2, 40, BAND_H)),
            folder.picture("near", BAND_W, BAND_H, fixture::columns(3, 80, BAND_H)),
            folder.picture("floor", BAND_W, floor_h, floor_paint)};
        const std::string floor_key = with_floor ? " floor=3" : "";
        stage.load(folder.stage(pictures, "length=1 part0=0 part0parallax=2 part0parallax0=1 part0parallax1=2" + floor_key)
                       .c_str());
    }

    void draw(int scroll_x, double zoom) {
        probe::clear();
        stage.scroll_x = scroll_x;
        stage.zoom = zoom;
        stage.advance();
        stage.draw();
    }

    // The screen row showing row `image_row` of a plane anchored at the
    // bottom of the screen and drawn at `zoom`.
    static int screen_row(int image_row, double zoom) {
        return static_cast<int>(probe::SCREEN_H - BAND_H * zoom + image_row * zoom);
    }

    fixture::stage_folder folder;
    level stage;
};

#endif
