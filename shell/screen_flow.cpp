#include "shell/screen_flow.h"

#include <strings.h>

#include <cctype>
#include <cstdio>

#include "gfx/img_mgr.h"
#include "shell/asset_files.h"
#include "shell/arcade_ladder.h"
#include "shell/char_select.h"
#include "shell/colour_swap_file.h"
#include "shell/delete_and_clear.h"
#include "shell/match.h"
#include "platform/platform.h"
#include "shell/roster.h"
#include "platform/screen_mgr.h"
#include "shell/series_run.h"
#include "shell/startup.h"
#include "shell/user_settings.h"
#include "sound/music.h"

namespace {

void free_tune(Mix_Music*& tune) {
    if (tune) Mix_FreeMusic(tune);
    tune = nullptr;
}

}  // namespace

screen_flow::screen_flow()
    : pacing(nullptr),
      menu_rate(0),
      fps(0),
      logo(nullptr),
      logo_zoom(1.0),
      intro_music(nullptr),
      menu_music(nullptr),
      match_music(nullptr),
      selection_music(nullptr),
      roster_pictures(),
      recoloured_pictures(),
      wallpaper(nullptr),
      settings_in_use(nullptr) {}

screen_flow::~screen_flow() {
    release();
    free_music();
}

void screen_flow::run(startup& boot, series_run& series) {
    show_logo(&boot.framerate, boot.game_settings.menu_rate(), boot.game_settings.fps);
    preload();
    hide_logo();
    menu.prepare();
    menu.player_settings = &boot.player_settings;
    settings_in_use = &boot.player_settings;
    for (;;) {
        const int entry = menu.run();
        if (entry == main_menu::QUIT_ENTRY || menu.quit_requested()) break;
        screen.clear_screen();
        match_request request = plan_series(entry);
        boot.options.fill(request);
        if (!request.cancelled) play(request, series);
        // The selection's or the match's music gives way to the menu's.
        music::start_loop(menu_music);
    }
    release();
}

void screen_flow::draw_logo(int alpha) {
    screen.clear_screen();
    logo->set_alpha(alpha);
    logo->display_scaled(0, screen.height() - logo->height(), screen.surface, logo_zoom);
    screen.flip();
    platform::frame_delay(pacing);
}

void screen_flow::take_pacing(startup& boot) {
    pacing = &boot.framerate;
    menu_rate = boot.game_settings.menu_rate();
    fps = boot.game_settings.fps;
}

void screen_flow::prepare_series(startup& boot) {
    take_pacing(boot);
    load_music();
    list_fighter_files();
    assets.preload(match_music);
}

void screen_flow::show_logo(FPSmanager* flow_pacing, int flow_menu_rate, int flow_fps) {
    pacing = flow_pacing;
    menu_rate = flow_menu_rate;
    fps = flow_fps;
    logo = new img_mgr();
    logo->load(LOGO_FILE);
    logo_zoom = logo->width() > 0 ? (float)screen.width() / (float)logo->width() : 1.0f;
    // The intro is tried even without audio: its failure line tells why the
    // game is silent.
    printf("Trying to load [%s]\n", INTRO_MUSIC);
    intro_music = music::load(INTRO_MUSIC);
    music::set_level();
    if (Mix_FadeInMusic(intro_music, 0, 1000) == -1) printf("Mix_FadeInMusic: %s\n", SDL_GetError());
    for (int alpha = 0; alpha < 256; alpha += LOGO_FADE_IN_STEP) draw_logo(alpha);
}

void screen_flow::load_music() {
    if (!screen.audio_ok) return;
    menu_music = music::load(MENU_MUSIC);
    if (!menu_music) printf("Mix_LoadMUS(\"music.mp3\"): %s\n", SDL_GetError());
    match_music = music::load(MATCH_MUSIC);
    selection_music = music::load(SELECTION_MUSIC);
}

// The first player's fighter plays recoloured: its selection shows each
// fighter in those colours, the second player's selection in their own.
void screen_flow::list_fighter_files() {
    fighter_files.clear();
    for (const roster_entry& entry : ROSTER) fighter_files.push_back(entry.fighter_file);
}

