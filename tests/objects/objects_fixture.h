#ifndef TESTS_OBJECTS_OBJECTS_FIXTURE_H
#define TESTS_OBJECTS_OBJECTS_FIXTURE_H

#include <gtest/gtest.h>

#include <string>

#include "objects/fighter_lifeform.h"
#include "objects/game_objects.h"
#include "platform/platform.h"
#include "stage/level.h"
#include "tests/anim/anim_fixture.h"
#include "tests/support/scripted_screen_test.h"

// Fighter files made on the spot: every move is an animation of its own
// colour, so a test can tell which move plays from the picture on screen or
// from the running definition.
class fighter_files : public anim_files {
public:
    // An animation of `frames` frames showing `picture` for `rate` ticks each;
    // frame `fire_frame` (when >= 0) launches a projectile.
    std::string animation(const std::string& name, const std::string& picture, int frames, int rate,
                          bool loop = false, int fire_frame = -1) const {
        std::string text = "images=" + std::to_string(frames) + (loop ? " loop=1" : "");
        for (int i = 0; i < frames; i++) {
            const std::string n = std::to_string(i);
            text += " image" + n + "=" + picture + " rate" + n + "=" + std::to_string(rate);
            if (i == fire_frame) text += " fire" + n + "=1";
        }
        return text_file(name + ".ini", text + "\n");
    }

    // The keys of `move_count` moves: move i shows a 40 x 80 picture of its
    // own colour for two frames of two ticks.
    std::string moves(int move_count) const {
        std::string text = "moves=" + std::to_string(move_count);
        for (int i = 0; i < move_count; i++) {
            const std::string n = std::to_string(i);
            const std::string picture = this->picture("move" + n, 40, 80, (Uint8)(10 + i * 12), 90, 160);
            text += " move" + n + "=" + animation("move" + n, picture, 2, 2);
        }
        return text + "\n";
    }

    // Three still pictures, 50 x 90, visible pixels (5, 5)-(45, 85).
    std::string stills() const {
        std::string text = "images=3";
        for (int i = 0; i < 3; i++) {
            const std::string n = std::to_string(i);
            text += " image" + n + "=" + picture("still" + n, 50, 90, 200, (Uint8)(40 * i), 40, 5);
        }
        return text + "\n";
    }

    std::string fighter(const std::string& name, const std::string& keys) const {
        return text_file(name + "_char.ini", keys);
    }
};

// Every objects test draws on the 640 x 480 surface screen with the clock
// and the keys scripted, no level (zoom 1, play area the screen) and an
// empty game_objects at both ends.
class objects_test : public scripted_screen_test {
protected:
    void SetUp() override {
        scripted_screen_test::SetUp();
        current_level = nullptr;
        clear_game_objects();
    }
    void TearDown() override {
        clear_game_objects();
        current_level = nullptr;
        scripted_screen_test::TearDown();
    }

    // A fighter of the standard moves and pictures, loaded quietly.
    fighter_lifeform* load_fighter(const std::string& keys) {
        fighter_lifeform* loaded = new fighter_lifeform();
        testing::internal::CaptureStdout();
        loaded->load(files.fighter("f" + std::to_string(serial++), keys).c_str());
        last_log = testing::internal::GetCapturedStdout();
        return loaded;
    }

    // Ends a running hit reaction the way the match does once its move is
    // over, so the next hit counts.
    static void end_reaction(fighter_lifeform& fighter) {
        fighter.stop_moves();
        fighter.move_phase = lifeform::PHASE_NONE;
        fighter.move_kind = fighter_lifeform::MOVE_KIND_NONE;
        fighter.state = lifeform::STATE_NEUTRAL;
    }

    // Whether `fighter` is in the hit reaction end_reaction ends: hit, playing
    // a reaction move, in the move's phase.
    static testing::AssertionResult in_hit_reaction(const fighter_lifeform& fighter) {
        if (fighter.state == lifeform::STATE_HIT && fighter.move_kind == fighter_lifeform::MOVE_KIND_HIT_REACTION &&
            fighter.move_phase == lifeform::PHASE_MOVE)
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "state " << (int)fighter.state << ", move kind " << (int)fighter.move_kind
                                           << ", phase " << (int)fighter.move_phase;
    }

    fighter_files files;
    std::string last_log;
    int serial = 0;
};

inline bool has_text(const std::string& log, const std::string& text) {
    return log.find(text) != std::string::npos;
}

#endif
