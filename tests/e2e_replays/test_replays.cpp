#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "replay/replay_file.h"
#include "tests/support/game_runner.h"

// Series recorded and shown again by the real programs: a replay ends with
// the checksum its recording ended with, whichever program, renderer or
// window played either; a replay file that cannot be trusted is refused.
// Runs that don't depend on each other go side by side: a whole series on
// a window takes minutes of real time.
namespace {

const std::string REPLAYS = std::string(BRAWLER_BINARY_DIR) + "/test-runs/replays";
const std::string DEMO_SERIES = "--mode demo --fighters morrow,lunet --seed 8";

// "[frames] [checksum ...]" of the last line that begins with `prefix`:
// what a recording and its replay must agree on.
std::string series_end(const game_run_result& run, const std::string& prefix) {
    const size_t line = run.out.rfind(prefix);
    if (line == std::string::npos) return "no line " + prefix;
    const std::string text = run.out.substr(line, run.out.find('\n', line) - line);
    const size_t checksum = text.rfind("[checksum ");
    if (checksum == std::string::npos || checksum < 2) return text;
    return text.substr(text.rfind('[', checksum - 2));
}

// Headless runs are asked for OpenGL: there is no window to draw it into,
// so they must draw on surfaces all the same.
game_run_options headless(const std::string& label, const std::string& program, const std::string& arguments) {
    game_run_options options;
    options.label = "replays_" + label;
    options.program = program;
    options.game_ini = "hwaccel=1\n";
    options.arguments = arguments + " --headless";
    options.use_xvfb = false;
    options.timeout_seconds = 600;
    return options;
}

// A run on a window, in one of the four variants. A recording plays short
// series (two rounds of one blow each) whose rules the replay's header
// carries to the replay.
game_run_options on_window(const std::string& label, const game_variant& variant, const std::string& arguments,
                           bool short_series) {
    game_run_options options;
    options.label = "replays_" + label;
    options.program = variant.program;
    options.game_ini = variant.game_ini();
    options.arguments = arguments;
    if (short_series) {
        options.prepare =
            "mkdir -p config/quillmoor\n"
            "printf 'rounds_to_win=2\\none_hit_knock_outs=1\\n' >config/quillmoor/settings.ini";
    }
    options.timeout_seconds = 300;
    return options;
}

// X servers started in the same second would look for a free display at
// the same number: each run starts a little after the last.
std::vector<game_run_result> run_side_by_side(const std::vector<game_run_options>& runs) {
    const std::chrono::seconds stagger(3);
    std::vector<game_run_result> results(runs.size());
    std::vector<std::thread> threads;
    for (size_t i = 0; i < runs.size(); i++) {
        threads.emplace_back([&, i] { results[i] = run_game(runs[i]); });
        if (runs[i].use_xvfb) std::this_thread::sleep_for(stagger);
    }
    for (std::thread& thread : threads) thread.join();
    return results;
}

void write_bytes(const std::string& path, const std::vector<Uint8>& bytes) {
    FILE* out = fopen(path.c_str(), "wb");
    ASSERT_NE(nullptr, out) << path;
    fwrite(bytes.data(), 1, bytes.size(), out);
    fclose(out);
}

TEST(replays, a_headless_series_replays_to_the_same_checksum_in_both_programs_and_bad_files_are_refused) {
    system(("mkdir -p " + REPLAYS).c_str());
    const std::string file = REPLAYS + "/headless.rpl";
    // An unwritable recording costs the recording only.
    const std::vector<game_run_result> recordings = run_side_by_side({
        headless("record", "brawler", DEMO_SERIES + " --record " + file),
        headless("record_nowhere", "brawler", DEMO_SERIES + " --record /nonexistent/r.rpl"),
    });
    const game_run_result& recording = recordings[0];
    ASSERT_EQ(0, recording.exit_status) << recording.where();
    EXPECT_FALSE(recording.log_has("Setting up OpenGL 2D")) << recording.where();
    const std::string saved = series_end(recording, "Replay saved [" + file + "]");
    ASSERT_EQ('[', saved[0]) << saved << recording.where();
    const game_run_result& nowhere = recordings[1];
    EXPECT_EQ(0, nowhere.exit_status) << nowhere.where();
    EXPECT_TRUE(nowhere.log_has("ERROR: could not save the replay [/nonexistent/r.rpl]: No such file or directory\n"))
        << nowhere.where();
    // Told at the start, and the whole series played all the same.
    EXPECT_TRUE(nowhere.log_has("ERROR: the replay [/nonexistent/r.rpl] cannot be written there")) << nowhere.where();
    EXPECT_TRUE(nowhere.log_has("Level Deleted\n")) << nowhere.where();

    replay_file good;
    std::string reason;
    ASSERT_TRUE(good.load(file.c_str(), &reason)) << reason;
    const std::vector<Uint8> bytes = good.encode();
    std::vector<Uint8> other_version = bytes;
    other_version[8] = 9;
    replay_file other_data = good;
    other_data.header.data_checksum ^= 1;
    const struct {
        const char* name;
        std::vector<Uint8> bytes;
        const char* reason;
    } refused[] = {
        {"empty.rpl", {}, "the file is empty"},
        {"cut.rpl", std::vector<Uint8>(bytes.begin(), bytes.begin() + bytes.size() / 2), "the file is cut short"},
        {"version.rpl", other_version, "format version 9, this game reads version 1"},
        {"data.rpl", other_data.encode(), "it was recorded with other data files"},
        {"none.rpl", {}, "No such file or directory"},
    };
    std::vector<game_run_options> runs = {
        headless("replay_brawler", "brawler", "--replay " + file),
        headless("replay_brawler_scaled", "brawler_scaled", "--replay " + file),
    };
    for (const auto& bad : refused) {
        if (std::string(bad.name) != "none.rpl") write_bytes(REPLAYS + "/" + bad.name, bad.bytes);
        runs.push_back(headless(std::string("refused_") + bad.name, "brawler", "--replay " + REPLAYS + "/" + bad.name));
    }
    const std::vector<game_run_result> results = run_side_by_side(runs);
    for (size_t program = 0; program < 2; program++) {
        EXPECT_EQ(0, results[program].exit_status) << results[program].where();
        EXPECT_EQ(saved, series_end(results[program], "Replay end ")) << results[program].where();
    }
    for (size_t i = 0; i < sizeof(refused) / sizeof(refused[0]); i++) {
        const game_run_result& run = results[2 + i];
        const std::string line = "ERROR: cannot play the replay [" + REPLAYS + "/" + refused[i].name + "]: " + refused[i].reason;
        EXPECT_EQ(1, run.exit_status) << run.where();
        EXPECT_TRUE(run.log_has(line + "\n")) << line << run.where();
    }
}

// Live play on a window: the real clock, the frame rate's waits and the
// renderer's pictures; the replay, headless, must end where it did.
TEST(replays, a_demo_recorded_on_screen_replays_headless_to_the_same_checksum_in_every_variant) {
    system(("mkdir -p " + REPLAYS).c_str());
    std::vector<game_run_options> recordings;
    for (const game_variant& variant : GAME_VARIANTS) {
        recordings.push_back(on_window("record_" + variant.name(), variant,
                                       DEMO_SERIES + " --record " + REPLAYS + "/" + variant.name() + ".rpl", true));
    }
    const std::vector<game_run_result> recorded = run_side_by_side(recordings);
    std::vector<game_run_options> replays;
    for (const game_variant& variant : GAME_VARIANTS) {
        replays.push_back(headless("replay_" + variant.name(), "brawler", "--replay " + REPLAYS + "/" + variant.name() + ".rpl"));
    }
    const std::vector<game_run_result> replayed = run_side_by_side(replays);
    for (size_t i = 0; i < recorded.size(); i++) {
        const std::string file = REPLAYS + "/" + GAME_VARIANTS[i].name() + ".rpl";
        EXPECT_EQ(0, recorded[i].exit_status) << recorded[i].where();
        EXPECT_EQ(GAME_VARIANTS[i].gl, recorded[i].log_has("Setting up OpenGL 2D\n")) << recorded[i].where();
        const std::string saved = series_end(recorded[i], "Replay saved [" + file + "]");
        EXPECT_EQ('[', saved[0]) << saved << recorded[i].where();
        EXPECT_EQ(0, replayed[i].exit_status) << replayed[i].where();
        EXPECT_EQ(saved, series_end(replayed[i], "Replay end ")) << replayed[i].where();
    }
}

// A series a player plays: keys pressed on a window, on both paths (the
// player, on the right, walks in punching). The headless replay and a replay
// shown on a window by the other program and path end where the recording
// did.
TEST(replays, an_arcade_series_played_on_screen_replays_on_screen_and_headless_to_the_same_checksum) {
    system(("mkdir -p " + REPLAYS).c_str());
    const game_variant players[] = {GAME_VARIANTS[0], GAME_VARIANTS[3]};
    std::vector<game_run_options> recordings;
    for (const game_variant& variant : players) {
        game_run_options options = on_window(
            "arcade_" + variant.name(), variant,
            "--mode arcade --fighters morrow,tamsin --record " + REPLAYS + "/arcade_" + variant.name() + ".rpl", true);
        options.key_script =
            "wait_log 60 Round [1]\n"
            "hold Up 0.3\nkey k\nhold Down 0.3\n"
            "down Left\npress_until 240 space 1 Replay saved\nup Left\n";
        recordings.push_back(options);
    }
    const std::vector<game_run_result> recorded = run_side_by_side(recordings);
    std::vector<game_run_options> replays;
    for (size_t i = 0; i < 2; i++) {
        const std::string file = REPLAYS + "/arcade_" + players[i].name() + ".rpl";
        replays.push_back(headless("arcade_replay_" + players[i].name(), "brawler", "--replay " + file));
        const game_variant& other = players[1 - i];
        replays.push_back(on_window("arcade_shown_by_" + other.name(), other, "--replay " + file, false));
    }
    const std::vector<game_run_result> replayed = run_side_by_side(replays);
    for (size_t i = 0; i < 2; i++) {
        const std::string file = REPLAYS + "/arcade_" + players[i].name() + ".rpl";
        EXPECT_EQ(0, recorded[i].exit_status) << recorded[i].where();
        EXPECT_EQ("", recorded[i].runner_log) << recorded[i].where();
        const std::string saved = series_end(recorded[i], "Replay saved [" + file + "]");
        EXPECT_EQ('[', saved[0]) << saved << recorded[i].where();
        for (size_t shown = 0; shown < 2; shown++) {
            const game_run_result& replay = replayed[2 * i + shown];
            EXPECT_EQ(0, replay.exit_status) << replay.where();
            EXPECT_EQ(saved, series_end(replay, "Replay end ")) << replay.where();
        }
    }
    EXPECT_TRUE(replayed[1].log_has("Setting up OpenGL 2D\n")) << replayed[1].where();
    EXPECT_FALSE(replayed[3].log_has("Setting up OpenGL 2D\n")) << replayed[3].where();
}

}  // namespace
