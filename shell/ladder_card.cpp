#include "shell/ladder_card.h"

#include "gfx/img_mgr.h"
#include "shell/match_assets.h"
#include "platform/platform.h"
#include "shell/screen_hold.h"
#include "platform/screen_mgr.h"

namespace {

const double PORTRAIT_SHARE_OF_HEIGHT = 0.75;
const double TITLE_TOP_SHARE = 0.04;
const int LINE_GAP = 8;

}  // namespace

ladder_card::ladder_card(const match_assets& match_assets_in, img_mgr* wallpaper_in)
    : assets(match_assets_in), wallpaper(wallpaper_in), left(nullptr), right(nullptr) {}

void ladder_card::set(img_mgr* left_portrait, img_mgr* right_portrait, const std::string& title,
                      const std::string& line) {
    left = left_portrait;
    right = right_portrait;
    title_line.set(assets.name_face, title);
    second_line.set(assets.win_text, line);
}

void ladder_card::draw_portrait(img_mgr* portrait, int centre_x) const {
    if (!portrait || portrait->height() <= 0) return;
    const double zoom = PORTRAIT_SHARE_OF_HEIGHT * screen.height() / portrait->height();
    const int width = (int)(portrait->width() * zoom);
    const int top = screen.height() - (int)(portrait->height() * zoom);
    portrait->display(centre_x - width / 2, top, screen.surface, (float)zoom, (float)zoom, 0);
}

void ladder_card::draw() const {
    if (wallpaper && wallpaper->width() > 0) {
        // The selection fades the wallpaper out and leaves it faint.
        wallpaper->set_alpha(255);
        const double zoom = (double)screen.width() / wallpaper->width();
        wallpaper->display_scaled(0, screen.height() - wallpaper->height(), screen.surface, zoom);
    }
    if (left && right) {
        draw_portrait(left, screen.width() / 4);
        draw_portrait(right, screen.width() * 3 / 4);
    } else {
        draw_portrait(left ? left : right, screen.width() / 2);
    }
    const int top = (int)(screen.height() * TITLE_TOP_SHARE);
    title_line.draw_centred(screen.width() / 2, top, 1.0);
    second_line.draw_centred(screen.width() / 2, top + title_line.height() + LINE_GAP, 1.0);
}

bool ladder_card::show(FPSmanager* pacing, int fps, int tenths) {
    // Portraits face left as drawn: the left one turns to its opponent, and
    // back again for the selection screens that share it.
    if (left) left->face(right != nullptr);
    screen_hold hold(screen_hold::frames_of(tenths, fps), screen_hold::frames_of(GRACE_TENTHS, fps));
    while (hold.step()) {
        screen.clear_screen();
        draw();
        platform::frame_delay(pacing);
        screen.flip();
    }
    if (left) left->face(false);
    return !hold.left();
}
