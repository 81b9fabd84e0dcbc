#include "shell/series_run.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "replay/data_checksum.h"
#include "shell/command_line.h"
#include "shell/main_menu.h"
#include "shell/match.h"
#include "shell/screen_flow.h"
#include "platform/screen_mgr.h"
#include "shell/startup.h"

namespace {

enum exit_status { EXIT_PLAYED = 0, EXIT_FAILED = 1 };

int cheat_bits(const match_request& request) {
    return (request.infinite_life_left ? replay_header::INFINITE_LIFE_LEFT : 0) |
           (request.infinite_life_right ? replay_header::INFINITE_LIFE_RIGHT : 0) |
           (request.one_hit_knock_outs ? replay_header::ONE_HIT_KNOCK_OUTS : 0);
}

// The folder a file would be written into: "." for a bare name.
std::string folder_of(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

unsigned long long printable(Uint64 checksum) { return (unsigned long long)checksum; }

}  // namespace

series_run::series_run() : replaying(false), data_sum(0) {}

void series_run::refuse(const char* reason) const {
    printf("ERROR: cannot play the replay [%s]: %s\n", replay_path.c_str(), reason);
}

bool series_run::read_replay(command_line& options) {
    if (options.replay_path.empty()) return true;
    replay_path = options.replay_path;
    std::string reason;
    if (!replay.load(replay_path.c_str(), &reason)) {
        refuse(reason.c_str());
        return false;
    }
    if (screen_flow::roster_choice(replay.header.first_fighter) < 0 ||
        screen_flow::roster_choice(replay.header.second_fighter) < 0 ||
        !main_menu::mode_for(replay.header.mode - 1) || replay.header.cpu_difficulty > match_request::HARD) {
        refuse("it names a mode, a fighter or a rule this game does not have");
        return false;
    }
    if (replay.header.game_version != command_line::game_version()) {
        printf("WARNING: the replay [%s] was recorded by version [%s], this is [%s]\n", replay_path.c_str(),
               replay.header.game_version.c_str(), command_line::game_version());
    }
    options.width = replay.header.width;
    options.height = replay.header.height;
    options.fps = replay.header.fps;
    replaying = true;
    return true;
}

bool series_run::check_data(const command_line& options) {
    if (options.record_path.empty() && !replaying) return true;
    data_sum = data_checksum::of_data_tree();
    if (!options.record_path.empty() && access(folder_of(options.record_path).c_str(), W_OK | X_OK) != 0) {
        printf("ERROR: the replay [%s] cannot be written there: %s; playing on\n", options.record_path.c_str(),
               strerror(errno));
    }
    if (replaying && replay.header.data_checksum != data_sum) {
        refuse("it was recorded with other data files");
        return false;
    }
    return true;
}

void series_run::take_recorded_series(match_request& request) const {
    const replay_header& header = replay.header;
    request.mode = header.mode;
    request.reqwins = header.reqwins;
    request.first_choice = screen_flow::roster_choice(header.first_fighter);
    request.second_choice = screen_flow::roster_choice(header.second_fighter);
    request.seed_given = true;
    request.seed = header.seed;
    request.round_seconds = header.round_seconds;
    request.cpu_difficulty = header.cpu_difficulty;
    request.infinite_life_left = (header.cheats & replay_header::INFINITE_LIFE_LEFT) != 0;
    request.infinite_life_right = (header.cheats & replay_header::INFINITE_LIFE_RIGHT) != 0;
    request.one_hit_knock_outs = (header.cheats & replay_header::ONE_HIT_KNOCK_OUTS) != 0;
}

void series_run::take_command_line_series(const command_line& options, match_request& request) {
    const menu_mode* mode = main_menu::mode_for(options.mode - 1);
    request.mode = mode->mode;
    request.reqwins = mode->reqwins;
    request.first_choice = options.first_choice;
    request.second_choice = options.second_choice;
}

int series_run::run(startup& boot, screen_flow& flow) {
    flow.prepare_series(boot);
    match_request request = flow.series_request();
    boot.player_settings.fill(request);
    boot.options.fill(request);
    if (replaying) {
        take_recorded_series(request);
    } else {
        take_command_line_series(boot.options, request);
    }
    const int status = play(request, flow.assets);
    flow.release();
    return status;
}

int series_run::play(const match_request& request, const match_assets& assets, series_outcome* outcome) {
    match series(request, assets);
    if (replaying) series.feed_inputs(&replay.frames);
    series.play_rounds();
    int status = EXIT_PLAYED;
    if (replaying) status = finish_replay(series);
    if (!request.record_path.empty()) record(series, request);
    // Nobody watches a headless series end.
    if (!request.headless) series.show_victory();
    if (outcome) {
        outcome->winner = series.winner();
        outcome->left_by_player = series.left_by_a_player();
    }
    series.end_series();
    return status;
}

// A replay stopped by its viewer ends early and proves nothing; one played
// to its end must end as its recording did.
int series_run::finish_replay(const match& series) const {
    const size_t played = series.inputs_played().size();
    const Uint64 checksum = series.checksum();
    printf("Replay end [%d] [checksum %016llx]\n", (int)played, printable(checksum));
    if (played < replay.frames.size() || checksum == replay.final_checksum) return EXIT_PLAYED;
    printf("ERROR: the replay [%s] ended with checksum [%016llx], its recording with [%016llx]\n",
           replay_path.c_str(), printable(checksum), printable(replay.final_checksum));
    return EXIT_FAILED;
}

void series_run::record(const match& series, const match_request& request) const {
    replay_file recording;
    replay_header& header = recording.header;
    header.game_version = command_line::game_version();
    header.mode = request.mode;
    header.reqwins = request.reqwins;
    header.first_fighter = screen_flow::roster_name(request.first_choice);
    header.second_fighter = screen_flow::roster_name(request.second_choice);
    header.seed = series.series_seed();
    header.fps = request.fps;
    header.width = screen.width();
    header.height = screen.height();
    header.round_seconds = request.round_seconds;
    header.cpu_difficulty = request.cpu_difficulty;
    header.cheats = cheat_bits(request);
    header.data_checksum = data_sum;
    recording.frames = series.inputs_played();
    recording.final_checksum = series.checksum();
    std::string reason;
    const char* path = request.record_path.c_str();
    if (!recording.save(path, &reason)) {
        printf("ERROR: could not save the replay [%s]: %s\n", path, reason.c_str());
        return;
    }
    printf("Replay saved [%s] [%d] [checksum %016llx]\n", path, (int)recording.frames.size(),
           printable(recording.final_checksum));
}
