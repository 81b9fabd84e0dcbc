#ifndef SHELL_LADDER_CARD_H
#define SHELL_LADDER_CARD_H

#include <SDL/SDL_framerate.h>

#include <string>

#include "shell/text_picture.h"

class img_mgr;
class match_assets;

// A still screen of the arcade ladder over the selection's wallpaper: a
// title in the fighters' gold face, a line under it, and one fighter's
// portrait in the middle or two facing each other, the left one turned to
// face right.
class ladder_card {
public:
    enum { GRACE_TENTHS = 5 };

    ladder_card(const match_assets& assets, img_mgr* wallpaper);

    // What the card shows; a null portrait is left out.
    void set(img_mgr* left_portrait, img_mgr* right_portrait, const std::string& title, const std::string& line);
    // Shows the card for `tenths` of a second at `fps`, or until a key;
    // false when the player left with Escape or the window's close.
    bool show(FPSmanager* pacing, int fps, int tenths);
    void draw() const;

    const std::string& title() const { return title_line.text(); }
    const std::string& line() const { return second_line.text(); }

private:
    ladder_card(const ladder_card&);
    ladder_card& operator=(const ladder_card&);

    void draw_portrait(img_mgr* portrait, int centre_x) const;

    const match_assets& assets;
    img_mgr* wallpaper;
    img_mgr* left;
    img_mgr* right;
    text_picture title_line;
    text_picture second_line;
};

#endif
