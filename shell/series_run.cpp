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
#include "shell/screen_mgr.h"
#include "shell/startup.h"

namespace {

enum exit_status { EXIT_PLAYED = 0, EXIT_FAILED = 1 };

// The folder a file would be written into: "." for a bare name.
std::string folder_of(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

series_run::series_run() : replaying(false), data_sum(0) {}

void series_run::refuse(const char* reason) const {
    printf("ERROR: cannot play the replay [%s]: %s\n", replay_path.c_str(), reason);
}

bool series_run::read_replay(command_line& options) {
    if (options.replay_path.empty()) return true;
    replay_path = options.replay_path;
    refuse("this build does not replay series yet");
    return false;
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

int series_run::play(const match_request& request, const match_assets& assets) {
    match series(request, assets);
    series.play_rounds();
    int status = EXIT_PLAYED;
    if (!request.record_path.empty()) {
        printf("ERROR: could not save the replay [%s]: this build does not record series yet\n",
               request.record_path.c_str());
    }
    series.end_series();
    return status;
}

