#include "shell/arcade_ladder.h"

#include <cstdio>
#include <utility>

#include "shell/ladder_card.h"
#include "shell/match.h"
#include "platform/platform.h"
#include "shell/series_run.h"

namespace {

const Uint32 GOLDEN_STEP = 0x9E3779B9u;

// A small generator of the ladder's own, so the order depends on nothing
// but its seed: a counter stepped by the golden ratio and mixed well, so
// that neighbouring seeds (a clock read moments apart) draw unrelated
// orders.
Uint32 next_random(Uint32& state) {
    state += GOLDEN_STEP;
    Uint32 mixed = state;
    mixed ^= mixed >> 16;
    mixed *= 0x7FEB352Du;
    mixed ^= mixed >> 15;
    mixed *= 0x846CA68Bu;
    mixed ^= mixed >> 16;
    return mixed;
}

}  // namespace

arcade_ladder::arcade_ladder(const match_request& request, const match_assets& match_assets_in,
                             const ladder_art& pictures, series_run& series_runner)
    : series(request),
      assets(match_assets_in),
      runner(series_runner),
      art(pictures),
      beaten_count(0), lost(false), leaving(false) {
    const Uint32 seed = request.seed_given ? request.seed : platform::ticks();
    order = draw_order(request.first_choice, (int)request.fighter_files.size(), seed);
}

std::vector<int> arcade_ladder::draw_order(int player, int fighters, Uint32 seed) {
    std::vector<int> others;
    for (int choice = 0; choice < fighters; choice++) {
        if (choice != player) others.push_back(choice);
    }
    if (others.empty()) others.push_back(player);
    Uint32 state = seed;
    for (int last = (int)others.size() - 1; last > 0; last--) {
        const int drawn = (int)(next_random(state) % (Uint32)(last + 1));
        std::swap(others[last], others[drawn]);
    }
    return others;
}

match_request arcade_ladder::next_series() const {
    match_request next = series;
    next.second_choice = order[beaten_count < (int)order.size() ? beaten_count : 0];
    return next;
}

void arcade_ladder::series_ended(int winner_side, bool left_by_player) {
    if (left_by_player) {
        leaving = true;
    } else if (winner_side == hud::RIGHT_SEAT) {
        beaten_count++;
    } else {
        lost = true;
    }
}

std::string arcade_ladder::name_of(int choice) const {
    if (choice < 0 || choice >= (int)series.fighter_files.size()) return "";
    return match::fighter_name(series.fighter_files[choice]);
}

img_mgr* arcade_ladder::portrait(img_mgr* const* pictures, int choice) const {
    return pictures && choice >= 0 && choice < art.portrait_count ? pictures[choice] : nullptr;
}

void arcade_ladder::run() {
    printf("Arcade ladder: [%s] against [%d] opponents\n", name_of(series.first_choice).c_str(), (int)order.size());
    while (!over()) {
        if (beaten_count > 0 && !show_next()) {
            leaving = true;
            break;
        }
        series_outcome ended = {-1, false};
        runner.play(next_series(), assets, &ended);
        series_ended(ended.winner, ended.left_by_player);
    }
    if (leaving) {
        printf("Arcade ladder left after [%d] of [%d]\n", beaten_count, (int)order.size());
        return;
    }
    show_end();
}

bool arcade_ladder::show_next() {
    const int opponent = order[beaten_count];
    char line[48];
    snprintf(line, sizeof(line), "Opponent %d of %d", beaten_count + 1, (int)order.size());
    printf("Next: [%s]\n", name_of(opponent).c_str());
    ladder_card card(assets, art.wallpaper);
    card.set(portrait(art.player_portraits, series.first_choice), portrait(art.portraits, opponent),
             "Next: " + name_of(opponent), line);
    return card.show(series.framerate, series.fps, NEXT_TENTHS);
}

// The player's fighter alone as champion, or beside the one that beat it.
void arcade_ladder::show_end() {
    const int total = (int)order.size();
    const std::string player = name_of(series.first_choice);
    ladder_card card(assets, art.wallpaper);
    char line[64];
    if (won()) {
        printf("Arcade ladder won: [%s] beat all [%d]\n", player.c_str(), total);
        snprintf(line, sizeof(line), "All %d opponents beaten", total);
        card.set(nullptr, portrait(art.player_portraits, series.first_choice), player + " is the champion", line);
        card.show(series.framerate, series.fps, ENDING_TENTHS);
        return;
    }
    const int winner = order[beaten_count];
    printf("Arcade ladder lost: [%d] of [%d] beaten\n", beaten_count, total);
    snprintf(line, sizeof(line), "Opponents beaten: %d of %d", beaten_count, total);
    card.set(portrait(art.player_portraits, series.first_choice), portrait(art.portraits, winner),
             "Defeated by " + name_of(winner), line);
    card.show(series.framerate, series.fps, DEFEAT_TENTHS);
}
