#ifndef TESTS_SUPPORT_TEST_SCREEN_H
#define TESTS_SUPPORT_TEST_SCREEN_H

#include <SDL/SDL.h>

// The one screen a test program draws on: set at the first call with these
// flags and size, and kept for the rest of the program, whatever later calls
// ask. The surface path runs on SDL's dummy driver unless the environment
// names another. False when the video mode cannot be set.
bool open_test_screen(Uint32 video_flags = SDL_SWSURFACE, int width = 640, int height = 480);

#endif
