#include "shell/char_select.h"

#include <cmath>
#include <cstdio>

#include "gfx/img_mgr.h"
#include "platform/platform.h"
#include "platform/screen_mgr.h"

namespace {

const double DEGREES_TO_RADIANS = 3.14159265358979323846 / 180.0;

// Fills the screen width; an empty wallpaper draws nothing at any zoom.
double zoom_to_screen_width(const img_mgr& picture) {
    return picture.width() > 0 ? (double)screen.width() / picture.width() : 1.0;
}

const char* const FIRST_PROMPT = "Please select a character:";
const char* const SECOND_PROMPT = "Player 2, please select a character:";
const char* const DUMMY_PROMPT = "Please select a training partner:";

const char* prompt_for(int player) {
    if (player == char_select::SECOND_PLAYER) return SECOND_PROMPT;
    if (player == char_select::TRAINING_DUMMY) return DUMMY_PROMPT;
    return FIRST_PROMPT;
}

}  // namespace

char_select::char_select(img_mgr* wallpaper, img_mgr* const roster[ROSTER_SIZE], int rate, int player)
    : wallpaper(wallpaper),
      wallpaper_zoom(zoom_to_screen_width(*wallpaper)),
      pacing(),
      prompt(screen.surface),
      input(menu_poll::row),
      prompt_line(prompt_for(player)),
      player(player),
      turn(0) {
    for (int i = 0; i < ROSTER_SIZE; i++) pictures[i] = roster[i];
    if (player == SECOND_PLAYER) input.use_keys(menu_poll::second_player_keys());
    menu_poll::start_pacing(pacing, rate);
}

int char_select::run() {
    // Names the chooser, so a session driven from outside knows whose
    // selection is up.
    printf("CHARACTER SELECTION: player [%d]\n", player);
    build_up();
    while (!frame()) {
    }
    fade_out();
    return input.quit_requested ? NO_CHOICE : input.cursor;
}

void char_select::draw_wallpaper() {
    wallpaper->display_scaled(0, screen.height() - wallpaper->height(), screen.surface, wallpaper_zoom);
}

void char_select::build_up() {
    wallpaper->set_alpha(BUILD_UP_ALPHA);
    for (int i = 0; i < BUILD_UP_FRAMES; i++) {
        draw_wallpaper();
        screen.flip();
        platform::frame_delay(&pacing);
    }
    wallpaper->set_alpha(255);
}

void char_select::draw_picture(img_mgr& picture) {
    const int cx = screen.width() - picture.width() - PICTURE_MARGIN;
    const int cy = (screen.height() - picture.height()) / 2;
    picture.set_alpha(GHOST_ALPHA);
    for (int k = 0; k < GHOSTS; k++) {
        const double angle = (turn + 90 * k) * DEGREES_TO_RADIANS;
        picture.display((int)(cx + cos(angle) * GHOST_RADIUS), (int)(cy + sin(angle) * GHOST_RADIUS));
    }
    picture.set_alpha(255);
    picture.display(cx, cy);
}

bool char_select::frame() {
    screen.clear_screen();
    draw_wallpaper();
    prompt.x = 0;
    prompt.y = 0;
    prompt.print(prompt_line);
    draw_picture(*pictures[input.cursor]);
    input.poll();
    turn += PHASE_STEP;
    if (turn >= FULL_TURN) turn = 0;
    platform::frame_delay(&pacing);
    screen.flip();
    return input.confirmed;
}

void char_select::fade_out() {
    for (int alpha = 255; alpha > 0; alpha -= FADE_STEP) {
        screen.clear_screen();
        wallpaper->set_alpha(alpha);
        draw_wallpaper();
        screen.flip();
        platform::frame_delay(&pacing);
    }
}
