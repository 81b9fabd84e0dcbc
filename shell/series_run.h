#ifndef SHELL_SERIES_RUN_H
#define SHELL_SERIES_RUN_H

#include <SDL/SDL.h>

#include <string>

#include "replay/replay_file.h"
#include "shell/match_request.h"

class command_line;
class match;
class match_assets;
class screen_flow;
class startup;

// Every series goes through here: one named on the command line (--mode),
// shown again from a replay file (--replay), or chosen in the menus. A
// series is recorded into the file named with --record when it ends.
// How a series ended: the winning side (hud seat), -1 for none, and
// whether a player left it.
struct series_outcome {
    int winner;
    bool left_by_player;
};

class series_run {
public:
    series_run();

    // Before any window opens: reads the replay named on the command line
    // and makes the run's screen size and frame rate the recorded ones.
    // False, with a line naming the file and the reason, when it is refused.
    bool read_replay(command_line& options);
    // Once the game stands in its data tree: takes the checksum of the data
    // that decides play, when a series is recorded or replayed. False when
    // the replay was recorded on other data. A record path that can't be
    // written is reported here, and play goes on.
    bool check_data(const command_line& options);
    // The series of --mode or --replay, without logo or menus, on a window
    // or headless; returns the program's exit status.
    int run(startup& boot, screen_flow& flow);
    // One series: fed from the replay when there is one, recorded when the
    // request names a file. Returns the exit status a run ends with.
    // `outcome`, when given, gets how the series ended.
    int play(const match_request& request, const match_assets& assets, series_outcome* outcome = nullptr);

private:
    void take_recorded_series(match_request& request) const;
    static void take_command_line_series(const command_line& options, match_request& request);
    void record(const match& series, const match_request& request) const;
    int finish_replay(const match& series) const;
    void refuse(const char* reason) const;

    replay_file replay;
    std::string replay_path;
    bool replaying;
    Uint64 data_sum;
};

#endif
