#ifndef SHELL_VICTORY_SCREEN_H
#define SHELL_VICTORY_SCREEN_H

#include <string>

#include "shell/screen_hold.h"
#include "shell/text_picture.h"

class fighter_lifeform;
class img_mgr;
class match_assets;

// The end of a series: over the stage as the last round left it, the
// winner's victory picture large on the side it fought from, facing the
// middle, and on the other side its name, "Player N Wins" and the score.
// A drawn series shows "Draw" and no picture. Up for SHOWN_SECONDS or
// until a key.
class victory_screen {
public:
    enum { SHOWN_SECONDS = 3, GRACE_TENTHS = 5 };

    // `winner` won the series from `side` (hud::LEFT_SEAT or RIGHT_SEAT)
    // under `name`; a null winner is a draw. `score` is the line under the
    // headline.
    victory_screen(const match_assets& assets, const fighter_lifeform* winner, int side, const std::string& name,
                   const std::string& score, int fps);

    // Counts a frame; false once the screen is over.
    bool step() { return hold.step(); }
    // Escape or the window's close ended it.
    bool left() const { return hold.left(); }
    // The screen over whatever backdrop was drawn.
    void draw() const;
    const char* headline() const { return headline_line.text().c_str(); }

private:
    victory_screen(const victory_screen&);
    victory_screen& operator=(const victory_screen&);

    // The middle of the screen's half on `side`.
    static int half_centre(int side);

    img_mgr* picture;
    double zoom;
    int picture_side;
    text_picture name_line;
    text_picture headline_line;
    text_picture score_line;
    screen_hold hold;
};

#endif
