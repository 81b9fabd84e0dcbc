#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/game_runner.h"

// The game as a packager and a player get it: installed under a prefix and
// started from a folder without data, and as a Debian package whose
// desktop files pass the desktop's own validators.
namespace {

const std::string BUILD = BRAWLER_BINARY_DIR;
const std::string APP_ID = "org.quillmoor.QuillmooR";

// Runs a shell command; its standard output and, on failure, its error
// output go to `out`.
int shell(const std::string& command, std::string* out = nullptr) {
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return -1;
    char buffer[4096];
    size_t got;
    std::string text;
    while ((got = fread(buffer, 1, sizeof(buffer), pipe)) > 0) text.append(buffer, got);
    const int status = pclose(pipe);
    if (out) *out = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(install, installed_game_plays_a_demo_from_any_folder) {
    const std::string prefix = BUILD + "/test-install/prefix";
    std::string log;
    ASSERT_EQ(0, shell("rm -rf '" + prefix + "' && cmake --install '" + BUILD + "' --prefix '" + prefix + "'", &log))
        << log;

    game_run_options options;
    options.label = "install_demo";
    options.program = prefix + "/bin/brawler";
    // A folder holding no data tree at all: the game must find the installed one.
    options.prepare = "rm -rf game rsrc tahoma.ttf";
    options.timeout_seconds = 60;
    options.key_script =
        "wait_log 60 MAIN MENU:\n"
        "wait 1\n"
        + std::string(SCRIPT_START_DEMO) +
        "wait 3\n"
        "shot demo\n"
        + SCRIPT_LEAVE_MATCH_AND_QUIT;
    const game_run_result run = run_game(options);
    const std::string where = run.where();
    EXPECT_EQ(0, run.exit_status) << run.err << where;
    EXPECT_TRUE(run.log_has("/bin/../share/quillmoor] (installed; started from [" + run.run_dir + "])")) << where;
    EXPECT_FALSE(run.log_has("Couldn't load")) << where;
    EXPECT_FALSE(run.log_has("Can't open [")) << where;
    screenshot demo;
    ASSERT_TRUE(demo.load(run.run_dir + "/demo.png")) << where;
    EXPECT_GT(demo.share_near(30, 13, 200, 6, 246, 206, 127, 16), 0.2) << "no match on screen" << where;

    // The desktop files as installed pass the desktop's validators.
    EXPECT_EQ(0, shell("desktop-file-validate '" + prefix + "/share/applications/" + APP_ID + ".desktop'", &log))
        << log;
    EXPECT_EQ(0, shell("appstreamcli validate --no-net '" + prefix + "/share/metainfo/" + APP_ID + ".metainfo.xml'",
                       &log))
        << log;
}

TEST(install, debian_package_holds_the_whole_game) {
    const std::string output = BUILD + "/test-package";
    std::string log;
    ASSERT_EQ(0, shell("rm -rf '" + output + "' && cd '" + BUILD + "' && cpack -G DEB -B '" + output + "'", &log))
        << log;
    std::string contents;
    ASSERT_EQ(0, shell("dpkg-deb --contents '" + output + "'/quillmoor_*.deb", &contents)) << contents;
    for (const std::string& path : std::vector<std::string>{"./usr/bin/brawler", "./usr/bin/brawler_scaled", "./usr/share/quillmoor/game/game.ini",
          "./usr/share/quillmoor/game/fighter/lunet_char.ini", "./usr/share/quillmoor/rsrc/road/stage_road.ini",
          "./usr/share/quillmoor/rsrc/oldengl.ttf.LICENSE", "./usr/share/quillmoor/tahoma.ttf.LICENSE",
          "./usr/share/applications/" + APP_ID + ".desktop", "./usr/share/metainfo/" + APP_ID + ".metainfo.xml",
          "./usr/share/icons/hicolor/48x48/apps/" + APP_ID + ".png",
          "./usr/share/icons/hicolor/128x128/apps/" + APP_ID + ".png",
          "./usr/share/icons/hicolor/256x256/apps/" + APP_ID + ".png", "./usr/share/man/man6/brawler.6",
          "./usr/share/doc/quillmoor/copyright"}) {
        EXPECT_NE(std::string::npos, contents.find(path + "\n")) << path << " missing from the package";
    }
    std::string depends;
    ASSERT_EQ(0, shell("dpkg-deb --field '" + output + "'/quillmoor_*.deb Depends", &depends)) << depends;
    EXPECT_NE(std::string::npos, depends.find("libsdl1.2")) << depends;
    EXPECT_NE(std::string::npos, depends.find("libsdl-image1.2")) << depends;
}

}  // namespace
