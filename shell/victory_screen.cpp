#include "shell/victory_screen.h"

#include "gfx/img_mgr.h"
#include "objects/fighter_lifeform.h"
#include "shell/hud.h"
#include "shell/match_assets.h"
#include "platform/screen_mgr.h"

namespace {

const double PICTURE_SHARE_OF_HEIGHT = 0.85;
const double TEXT_TOP_SHARE = 0.25;
const int HEADLINE_ZOOM = 2;
const int LINE_GAP = 12;

// The victory picture, or the standing one when the fighter has none.
img_mgr* victory_picture(const fighter_lifeform& winner) {
    const int wanted = lifeform::SHOW_VICTORY;
    if ((int)winner.images.size() > wanted && winner.images[wanted]) return winner.images[wanted];
    return winner.images.empty() ? nullptr : winner.images[lifeform::SHOW_STANDING];
}

std::string headline_for(const fighter_lifeform* winner, int side) {
    if (!winner) return "Draw";
    // The first player fights from the right.
    return side == hud::RIGHT_SEAT ? "Player 1 Wins" : "Player 2 Wins";
}

}  // namespace

victory_screen::victory_screen(const match_assets& assets, const fighter_lifeform* winner, int side,
                               const std::string& name, const std::string& score, int fps)
    : picture(winner ? victory_picture(*winner) : nullptr),
      zoom(1.0),
      picture_side(side),
      hold(SHOWN_SECONDS * fps, screen_hold::frames_of(GRACE_TENTHS, fps)) {
    if (picture && picture->height() > 0) {
        zoom = PICTURE_SHARE_OF_HEIGHT * screen.height() / picture->height();
        // Pictures face left as drawn; the left side's winner turns to the
        // middle.
        picture->face(side == hud::LEFT_SEAT);
    }
    if (winner) name_line.set(assets.name_face, name);
    headline_line.set(assets.win_text, headline_for(winner, side));
    score_line.set(assets.win_text, score);
}

int victory_screen::half_centre(int side) {
    return side == hud::LEFT_SEAT ? screen.width() / 4 : screen.width() * 3 / 4;
}

void victory_screen::draw() const {
    int text_centre = screen.width() / 2;
    if (picture) {
        const int width = (int)(picture->width() * zoom);
        const int top = screen.height() - (int)(picture->height() * zoom);
        picture->display(half_centre(picture_side) - width / 2, top, screen.surface, (float)zoom, (float)zoom, 0);
        text_centre = half_centre(1 - picture_side);
    }
    int top = (int)(screen.height() * TEXT_TOP_SHARE);
    name_line.draw_centred(text_centre, top, 1.0);
    top += name_line.height() + LINE_GAP;
    headline_line.draw_centred(text_centre, top, HEADLINE_ZOOM);
    top += headline_line.height() * HEADLINE_ZOOM + LINE_GAP;
    score_line.draw_centred(text_centre, top, 1.0);
}
