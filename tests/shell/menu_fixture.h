#ifndef TESTS_SHELL_MENU_FIXTURE_H
#define TESTS_SHELL_MENU_FIXTURE_H

#include <SDL/SDL.h>
#include <SDL/SDL_framerate.h>
#include <gtest/gtest.h>

#include "shell/menu_poll.h"
#include "platform/platform.h"
#include "platform/screen_mgr.h"
#include "tests/support/scripted_screen_test.h"

// The menus on the surface path at 640 x 480 (SDL's dummy video driver),
// with scripted keys, events and clock, and a frame-rate manager at the
// default menu rate.
class menu_test : public scripted_screen_test {
protected:
    enum { MENU_RATE = 200 };

    void SetUp() override {
        scripted_screen_test::SetUp();
        menu_poll::start_pacing(pacing, MENU_RATE);
        saved_joystick_ok = screen.joystick_ok;
    }

    void TearDown() override {
        screen.joystick_ok = saved_joystick_ok;
        scripted_screen_test::TearDown();
    }

    // Holds exactly the given key, with everything else released.
    static void hold_only(SDLKey key) {
        platform::release_all_keys();
        platform::set_key(key, true);
    }

    // Presses `key`, plays frames until it has been down `ms`, lets it go
    // and plays one more frame; how many frames moved the cursor.
    template <class menu_screen>
    static int moves_while_held(menu_screen& shown, SDLKey key, Uint32 ms) {
        int moves = 0;
        platform::set_key(key, true);
        const Uint32 pressed_at = platform::ticks();
        while (platform::ticks() - pressed_at < ms) {
            const int before = shown.cursor();
            shown.frame();
            moves += shown.cursor() != before;
        }
        platform::set_key(key, false);
        shown.frame();
        return moves;
    }

    FPSmanager pacing;
    Sint32 saved_joystick_ok;
};

#endif
