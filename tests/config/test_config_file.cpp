#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "config/config_file.h"

namespace {

// Writes text to a fresh file and loads it into the table.
class config_fixture : public ::testing::Test {
protected:
    void load_text(const std::string& text) {
        FILE* file = fopen(path.c_str(), "wb");
        ASSERT_TRUE(file != nullptr);
        fwrite(text.data(), 1, text.size(), file);
        fclose(file);
        ASSERT_EQ(1, config.load(path.c_str()));
    }
    void TearDown() override { remove(path.c_str()); }

    std::string path = testing::TempDir() + "config_test.ini";
    config_file config;
};

TEST_F(config_fixture, pairs_are_tokens_whatever_the_lines) {
    load_text("width=800 height=600\n\tbpp=16\n\n  fps=30   \n");
    EXPECT_EQ(800, config.get_int("width"));
    EXPECT_EQ(600, config.get_int("height"));
    EXPECT_EQ(16, config.get_int("bpp"));
    EXPECT_EQ(30, config.get_int("fps"));
}

TEST_F(config_fixture, first_of_duplicates_answers_and_keys_are_case_sensitive) {
    load_text("fps=30\nFps=50\nfps=40\n");
    EXPECT_EQ(30, config.get_int("fps"));
    EXPECT_EQ(50, config.get_int("Fps"));
    EXPECT_FALSE(config.has_key("FPS"));
}

TEST_F(config_fixture, final_pair_without_line_end_is_kept) {
    load_text("a=1\nlast=7");
    EXPECT_EQ(7, config.get_int("last"));
}

TEST_F(config_fixture, values_convert_as_atoi_and_atof) {
    load_text("n=12abc word=hello f=0.75 neg=-3\n");
    EXPECT_EQ(12, config.get_int("n"));
    EXPECT_EQ(0, config.get_int("word"));
    EXPECT_STREQ("hello", config.get_string("word"));
    EXPECT_DOUBLE_EQ(0.75, config.get_float("f"));
    EXPECT_EQ(-3, config.get_int("neg"));
}

TEST_F(config_fixture, separators_are_runs_of_equals_and_extra_value_is_dropped) {
    load_text("a==b =c=d e=f=g\n");
    EXPECT_STREQ("b", config.get_string("a"));
    EXPECT_STREQ("d", config.get_string("c"));
    EXPECT_STREQ("f", config.get_string("e"));
}

TEST_F(config_fixture, tokens_without_a_value_are_skipped) {
    load_text("novalue= alone === ok=1\n");
    EXPECT_FALSE(config.has_key("novalue"));
    EXPECT_FALSE(config.has_key("alone"));
    EXPECT_EQ(1, config.get_int("ok"));
}

TEST_F(config_fixture, overlong_fields_are_cut_not_overflowed) {
    const std::string long_key(300, 'k');
    const std::string long_value(400, 'v');
    const std::string huge_token(2000, 'x');
    load_text(long_key + "=1 k=" + long_value + " " + huge_token + "=2 after=3\n");
    EXPECT_EQ(1, config.get_int(long_key.substr(0, 254).c_str()));
    EXPECT_EQ(std::string(254, 'v'), config.get_string("k"));
    EXPECT_EQ(3, config.get_int("after"));
}

TEST_F(config_fixture, missing_keys_give_neutral_values) {
    load_text("");
    EXPECT_EQ(nullptr, config.find("x"));
    EXPECT_FALSE(config.has_key("x"));
    EXPECT_EQ(0, config.get_int("x"));
    EXPECT_DOUBLE_EQ(0.0, config.get_float("x"));
    EXPECT_STREQ("", config.get_string("x"));
}

TEST_F(config_fixture, byte_order_mark_does_not_swallow_the_first_key) {
    load_text("\xEF\xBB\xBFwidth=800 height=600\n");
    EXPECT_EQ(800, config.get_int("width"));
    EXPECT_EQ(600, config.get_int("height"));
    // Only the whole mark is skipped: a key starting with its first byte stays.
    config.reset();
    load_text("\xEFk=1\n");
    EXPECT_EQ(1, config.get_int("\xEFk"));
}

// A binary file read as a data file: each odd byte is shown escaped, a few
// malformed tokens are named and the rest counted, and an empty result says so.
TEST_F(config_fixture, rubbish_is_logged_escaped_once_per_file) {
    std::string rubbish = "\x89PNG\x1b[2J\x7f";
    for (int i = 0; i < 200; i++) rubbish += " \x01junk";
    testing::internal::CaptureStdout();
    load_text(rubbish);
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, log.find("config token [\\x89PNG\\x1B[2J\\x7F] in [" + path + "] has no key=value"))
        << log;
    EXPECT_NE(std::string::npos, log.find("WARNING: [196] more tokens without a key=value pair in [" + path + "]"));
    EXPECT_NE(std::string::npos, log.find("WARNING: [" + path + "] holds no key=value pairs\n"));
    EXPECT_EQ(std::string::npos, log.find('\x1b'));
    EXPECT_LT(std::count(log.begin(), log.end(), '\n'), 12);
}

