// The replay file keeps a series' inputs exactly and small, and refuses
// every file it cannot trust with a reason instead of playing it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "replay/replay_file.h"

namespace {

const int FPS = 60;
const Uint32 STEP = 1000 / FPS;

side_input side(Uint32 clock, Uint8 held, Sint8 x = 0, Sint8 y = 0) {
    side_input input;
    memset(&input, 0, sizeof(input));
    input.clock_ms = clock;
    input.held = held;
    input.stick_x = x;
    input.stick_y = y;
    return input;
}

frame_input frame(const side_input& right, const side_input& left) {
    frame_input input;
    input.sides[0] = right;
    input.sides[1] = left;
    return input;
}

replay_file sample(const std::vector<frame_input>& frames) {
    replay_file file;
    file.header.game_version = "1.0.0";
    file.header.mode = 4;
    file.header.reqwins = 3;
    file.header.first_fighter = "lunet";
    file.header.second_fighter = "morrow";
    file.header.seed = 0xDEADBEEF;
    file.header.fps = FPS;
    file.header.width = 640;
    file.header.height = 480;
    file.header.round_seconds = 99;
    file.header.cpu_difficulty = 2;
    file.header.cheats = replay_header::ONE_HIT_KNOCK_OUTS;
    file.header.data_checksum = 0x0123456789ABCDEFULL;
    file.frames = frames;
    file.final_checksum = 0xFEDCBA9876543210ULL;
    return file;
}

// Live play: the clock wobbles around the step, keys come and go, a stick
// moves, the two sides' clocks may differ, and the clock may wrap.
std::vector<frame_input> live_like_frames() {
    std::vector<frame_input> frames;
    Uint32 clock = 123456;
    for (int i = 0; i < 2000; i++) {
        clock += STEP + (i % 3 == 0 ? 1 : 0);
        const Uint8 held = (Uint8)((i / 37) % 5 == 0 ? HELD_LEFT | HELD_PUNCH : 0);
        frames.push_back(frame(side(clock, held, (Sint8)((i / 100) % 7 - 3), -3), side(clock, (Uint8)(i / 500))));
    }
    frames.push_back(frame(side(0xFFFFFFF0u, 0xFF, -128, 127), side(5, 0)));
    frames.push_back(frame(side(3, 0), side(clock + 100000, HELD_BUTTON_5)));
    return frames;
}

std::vector<Uint8> bytes_of(const replay_file& file) { return file.encode(); }

std::string refusal(const std::vector<Uint8>& bytes) {
    replay_file file;
    std::string reason;
    if (file.decode(bytes.data(), bytes.size(), &reason)) return "";
    EXPECT_TRUE(file.frames.empty());
    return reason;
}

TEST(replay_file, keeps_header_and_every_frame_exactly) {
    const replay_file written = sample(live_like_frames());
    const std::vector<Uint8> bytes = bytes_of(written);
    replay_file read;
    std::string reason;
    ASSERT_TRUE(read.decode(bytes.data(), bytes.size(), &reason)) << reason;
    ASSERT_EQ(written.frames.size(), read.frames.size());
    EXPECT_EQ(0, memcmp(written.frames.data(), read.frames.data(), written.frames.size() * sizeof(frame_input)));
    EXPECT_EQ(written.final_checksum, read.final_checksum);
    const replay_header& header = read.header;
    EXPECT_EQ("1.0.0", header.game_version);
    EXPECT_EQ("morrow", header.second_fighter);
    EXPECT_EQ(0xDEADBEEFu, header.seed);
    EXPECT_EQ(4, header.mode);
    EXPECT_EQ(99, header.round_seconds);
    EXPECT_EQ(2, header.cpu_difficulty);
    EXPECT_EQ(replay_header::ONE_HIT_KNOCK_OUTS, header.cheats);
    EXPECT_EQ(written.header.data_checksum, header.data_checksum);
}

TEST(replay_file, a_frame_that_repeats_the_last_costs_a_byte_or_less) {
    const size_t empty_size = bytes_of(sample({})).size();
    // Headless play: the clock moves exactly one step a frame.
    std::vector<frame_input> steady;
    for (Uint32 i = 1; i <= 6000; i++) steady.push_back(frame(side(i * STEP, HELD_DOWN), side(i * STEP, 0)));
    EXPECT_LE(bytes_of(sample(steady)).size() - empty_size, 6000u / 100);
    // Live play: the clock wobbles by a millisecond or two.
    std::vector<frame_input> wobbling;
    Uint32 clock = 5000;
    for (int i = 0; i < 6000; i++) {
        clock += STEP + (Uint32)(i % 3);
        wobbling.push_back(frame(side(clock, 0), side(clock, 0)));
    }
    EXPECT_LE(bytes_of(sample(wobbling)).size() - empty_size, 6000u + 8);
}

TEST(replay_file, refuses_files_it_cannot_trust_with_a_reason) {
    const std::vector<Uint8> good = bytes_of(sample(live_like_frames()));
    EXPECT_EQ("the file is empty", refusal({}));
    const char text[] = "images=3 loop=1\n";
    EXPECT_EQ("not a replay file", refusal(std::vector<Uint8>(text, text + sizeof(text))));

    std::vector<Uint8> other_version = good;
    other_version[8] = 7;
    EXPECT_EQ("format version 7, this game reads version 1", refusal(other_version));

    // Cut anywhere: never read past the end, always refused.
    for (size_t size = 9; size < good.size(); size += (size < 200 ? 1 : 97)) {
        const std::vector<Uint8> cut(good.begin(), good.begin() + size);
        EXPECT_EQ("the file is cut short", refusal(cut)) << size;
    }
    // A changed byte anywhere after the version is caught.
    for (size_t at = 10; at < good.size(); at += 13) {
        std::vector<Uint8> damaged = good;
        damaged[at] ^= 0x24;
        EXPECT_NE("", refusal(damaged)) << at;
    }
    std::vector<Uint8> longer = good;
    longer.push_back(0);
    EXPECT_EQ("the file is damaged", refusal(longer));

    replay_file huge = sample({});
    huge.header.fps = 0;
    EXPECT_EQ("the file holds an impossible frame rate or screen size", refusal(bytes_of(huge)));
}

TEST(replay_file, a_file_that_cannot_be_written_or_read_says_why) {
    const replay_file file = sample(live_like_frames());
    std::string reason;
    EXPECT_FALSE(file.save("/nonexistent-folder/r.rpl", &reason));
    EXPECT_EQ("No such file or directory", reason);
    // A full disk shows only when the data is flushed.
    EXPECT_FALSE(file.save("/dev/full", &reason));
    EXPECT_EQ("No space left on device", reason);

    char folder[] = "/tmp/replay_test_XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(folder));
    const std::string path = std::string(folder) + "/r.rpl";
    ASSERT_TRUE(file.save(path.c_str(), &reason)) << reason;
    replay_file read;
    ASSERT_TRUE(read.load(path.c_str(), &reason)) << reason;
    EXPECT_EQ(file.frames.size(), read.frames.size());
    EXPECT_FALSE(read.load(folder, &reason));
    EXPECT_EQ("Is a directory", reason);
    unlink(path.c_str());
    rmdir(folder);
}

}  // namespace
