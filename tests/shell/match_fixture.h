#ifndef TESTS_SHELL_MATCH_FIXTURE_H
#define TESTS_SHELL_MATCH_FIXTURE_H

#include <SDL/SDL.h>
#include <SDL/SDL_framerate.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "objects/fighter_lifeform.h"
#include "objects/game_objects.h"
#include "shell/match.h"
#include "shell/match_assets.h"
#include "platform/platform.h"
#include "platform/screen_mgr.h"
#include "stage/level.h"
#include "tests/objects/objects_fixture.h"
#include "tests/support/captured_log.h"

// A small data tree made on the spot, entered as the working folder for the
// test: a road stage two screens wide in one flat colour, the spark and
// loading animations, the guard spark (cyan, with a sound), a colour swap that turns the right fighter's first
// still from red to blue, the text faces, and a fighter file with all 18 moves
// (2 frames of 2 ticks each; the projectile's flight a looping 20 x 20 ball) and ten still pictures 50 x 90 whose visible
// pixels are (5, 5)-(45, 85).
class match_data : public fighter_files {
public:
    enum { LEVEL_WIDTH = 1280, STILL_WIDTH = 50, STILL_HEIGHT = 90 };
    static const Uint32 STAGE_RGB = 0x3C5A78;

    match_data() {
        for (const char* sub : {"/rsrc", "/rsrc/road", "/game", "/game/fighter"}) mkdir((folder + sub).c_str(), 0755);
        const std::string road = picture("rsrc/road/road", LEVEL_WIDTH, 480, 0x3C, 0x5A, 0x78);
        const std::string bgset = text_file("rsrc/road/bgset.ini", "width=1280 images=1 image0=" + road + "\n");
        text_file("rsrc/road/stage_road.ini", "bgset=" + bgset + " length=1 part0=0\n");
        const std::string spark = picture("spark", 30, 30, 255, 255, 0);
        animation("game/fighter/expl", spark, 3, 2);
        animation("game/fighter/loading", spark, 1, 1, true);
        const std::string guard = picture("guard_spark", 16, 16, 0, 200, 255);
        text_file("game/fighter/guard.ini", "images=2 image0=" + guard + " rate0=2 sound0=rsrc/sfx/block.wav image1=" +
                                                guard + " rate1=2\n");
        text_file("game/fighter/lunet_swap.ini", "colors=1 color0source=200,0,40 color0target=0,0,200\n");
        const std::string font = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
        for (const char* face : {"/rsrc/Veranda.ttf", "/rsrc/oldengl.ttf", "/rsrc/Medici_Text.ttf"}) {
            if (symlink(font.c_str(), (folder + face).c_str()) != 0) printf("no text face %s\n", face);
        }
        standard_fighter = fighter("standard", "hp=100 " + standard_keys());
    }

    // Moves and stills of the standard fighter; keys given before them win.
    std::string standard_keys() const {
        const std::string bullet = animation("bullet", picture("bullet", 20, 20, 250, 120, 0), 1, 1, true);
        return "move13=" + bullet + " " + moves(18) + all_stills();
    }

    // Still pictures for every show_state 0-9, picture 0 red (200, 0, 40)
    // and the others each a colour of its own.
    std::string all_stills() const {
        std::string text = "images=10";
        for (int i = 0; i < 10; i++) {
            const std::string n = std::to_string(i);
            text += " image" + n + "=" +
                    picture("match_still" + n, STILL_WIDTH, STILL_HEIGHT, 200, (Uint8)(20 * i), 40, 5);
        }
        return text + "\n";
    }

    std::string standard_fighter;
};

// A series on the 640 x 480 surface screen with the clock, keys and events
// scripted, the match assets preloaded from the data above, and the rand()
// sequence fixed. Versus mode unless a test says otherwise: no key held,
// both fighters stand still.
class match_test : public scripted_screen_test {
protected:
    enum { FPS = 60 };

    void SetUp() override {
        scripted_screen_test::SetUp();
        srand(7);
        char* cwd = getcwd(nullptr, 0);
        home = cwd ? cwd : ".";
        free(cwd);
        if (chdir(data.folder.c_str()) != 0) ADD_FAILURE() << "cannot enter " << data.folder;
        SDL_initFramerate(&pacing);
        quiet([&] { assets.preload(nullptr); });
        request.mode = match_request::VERSUS;
        request.reqwins = 3;
        request.fighter_files = {data.standard_fighter};
        request.framerate = &pacing;
        request.fps = FPS;
    }

    void TearDown() override {
        quiet([&] {
            series.reset();
            assets.release();
        });
        if (chdir(home.c_str()) != 0) ADD_FAILURE() << "cannot return to " << home;
        scripted_screen_test::TearDown();
    }

    template <class F>
    std::string quiet(F work) {
        return captured_log(work);
    }

    // Series set-up and the first round's start with its introduction, so
    // the controls act from the next frame; returns the log.
    std::string start() {
        series.reset(new match(request, assets));
        return quiet([&] {
            series->set_up();
            series->start_round();
            while (series->introduction().running()) series->frame();
        });
    }

    // Runs frames; returns their log.
    std::string frames(int count) {
        return quiet([&] {
            for (int i = 0; i < count && !series->round_done(); i++) series->frame();
        });
    }

    // Frames until the round ends (at most `limit`); returns how many ran.
    int frames_until_round_end(int limit) {
        int ran = 0;
        quiet([&] {
            while (!series->round_done() && ran < limit) {
                series->frame();
                ran++;
            }
        });
        return ran;
    }

    // Plays `fighter_files` in the game's own data tree, where the test
    // started, with the assets loaded again from there.
    void use_game_data(const std::vector<std::string>& fighter_files) {
        if (chdir(home.c_str()) != 0) ADD_FAILURE() << "cannot return to " << home;
        quiet([&] { assets.preload(nullptr); });
        request.fighter_files = fighter_files;
    }

    void survival() {
        request.mode = match_request::SURVIVAL;
        request.reqwins = 0;
    }

    bool end_round() {
        bool over = false;
        last_log = quiet([&] { over = series->end_round(); });
        return over;
    }

    // Stands both fighters on the floor at the given places.
    void place(int left_x, int right_x) {
        left().x = left_x;
        right().x = right_x;
        left().y = screen.height() - left().height;
        right().y = screen.height() - right().height;
    }

    fighter_lifeform& left() { return *series->left(); }
    fighter_lifeform& right() { return *series->right(); }

    static void hold_only(int key) {
        platform::release_all_keys();
        if (key) platform::set_key(key, true);
    }

    match_data data;
    match_assets assets;
    match_request request;
    FPSmanager pacing;
    std::unique_ptr<match> series;
    std::string home;
    std::string last_log;
};

// Pixels of exactly that colour (0xRRGGBB) in a rectangle of the surface
// screen.
inline int screen_count(int x, int y, int w, int h, Uint32 rgb) {
    int found = 0;
    for (int py = y; py < y + h; py++)
        for (int px = x; px < x + w; px++) found += screen_rgb(px, py) == rgb;
    return found;
}

inline int count_of(const std::string& log, const std::string& text) {
    int found = 0;
    for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) found++;
    return found;
}

#endif
