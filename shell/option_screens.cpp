#include "shell/option_screens.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "input/key_rebinding.h"
#include "shell/delete_and_clear.h"
#include "shell/main_menu.h"
#include "shell/menu_list.h"
#include "platform/screen_mgr.h"
#include "shell/user_settings.h"
#include "sound/volume.h"

namespace {

const char* const PAGE_NAMES[option_screens::PAGE_KINDS] = {"Game", "Player 1 controls", "Player 2 controls",
                                                            "Video", "Cheats"};
const char* const BACK = "Back";
const char* const DEFAULTS = "Defaults";
const char* const DIFFICULTY_NAMES[] = {"easy", "normal", "hard"};
const std::pair<int, int> COMMON_SIZES[] = {{640, 480}, {800, 600}, {1024, 768}, {1280, 720}, {1920, 1080}};
const int FRAME_RATES[] = {30, 50, 60, 100, 120};
const char* const LATER_NOTE = "Renderer and frame rate change at the next start";
const char* const GL_SIZE_NOTE = "On OpenGL the new size comes at the next start";
const char* const REFUSED_SIZE_NOTE = "The display refused that size; it is tried at the next start";

// Game page
enum { ROUNDS_ENTRY, ROUND_TIME_ENTRY, DIFFICULTY_ENTRY, MUSIC_ENTRY, EFFECTS_ENTRY };
// Video page
enum { SIZE_ENTRY, FULL_SCREEN_ENTRY, RENDERER_ENTRY, RATE_ENTRY };
// Cheats page
enum { PLAYER_1_LIFE_ENTRY, PLAYER_2_LIFE_ENTRY, ONE_HIT_ENTRY };

option_entry entry(const std::string& label, const std::vector<std::string>& values = {}, int chosen = 0) {
    return option_entry{label, values, chosen};
}

std::vector<std::string> numbers(int low, int high) {
    std::vector<std::string> texts;
    for (int value = low; value <= high; value++) texts.push_back(std::to_string(value));
    return texts;
}

int index_of(const std::vector<std::string>& values, const std::string& value) {
    const auto found = std::find(values.begin(), values.end(), value);
    return found == values.end() ? 0 : (int)(found - values.begin());
}

std::string size_text(int width, int height) { return std::to_string(width) + "x" + std::to_string(height); }

std::vector<std::string> frame_rates(int current) {
    std::vector<int> rates(FRAME_RATES, FRAME_RATES + sizeof(FRAME_RATES) / sizeof(FRAME_RATES[0]));
    if (std::find(rates.begin(), rates.end(), current) == rates.end()) rates.push_back(current);
    std::sort(rates.begin(), rates.end());
    std::vector<std::string> texts;
    for (const int rate : rates) texts.push_back(std::to_string(rate));
    return texts;
}

std::vector<std::string> on_off(const char* off, const char* on) { return {off, on}; }

}  // namespace

option_screens::option_screens(img_mgr* tile, TXT_MGR* face, TXT_MGR* note_face, int rate, user_settings& chosen)
    : tile(tile), face(face), note_face(note_face), rate(rate), chosen(chosen), page(nullptr), kind(GAME_PAGE) {}

option_screens::~option_screens() { delete page; }

std::vector<std::string> option_screens::screen_sizes(int width, int height) {
    std::vector<std::pair<int, int>> sizes(COMMON_SIZES, COMMON_SIZES + sizeof(COMMON_SIZES) / sizeof(COMMON_SIZES[0]));
    sizes.push_back({width, height});
    SDL_Rect** modes = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_ListModes(nullptr, SDL_FULLSCREEN | SDL_HWSURFACE) : nullptr;
    // (SDL_Rect**)-1 means any size will do: the common ones stand.
    for (int i = 0; modes && modes != (SDL_Rect**)-1 && modes[i]; i++) sizes.push_back({modes[i]->w, modes[i]->h});
    std::sort(sizes.begin(), sizes.end(), [](const std::pair<int, int>& a, const std::pair<int, int>& b) {
        return std::make_pair(a.first * a.second, a.first) < std::make_pair(b.first * b.second, b.first);
    });
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    std::vector<std::string> texts;
    for (const auto& size : sizes) texts.push_back(size_text(size.first, size.second));
    return texts;
}