TEST(config_file_load, folder_opens_but_fails_to_read_with_its_name) {
    config_file config;
    testing::internal::CaptureStdout();
    EXPECT_EQ(0, config.load("tests"));
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, log.find("ERROR: Can't read [tests]: Is a directory\n")) << log;
}

TEST(config_file_load, paths_may_not_leave_the_data_tree) {
    config_file config;
    config.add_entry("plain", "rsrc/road/floor.png");
    config.add_entry("down_up", "rsrc/../game/./fighter/x.ini");
    config.add_entry("absolute", "/etc/passwd");
    config.add_entry("climbs", "rsrc/../../secret.png");
    config.add_entry("control", "rsrc/\x1b.png");
    EXPECT_STREQ("rsrc/road/floor.png", config.get_path("plain"));
    EXPECT_STREQ("rsrc/../game/./fighter/x.ini", config.get_path("down_up"));
    EXPECT_STREQ("", config.get_path("none"));
    testing::internal::CaptureStdout();
    EXPECT_STREQ("", config.get_path("absolute"));
    EXPECT_STREQ("", config.get_path("climbs"));
    EXPECT_STREQ("", config.get_path("control"));
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, log.find("WARNING: [absolute] names [/etc/passwd] in [], outside the data tree: refused"))
        << log;
    EXPECT_NE(std::string::npos, log.find("[rsrc/../../secret.png]"));
    EXPECT_NE(std::string::npos, log.find("[rsrc/\\x1B.png]"));
    // A folder let in (where tests make their files) is part of the tree, but
    // its files still can't climb out of it.
    config_file::allow_folder("/tmp/made_here");
    EXPECT_TRUE(config_file::path_inside_tree("/tmp/made_here/a.png"));
    EXPECT_FALSE(config_file::path_inside_tree("/tmp/made_here/../../etc/passwd"));
    EXPECT_FALSE(config_file::path_inside_tree("/tmp/made_here_too/a.png"));
}

TEST(config_file_load, unreadable_file_leaves_table_unchanged) {
    config_file config;
    config.add_entry("kept", "1");
    testing::internal::CaptureStdout();
    EXPECT_EQ(0, config.load("/nonexistent/dir/file.ini"));
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, log.find("load config [/nonexistent/dir/file.ini]\n"));
    EXPECT_NE(std::string::npos, log.find("Can't open [/nonexistent/dir/file.ini]\n"));
    EXPECT_EQ(1, config.get_int("kept"));
}

TEST(config_file_load, load_appends_and_reset_empties) {
    config_file config;
    config.add_entry("a", "1");
    config.reset();
    EXPECT_EQ(nullptr, config.first_entry());
    config.add_entry("a", "2");
    config.add_entry("b", "3");
    EXPECT_EQ(2, config.get_int("a"));
    EXPECT_EQ(3, config.get_int("b"));
}

}  // namespace
