// A replay is refused on other data: the checksum follows every file that
// decides play, and nothing that doesn't.
#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "replay/data_checksum.h"

namespace {

void write_text(const std::string& path, const std::string& text) {
    FILE* out = fopen(path.c_str(), "wb");
    ASSERT_NE(nullptr, out) << path;
    fputs(text.c_str(), out);
    fclose(out);
}

class data_tree : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(nullptr, getcwd(start, sizeof(start)));
        ASSERT_NE(nullptr, mkdtemp(folder));
        ASSERT_EQ(0, chdir(folder));
        ASSERT_EQ(0, system("mkdir -p game/fighter/lunet rsrc/road"));
        write_text("game/game.ini", "fps=60\n");
        write_text("game/fighter/lunet_char.ini", "hp=100\n");
        write_text("game/fighter/lunet/punch.ini", "images=1\n");
        write_text("rsrc/road/stage_road.ini", "length=4\n");
        write_text("rsrc/road/floor.png", "not really a picture");
        write_text("rsrc/jazz_loop.ogg", "music");
    }
    void TearDown() override {
        ASSERT_EQ(0, chdir(start));
        system(("rm -rf " + std::string(folder)).c_str());
    }

    char start[PATH_MAX];
    char folder[32] = "/tmp/data_checksum_XXXXXX";
};

TEST_F(data_tree, follows_fighters_moves_stage_and_pictures_only) {
    const Uint64 first = data_checksum::of_data_tree();
    EXPECT_EQ(first, data_checksum::of_data_tree());

    write_text("game/game.ini", "fps=30 hwaccel=1\n");
    write_text("rsrc/jazz_loop.ogg", "other music");
    EXPECT_EQ(first, data_checksum::of_data_tree());

    const char* const deciding[] = {"game/fighter/lunet_char.ini", "game/fighter/lunet/punch.ini",
                                    "rsrc/road/stage_road.ini", "rsrc/road/floor.png"};
    for (const char* path : deciding) {
        write_text(path, "changed");
        EXPECT_NE(first, data_checksum::of_data_tree()) << path;
    }
    const Uint64 changed = data_checksum::of_data_tree();
    ASSERT_EQ(0, rename("rsrc/road/floor.png", "rsrc/road/floor2.png"));
    EXPECT_NE(changed, data_checksum::of_data_tree());
}

}  // namespace