std::vector<option_entry> option_screens::game_entries() const {
    std::vector<std::string> times;
    int time = 0;
    for (int i = 0; i < user_settings::ROUND_TIMES; i++) {
        const int seconds = user_settings::round_times[i];
        times.push_back(seconds ? std::to_string(seconds) + " s" : "off");
        if (seconds == chosen.round_seconds) time = i;
    }
    return {entry("Rounds to win", numbers(user_settings::MIN_ROUNDS, user_settings::MAX_ROUNDS),
                  chosen.rounds_to_win - user_settings::MIN_ROUNDS),
            entry("Round time", times, time),
            entry("Computer", {DIFFICULTY_NAMES[0], DIFFICULTY_NAMES[1], DIFFICULTY_NAMES[2]}, chosen.cpu_difficulty),
            entry("Music volume", numbers(0, volume::STEPS), chosen.music_volume),
            entry("Effects volume", numbers(0, volume::STEPS), chosen.effects_volume)};
}

std::vector<option_entry> option_screens::control_entries() const {
    std::vector<option_entry> entries;
    const key_layout& keys = keys_of_player(player());
    for (int which = 0; which < key_rebinding::SLOTS; which++) {
        entries.push_back(
            entry(key_rebinding::slot_name(which), {key_rebinding::key_name(key_rebinding::key_in(keys, which))}));
    }
    entries.push_back(entry(DEFAULTS));
    return entries;
}

std::vector<option_entry> option_screens::video_entries() const {
    const std::vector<std::string> sizes = screen_sizes(chosen.width, chosen.height);
    const std::vector<std::string> rates = frame_rates(chosen.fps);
    return {entry("Screen size", sizes, index_of(sizes, size_text(chosen.width, chosen.height))),
            entry("Full screen", on_off("off", "on"), chosen.fullscreen),
            entry("Renderer", on_off("surfaces", "OpenGL"), chosen.hwaccel),
            entry("Frames per second", rates, index_of(rates, std::to_string(chosen.fps)))};
}

std::vector<option_entry> option_screens::cheat_entries() const {
    return {entry("Player 1 life", on_off("normal", "infinite"), chosen.infinite_life_right),
            entry("Player 2 life", on_off("normal", "infinite"), chosen.infinite_life_left),
            entry("One-hit knock-outs", on_off("off", "on"), chosen.one_hit_knock_outs)};
}

// Every page ends with the way back.
std::vector<option_entry> option_screens::entries_of_page() const {
    std::vector<option_entry> entries;
    if (kind == GAME_PAGE) entries = game_entries();
    if (kind == PLAYER_1_PAGE || kind == PLAYER_2_PAGE) entries = control_entries();
    if (kind == VIDEO_PAGE) entries = video_entries();
    if (kind == CHEATS_PAGE) entries = cheat_entries();
    entries.push_back(entry(BACK));
    return entries;
}

void option_screens::open(int shown) {
    kind = shown >= 0 && shown < PAGE_KINDS ? shown : GAME_PAGE;
    printf("OPTION PAGE: %s\n", PAGE_NAMES[kind]);
    delete page;
    page = new option_page(tile, face, note_face, rate);
    page->show(entries_of_page());
    size_note.clear();
    if (kind == VIDEO_PAGE) page->set_note(video_note());
    if (kind == PLAYER_1_PAGE || kind == PLAYER_2_PAGE) page->set_note("Return, then the new key");
}

std::string option_screens::video_note() const { return size_note.empty() ? LATER_NOTE : size_note; }

void option_screens::take_game_choices() {
    const auto chosen_in = [this](int i) { return page->entry(i).chosen; };
    chosen.rounds_to_win = user_settings::MIN_ROUNDS + chosen_in(ROUNDS_ENTRY);
    chosen.round_seconds = user_settings::round_times[chosen_in(ROUND_TIME_ENTRY)];
    chosen.cpu_difficulty = chosen_in(DIFFICULTY_ENTRY);
    chosen.music_volume = chosen_in(MUSIC_ENTRY);
    chosen.effects_volume = chosen_in(EFFECTS_ENTRY);
    chosen.apply_volumes();
}

