#ifndef PLATFORM_PLATFORM_H
#define PLATFORM_PLATFORM_H

#include <SDL/SDL.h>
#include <SDL/SDL_framerate.h>

// The few reads of the outside world that game logic makes: the millisecond
// clock, the held-key state, the event queue and the first joystick, plus the
// frame pacing that advances the clock. In the game they go straight to SDL.
// Tests switch to scripted mode and feed time, keys, events and joystick
// values frame by frame, so controllers, combos, the CPU and the match rules
// run without a window.
class platform {
public:
    static Uint32 ticks();
    static Uint8* key_state();
    static int poll_event(SDL_Event* event);
    // Empties the event queue once a frame: a burst of key events must not
    // hide a window close behind it. Remembers the close and the keys
    // pressed since the last pump, so that a tap shorter than a frame still
    // counts once.
    static void pump_events();
    static bool close_requested();
    // How many times `key` went down between the last two pumps.
    static int presses(int key);
    // Whether any key went down between the last two pumps.
    static bool any_press();
    static Sint16 joystick_axis(int axis);
    static Uint8 joystick_button(int button);
    // Waits for the end of the frame; in scripted mode the clock advances by
    // one frame of the manager's rate instead.
    static void frame_delay(FPSmanager* manager);
    static void delay(Uint32 ms);
    // Hands an event back to the queue, so that a read that wasn't meant for
    // it (a window close seen by a controller) still reaches its reader.
    static void push_event(const SDL_Event& event);
    // From here on Alt+Return switches between window and full screen.
    static void watch_fullscreen_switch();
    // Headless play: nothing waits; the clock starts at 0 and moves on one
    // frame of the manager's rate at each frame_delay, and by the time asked
    // at each delay. Keys, events and the joystick stay SDL's.
    static void use_frame_clock();

    // Scripting, for tests.
    static void use_script(bool on);
    static bool scripted();
    static void set_ticks(Uint32 now);
    static void advance(Uint32 ms);
    // A key that goes down also queues its key-down event, as SDL does.
    static void set_key(int key, bool held);
    static void release_all_keys();
    static void push_quit();
    static void clear_events();
    static void set_joystick_axis(int axis, Sint16 value);
    static void set_joystick_button(int button, bool held);
};

#endif
