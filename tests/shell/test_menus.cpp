#include <gtest/gtest.h>

#include "gfx/img_mgr.h"
#include "gfx/txt_mgr.h"
#include "shell/main_menu.h"
#include "shell/menu_list.h"
#include "shell/menu_poll.h"
#include "tests/shell/menu_fixture.h"

namespace {

class menu_input : public menu_test {};

// The cursor after pressing `key` once, from `start`.
int poll_once(const poll_layout& layout, int start, SDLKey key) {
    platform::release_all_keys();
    menu_poll input(layout);
    input.cursor = start;
    platform::set_key(key, true);
    input.poll();
    return input.cursor;
}

TEST_F(menu_input, arrows_wrap_around_the_column_and_the_row) {
    EXPECT_EQ(5, poll_once(menu_poll::column, 0, SDLK_UP));  // Up on "arcade" gives "quit"
    EXPECT_EQ(3, poll_once(menu_poll::column, 4, SDLK_UP));
    EXPECT_EQ(0, poll_once(menu_poll::column, 5, SDLK_DOWN));
    EXPECT_EQ(3, poll_once(menu_poll::row, 0, SDLK_LEFT));
    EXPECT_EQ(0, poll_once(menu_poll::row, 3, SDLK_RIGHT));
    // The column ignores Left and Right, the row Up and Down.
    EXPECT_EQ(2, poll_once(menu_poll::column, 2, SDLK_RIGHT));
    EXPECT_EQ(2, poll_once(menu_poll::row, 2, SDLK_DOWN));
    // Both arrows of a pair pressed together cancel out.
    platform::release_all_keys();
    menu_poll both(menu_poll::column);
    both.cursor = 2;
    platform::set_key(SDLK_UP, true);
    platform::set_key(SDLK_DOWN, true);
    both.poll();
    EXPECT_EQ(2, both.cursor);
}

// Taps shorter than a frame, taps longer than several, and a held arrow, on
// the polls of 60 frames a second.
TEST_F(menu_input, each_press_moves_once_and_a_held_arrow_repeats_after_the_delay) {
    const Uint32 frame_ms = 1000 / 60;
    menu_poll input(menu_poll::column);
    const auto hold_for = [&](SDLKey key, Uint32 ms) {
        int moves = 0;
        platform::set_key(key, true);
        for (Uint32 held = 0; held < ms; held += frame_ms) {
            const int before = input.cursor;
            input.poll();
            moves += input.cursor != before;
            platform::advance(frame_ms);
        }
        platform::set_key(key, false);
        input.poll();
        return moves;
    };
    EXPECT_EQ(1, hold_for(SDLK_DOWN, 30));
    EXPECT_EQ(1, hold_for(SDLK_DOWN, 380));
    EXPECT_EQ(2, input.cursor);
    // Three presses between two polls are three moves, past the top.
    for (int tap = 0; tap < 3; tap++) {
        platform::set_key(SDLK_UP, true);
        platform::set_key(SDLK_UP, false);
    }
    input.poll();
    EXPECT_EQ(5, input.cursor);
    // Two seconds: the press, then a repeat at 0.4 s and every 0.1 s on.
    EXPECT_EQ(1 + 16, hold_for(SDLK_DOWN, 2000));
}

TEST_F(menu_input, quit_keys_and_window_close_confirm_the_last_entry) {
    const SDLKey quit_keys[] = {SDLK_ESCAPE, SDLK_q};
    for (SDLKey key : quit_keys) {
        platform::release_all_keys();
        menu_poll menu(menu_poll::column);
        menu_poll selection(menu_poll::row);
        hold_only(key);
        menu.cursor = 2;
        menu.poll();
        EXPECT_EQ(5, menu.cursor);
        EXPECT_TRUE(menu.confirmed);
        EXPECT_TRUE(menu.quit_requested);
        // The selection leaves its cursor where it is.
        selection.cursor = 2;
        selection.poll();
        EXPECT_EQ(2, selection.cursor);
        EXPECT_TRUE(selection.quit_requested);
    }
    // A moved cursor in the same poll leaves the quit request standing.
    platform::release_all_keys();
    menu_poll menu(menu_poll::column);
    hold_only(SDLK_ESCAPE);
    platform::set_key(SDLK_DOWN, true);
    menu.poll();
    EXPECT_EQ(0, menu.cursor);
    EXPECT_TRUE(menu.quit_requested);

    // A window close counts at once, however many key events came before
    // it, and quits every menu after it too.
    platform::release_all_keys();
    menu_poll closed(menu_poll::column);
    for (int tap = 0; tap < 100; tap++) {
        platform::set_key(tap % 2 ? SDLK_LEFT : SDLK_RIGHT, true);
        platform::release_all_keys();
    }
    platform::push_quit();
    closed.poll();
    EXPECT_EQ(5, closed.cursor);
    EXPECT_TRUE(closed.quit_requested);
    closed.reset();
    closed.poll();
    EXPECT_TRUE(closed.quit_requested);
}

TEST_F(menu_input, a_quit_key_held_when_the_menu_appears_waits_for_its_release) {
    hold_only(SDLK_ESCAPE);
    menu_poll menu(menu_poll::column);
    menu.poll();
    menu.poll();
    EXPECT_FALSE(menu.confirmed);
    EXPECT_EQ(0, menu.cursor);
    platform::release_all_keys();
    menu.poll();
    hold_only(SDLK_ESCAPE);
    menu.poll();
    EXPECT_TRUE(menu.quit_requested);
    // Entering the menu again with the key still down waits again.
    menu.reset();
    menu.poll();
    EXPECT_FALSE(menu.confirmed);
    // A key pressed after the menu appeared counts at once.
    platform::release_all_keys();
    menu.reset();
    hold_only(SDLK_q);
    menu.poll();
    EXPECT_TRUE(menu.quit_requested);
}

TEST_F(menu_input, confirm_keys_and_the_joystick) {
    platform::release_all_keys();
    menu_poll by_return(menu_poll::column);
    // A tap between two polls confirms too.
    hold_only(SDLK_RETURN);
    platform::release_all_keys();
    by_return.poll();
    EXPECT_TRUE(by_return.confirmed);
    EXPECT_FALSE(by_return.quit_requested);
    // The selection takes a confirm key held since it appeared.
    hold_only(SDLK_SPACE);
    menu_poll by_space(menu_poll::row);
    by_space.poll();
    EXPECT_TRUE(by_space.confirmed);

    platform::release_all_keys();
    menu_poll unplugged(menu_poll::column);
    platform::set_joystick_axis(1, 20000);
    platform::set_joystick_button(3, true);
    screen.joystick_ok = 0;
    unplugged.poll();
    EXPECT_EQ(0, unplugged.cursor);
    EXPECT_FALSE(unplugged.confirmed);

    screen.joystick_ok = 1;
    platform::set_joystick_button(3, false);
    platform::set_joystick_axis(1, 0);
    menu_poll column(menu_poll::column);
    platform::set_joystick_axis(1, 20000);
    platform::set_joystick_button(3, true);
    column.poll();
    EXPECT_EQ(1, column.cursor);
    EXPECT_TRUE(column.confirmed);
    // The row reads axis 0; the dead zone ends past 17000.
    platform::set_joystick_axis(0, 17000);
    menu_poll row(menu_poll::row);
    row.poll();
    EXPECT_EQ(0, row.cursor);
    platform::set_joystick_axis(0, -17001);
    row.poll();
    EXPECT_EQ(3, row.cursor);
}

// The main menu and the option list, frame by frame. Without the game's
// pictures and fonts the menus draw nothing, which changes none of this.
class main_menu_frames : public menu_test {
protected:
    void SetUp() override {
        menu_test::SetUp();
        menu.load(&pacing, MENU_RATE, nullptr);
        menu.prepare();
        menu.enter();
        menu.entry_animation();
    }
    void TearDown() override {
        menu.release();
        menu_test::TearDown();
    }