void option_screens::take_video_choices() {
    const int old_width = chosen.width, old_height = chosen.height, old_fullscreen = chosen.fullscreen;
    const option_entry& size = page->entry(SIZE_ENTRY);
    if (sscanf(size.values[size.chosen].c_str(), "%dx%d", &chosen.width, &chosen.height) != 2) {
        chosen.width = old_width;
        chosen.height = old_height;
    }
    chosen.fullscreen = page->entry(FULL_SCREEN_ENTRY).chosen;
    chosen.hwaccel = page->entry(RENDERER_ENTRY).chosen;
    const option_entry& rates = page->entry(RATE_ENTRY);
    chosen.fps = atoi(rates.values[rates.chosen].c_str());
    apply_screen_choices(old_width, old_height, old_fullscreen);
}

void option_screens::take_cheat_choices() {
    chosen.infinite_life_right = page->entry(PLAYER_1_LIFE_ENTRY).chosen != 0;
    chosen.infinite_life_left = page->entry(PLAYER_2_LIFE_ENTRY).chosen != 0;
    chosen.one_hit_knock_outs = page->entry(ONE_HIT_ENTRY).chosen != 0;
}

// Size and full screen take effect at once where SDL can set them; the
// choice is kept either way, for the next start.
void option_screens::apply_screen_choices(int old_width, int old_height, int old_fullscreen) {
    if (chosen.width != old_width || chosen.height != old_height) {
        size_note.clear();
        if (!screen.set_size(chosen.width, chosen.height)) size_note = screen.is_gl() ? GL_SIZE_NOTE : REFUSED_SIZE_NOTE;
    }
    const bool full_now = (screen.video_flags & SDL_FULLSCREEN) != 0;
    if (chosen.fullscreen != old_fullscreen && full_now != (chosen.fullscreen != 0)) screen.toggle_fullscreen();
    page->set_note(video_note());
}

// Return on a control waits for its new key; on "Defaults" both players
// get their first keys back, since one player's defaults may be the keys
// the other has taken meanwhile.
void option_screens::act_on_choice() {
    if (page->cursor() == key_rebinding::SLOTS) {
        key_rebinding::restore_defaults();
        page->show(entries_of_page());
        page->set_note("Both players have the default keys");
        return;
    }
    // The first player's source reads the joystick too.
    const bool joystick = player() == 1 && screen.joystick_ok == 1;
    page->take_next_key(joystick);
    page->set_note(std::string("Press the new ") + (joystick ? "key or joystick input" : "key") + " for " +
                   key_rebinding::slot_name(page->cursor()) + " (Escape keeps the old one)");
}

void option_screens::act_on_key() {
    const int which = page->cursor();
    if (page->taken_key() == SDLK_ESCAPE) {
        page->set_note(std::string(key_rebinding::slot_name(which)) + " keeps its key");
        return;
    }
    std::string refusal;
    if (!key_rebinding::bind(player(), which, page->taken_key(), &refusal)) {
        printf("Key refused: %s\n", refusal.c_str());
        page->set_note(refusal);
        return;
    }
    printf("Player %d %s bound to [%d]\n", player(), key_rebinding::slot_name(which), page->taken_key());
    page->show(entries_of_page());
    page->set_note(std::string(key_rebinding::slot_name(which)) + " is now " +
                   key_rebinding::key_name(page->taken_key()));
}

bool option_screens::frame() {
    if (!page) return false;
    const option_page::happening happened = page->frame();
    const bool on_back = page->cursor() == page->entry_total() - 1;
    switch (happened) {
        case option_page::CHANGED:
            if (kind == GAME_PAGE) take_game_choices();
            if (kind == VIDEO_PAGE) take_video_choices();
            if (kind == CHEATS_PAGE) take_cheat_choices();
            return true;
        case option_page::KEY_TAKEN:
            act_on_key();
            return true;
        case option_page::CHOSEN:
            // Return on a value confirms the page; on a key or "Defaults" it acts.
            if (on_back || kind == GAME_PAGE || kind == VIDEO_PAGE || kind == CHEATS_PAGE) break;
            act_on_choice();
            return true;
        case option_page::LEFT_PAGE:
            break;
        default:
            return true;
    }
    delete_and_clear(page);
    chosen.write();
    return false;
}

void option_screens::run() {
    int cursor = 0;
    for (;;) {
        menu_list options(main_menu::option_texts, main_menu::OPTION_ENTRIES, tile, face, rate);
        options.place_cursor(cursor);
        cursor = options.run();
        if (cursor < 0 || cursor >= PAGE_KINDS) return;
        open(cursor);
        while (frame()) {
        }
    }
}
