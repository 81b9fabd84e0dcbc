#include "shell/round_intro.h"

#include "config/state_buffer.h"

#include <string>

#include "shell/match_assets.h"
#include "shell/screen_hold.h"
#include "platform/screen_mgr.h"

namespace {

const char* const FIGHT_LINE = "Fight!";

}  // namespace

round_intro::round_intro(const match_assets& match_assets_in)
    : assets(match_assets_in), frames_left(0), fight_frames(0), shown_line(nullptr) {}

void round_intro::begin(int round, int fps) {
    round_line.set(assets.win_text, "Round " + std::to_string(round));
    fight_line.set(assets.win_text, FIGHT_LINE);
    fight_frames = screen_hold::frames_of(FIGHT_LINE_TENTHS, fps);
    frames_left = screen_hold::frames_of(ROUND_LINE_TENTHS, fps) + fight_frames;
    shown_line = nullptr;
}

void round_intro::step() {
    shown_line = !running() ? nullptr : fight_line_due() ? &fight_line : &round_line;
    if (frames_left > 0) frames_left--;
}

const char* round_intro::text() const {
    if (!running()) return "";
    return fight_line_due() ? fight_line.text().c_str() : round_line.text().c_str();
}

void round_intro::draw() const {
    if (!shown_line) return;
    const text_picture& line = *shown_line;
    line.draw_centred(screen.width() / 2, screen.height() / 2 - line.height() * TEXT_ZOOM / 2, TEXT_ZOOM);
}

void round_intro::save(state_buffer& out) const { out.put(frames_left, "intro frames_left"); }

void round_intro::restore(state_buffer& in) { in.get(frames_left); }