    // Frames until the cursor moves; the count of frames it took.
    int frames_until_cursor_moves(int limit) {
        const int start = menu.cursor();
        for (int frames = 1; frames <= limit; frames++) {
            menu.frame();
            if (menu.cursor() != start) return frames;
        }
        return -1;
    }

    main_menu menu;
};

TEST_F(main_menu_frames, a_short_tap_moves_once_and_a_long_hold_repeats) {
    EXPECT_EQ(1, moves_while_held(menu, SDLK_DOWN, 30));
    EXPECT_EQ(1, menu.cursor());
    EXPECT_EQ(1 + 16, moves_while_held(menu, SDLK_DOWN, 2000));
}

TEST_F(main_menu_frames, up_on_arcade_goes_to_quit) {
    EXPECT_EQ(0, menu.cursor());
    hold_only(SDLK_UP);
    frames_until_cursor_moves(40);
    EXPECT_EQ(main_menu::QUIT_ENTRY, menu.cursor());
}

// On the default 640 x 480 screen all six entries show, the last one above
// the two credit lines at the bottom left (it used to run off the screen).
TEST_F(main_menu_frames, every_entry_ends_above_the_credit_lines) {
    menu.frame();
    SDL_Surface* shown = screen.surface;
    const auto bright_pixels = [shown](int left, int top, int right, int bottom) {
        int bright = 0;
        for (int y = top; y < bottom; y++) {
            for (int x = left; x < right; x++) {
                Uint8 r, g, b;
                const Uint8* at = (const Uint8*)shown->pixels + y * shown->pitch + x * 4;
                SDL_GetRGB(*(const Uint32*)at, shown->format, &r, &g, &b);
                bright += r > 200 && g > 200 && b > 200;
            }
        }
        return bright;
    };
    const int credits_top = 480 - 2 * main_menu::CREDIT_ROW;
    // The credit lines are short: right of them, only an entry could be bright.
    EXPECT_EQ(0, bright_pixels(330, credits_top, 640, 480));
    // "quit", left-aligned with the others at x = 220, just above them.
    EXPECT_GT(bright_pixels(220, credits_top - 50, 320, credits_top), 100);
}

// At every supported size the six entries stand apart, above the credit
// lines, and the credit lines end on the screen (at 320 x 240 the entries
// used to land on one line; at 1024 x 768 the last credit line was cut).
TEST_F(menu_input, at_every_size_the_entries_stand_apart_above_whole_credit_lines) {
    const int sizes[][2] = {{320, 240}, {640, 480}, {800, 600}, {1024, 768}};
    for (const auto& size : sizes) {
        screen.set_video_mode(size[0], size[1], 32);
        main_menu menu;
        menu.load(&pacing, MENU_RATE, nullptr);
        menu.prepare();
        SCOPED_TRACE(size[0]);
        ASSERT_GT(menu.entry_height(), 0);
        EXPECT_GE(menu.entry_rows(), menu.entry_height());
        const int last_bottom = menu.first_entry_top() + (main_menu::ENTRIES - 1) * menu.entry_rows() + menu.entry_height();
        EXPECT_LE(last_bottom, menu.credit_top(0));
        EXPECT_LE(menu.credit_top(1), size[1] - main_menu::CREDIT_ROW);
        if (size[1] == 768) EXPECT_LT(menu.credit_top(1), size[1] - main_menu::CREDIT_ROW);
        menu.release();
    }
    screen.set_video_mode(640, 480, 32);
}

// Frames until the screen is left, at most `limit`; -1 when it was not.
template <class screen_frames>
int frames_until_left(screen_frames& shown, int limit) {
    for (int frames = 1; frames <= limit; frames++) {
        if (shown.frame()) return frames;
    }
    return -1;
}

TEST_F(main_menu_frames, the_return_that_opens_the_option_screen_neither_closes_it_nor_the_menu_behind) {
    hold_only(SDLK_DOWN);
    while (menu.cursor() != main_menu::OPTIONS_ENTRY) menu.frame();
    hold_only(SDLK_RETURN);
    EXPECT_GT(frames_until_left(menu, 12), 0);
    EXPECT_EQ(main_menu::OPTIONS_ENTRY, menu.cursor());

    // The option list opens with Return still down: it stays until Return
    // is let go and pressed again.
    TXT_MGR face;
    img_mgr tile;
    menu_list options(main_menu::option_texts, main_menu::OPTION_ENTRIES, &tile, &face, MENU_RATE);
    EXPECT_EQ(-1, frames_until_left(options, 36));
    platform::release_all_keys();
    EXPECT_EQ(-1, frames_until_left(options, 12));
    hold_only(SDLK_RETURN);
    EXPECT_GT(frames_until_left(options, 12), 0);
    EXPECT_EQ(0, options.cursor());

    // The menu comes back on "arcade" and does not take that Return either.
    menu.enter();
    menu.entry_animation();
    EXPECT_EQ(0, menu.cursor());
    EXPECT_EQ(-1, frames_until_left(menu, 40));
    platform::release_all_keys();
    menu.frame();
    hold_only(SDLK_RETURN);
    EXPECT_GT(frames_until_left(menu, 12), 0);
    EXPECT_EQ(0, menu.cursor());
    EXPECT_FALSE(menu.quit_requested());
}

class option_list : public menu_test {};

TEST_F(option_list, up_on_the_first_entry_wraps_to_the_last_and_quit_keys_leave_there) {
    TXT_MGR face;
    img_mgr tile;
    menu_list options(main_menu::option_texts, main_menu::OPTION_ENTRIES, &tile, &face, MENU_RATE);
    hold_only(SDLK_UP);
    EXPECT_FALSE(options.frame());
    EXPECT_EQ(5, options.cursor());
    // The first repeat comes 0.4 s (80 frames of 5 ms) after the press.
    for (int frame = 1; frame < 80; frame++) options.frame();
    EXPECT_EQ(5, options.cursor());
    options.frame();
    EXPECT_EQ(4, options.cursor());
    platform::release_all_keys();
    EXPECT_EQ(1, moves_while_held(options, SDLK_DOWN, 30));
    EXPECT_EQ(1 + 16, moves_while_held(options, SDLK_DOWN, 2000));

    platform::release_all_keys();
    menu_list leaving(main_menu::option_texts, main_menu::OPTION_ENTRIES, &tile, &face, MENU_RATE);
    hold_only(SDLK_ESCAPE);
    EXPECT_EQ(5, leaving.run());
}

TEST_F(option_list, a_shorter_list_wraps_over_its_own_entries) {
    TXT_MGR face;
    img_mgr tile;
    const char two[2][menu_list::ENTRY_FIELD] = {"Yes", "No"};
    menu_list options(two, 2, &tile, &face, MENU_RATE);
    hold_only(SDLK_UP);
    options.frame();
    EXPECT_EQ(1, options.cursor());
    menu_list empty(two, 0, &tile, &face, MENU_RATE);
    hold_only(SDLK_RETURN);
    EXPECT_EQ(0, empty.run());
}

}  // namespace