void screen_flow::load_roster() {
    list_fighter_files();
    const std::vector<colour_swap> swaps =
        colour_swap_file::read(colour_swap_file::FIRST_PLAYER_FILE, screen.surface ? screen.surface->format : nullptr);
    for (int i = 0; i < ROSTER_SIZE; i++) {
        roster_pictures[i] = new img_mgr();
        roster_pictures[i]->load(ROSTER[i].picture_file);
        recoloured_pictures[i] = new img_mgr(*roster_pictures[i]);
        for (const colour_swap& swap : swaps) recoloured_pictures[i]->swap_color(swap.source, swap.target);
        roster_pictures[i]->tohw();
        recoloured_pictures[i]->tohw();
    }
    wallpaper = new img_mgr();
    wallpaper->load(WALLPAPER_FILE);
}

void screen_flow::preload() {
    load_music();
    load_roster();
    assets.preload(match_music);
    menu.load(pacing, menu_rate, menu_music);
    printf("Preloading done fade out logo, fade in main menu\n");
}

void screen_flow::hide_logo() {
    for (int alpha = 255; alpha > 0; alpha -= LOGO_FADE_OUT_STEP) draw_logo(alpha);
    printf("Fade Out done\n");
}

// Arcade climbs a ladder of series; every other mode is one series.
void screen_flow::play(const match_request& request, series_run& series) {
    if (request.mode != match_request::ARCADE) {
        series.play(request, assets);
        return;
    }
    const ladder_art art = {wallpaper, roster_pictures, recoloured_pictures, ROSTER_SIZE};
    arcade_ladder ladder(request, assets, art, series);
    ladder.run();
}

std::string screen_flow::roster_name(int choice) {
    if (choice < 0 || choice >= ROSTER_SIZE) return "";
    std::string name = match::fighter_name(ROSTER[choice].fighter_file);
    for (char& letter : name) letter = (char)tolower((unsigned char)letter);
    return name;
}

int screen_flow::roster_choice(const std::string& name) {
    for (int choice = 0; choice < ROSTER_SIZE; choice++) {
        if (strcasecmp(name.c_str(), roster_name(choice).c_str()) == 0) return choice;
    }
    return -1;
}

img_mgr* const* screen_flow::selection_pictures(int player) const {
    return player == 1 ? recoloured_pictures : roster_pictures;
}

int screen_flow::choose_character(int player) {
    char_select selection(wallpaper, selection_pictures(player), menu_rate, player);
    return selection.run();
}

match_request screen_flow::series_request() const {
    match_request request;
    request.fighter_files = fighter_files;
    request.framerate = pacing;
    request.fps = fps;
    return request;
}

match_request screen_flow::plan_series(int entry) {
    match_request request = series_request();
    const menu_mode* mode = main_menu::mode_for(entry);
    if (!mode) {
        printf("WARNING: menu entry [%d] starts no match, playing a demo\n", entry);
        mode = main_menu::mode_for(match_request::DEMO - 1);
    }
    request.mode = mode->mode;
    request.reqwins = mode->reqwins;
    if (settings_in_use) settings_in_use->fill(request);
    if (mode->selection_music) music::start_loop(selection_music);
    if (mode->selections > 0) request.first_choice = choose_character(1);
    request.cancelled = request.first_choice == char_select::NO_CHOICE;
    const int second_chooser =
        request.mode == match_request::TRAINING ? char_select::TRAINING_DUMMY : char_select::SECOND_PLAYER;
    if (mode->selections > 1 && !request.cancelled) request.second_choice = choose_character(second_chooser);
    request.cancelled = request.cancelled || request.second_choice == char_select::NO_CHOICE;
    return request;
}

void screen_flow::release() {
    menu.release();
    assets.release();
    for (int i = 0; i < ROSTER_SIZE; i++) {
        delete_and_clear(roster_pictures[i]);
        delete_and_clear(recoloured_pictures[i]);
    }
    delete_and_clear(wallpaper);
    delete_and_clear(logo);
}

void screen_flow::free_music() {
    free_tune(intro_music);
    free_tune(menu_music);
    free_tune(match_music);
    free_tune(selection_music);
}
