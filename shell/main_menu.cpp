#include "shell/main_menu.h"

#include <algorithm>
#include <cstdio>

#include "anim/anim_mgr.h"
#include "anim/static_scene.h"
#include "gfx/img_mgr.h"
#include "gfx/txt_mgr.h"
#include "shell/asset_files.h"
#include "shell/delete_and_clear.h"
#include "shell/match_request.h"
#include "shell/option_screens.h"
#include "platform/platform.h"
#include "platform/screen_mgr.h"
#include "shell/solid_face.h"
#include "sound/music.h"

const char main_menu::entry_texts[ENTRIES][ENTRY_FIELD] = {"arcade",   "versus",  "survival", "demo",
                                                           "training", "options", "quit"};

const char main_menu::option_texts[OPTION_ENTRIES][menu_list::ENTRY_FIELD] = {
    "Game", "Player 1 controls", "Player 2 controls", "Video", "Cheats", "Back to Main Menu"};

namespace {

const char* const TITLE_TEXT = "QuillmooR";
const char* const CREDIT_TEXTS[2] = {"QuillmooR (c) 2026", "Artwork and code by the QuillmooR project"};

// The menus' texts are white, solid, and sized by the screen width so that
// they keep their place on any screen. They print on whatever the screen is
// at the time: a mode change may give it a new surface.
const SDL_Color MENU_TEXT_COLOUR = {255, 255, 255, 0};

// The dark logo rests at half size. It grows into that from a tenth while
// the menu comes in, and on the way out grows from it ever faster, by
// LOGO_EXIT_GROWTH times the square of the frames gone.
const double LOGO_RESTING_ZOOM = 0.5;
const double LOGO_ENTRY_ZOOM = 0.1;
const double LOGO_ENTRY_GROWTH = LOGO_RESTING_ZOOM - LOGO_ENTRY_ZOOM;
const double LOGO_EXIT_GROWTH = 0.000588235294117647;

// Entries 0..4 start a match; "options" and "quit" start none. Training
// chooses the player's fighter and the dummy.
const menu_mode MODES[] = {
    {match_request::ARCADE, 3, 1, true},
    {match_request::VERSUS, 3, 2, true},
    {match_request::SURVIVAL, 0, 1, true},
    {match_request::DEMO, 3, 0, false},
    {match_request::TRAINING, 3, 2, true},
};

// The column of menus, with this menu's entries.
poll_layout entry_column() {
    poll_layout layout = menu_poll::column;
    layout.entries = main_menu::ENTRIES;
    layout.quit_cursor = main_menu::QUIT_ENTRY;
    return layout;
}

}  // namespace

main_menu::main_menu()
    : player_settings(nullptr),
      pacing(nullptr),
      rate(0),
      loop_music(nullptr),
      tile(nullptr),
      dark_logo(nullptr),
      title(nullptr),
      credit_lines(),
      title_face(nullptr),
      entry_face(nullptr),
      credit_face(nullptr),
      scene_pictures(),
      scene(nullptr),
      input(entry_column()),
      scroll(0),
      entry_top(ENTRY_TOP),
      entry_spacing(ENTRY_SPACING) {}

main_menu::~main_menu() { release(); }

const menu_mode* main_menu::mode_for(int entry) {
    const int modes = (int)(sizeof(MODES) / sizeof(MODES[0]));
    return entry >= 0 && entry < modes ? &MODES[entry] : nullptr;
}

void main_menu::load(FPSmanager* menu_pacing, int menu_rate, Mix_Music* menu_music) {
    pacing = menu_pacing;
    rate = menu_rate;
    loop_music = menu_music;
    tile = new img_mgr();
    tile->load(TILE_FILE);
    SDL_setFramerate(pacing, rate);
    load_faces();
    for (int i = 0; i < 2; i++) credit_lines[i] = render_text_image(*credit_face, CREDIT_TEXTS[i]);
    dark_logo = new img_mgr();
    dark_logo->load(DARK_LOGO_FILE);
    printf("Qmlogo loaded\n");
    title = render_text_image(*title_face, TITLE_TEXT);
    entries.make(*entry_face, entry_texts[0], ENTRY_FIELD, ENTRIES);
}

void main_menu::load_faces() {
    title_face = new_solid_face(TITLE_FONT, screen.width() / 10, MENU_TEXT_COLOUR, nullptr);
    entry_face = new_solid_face(TITLE_FONT, screen.width() / 14, MENU_TEXT_COLOUR, nullptr);
    credit_face = new_solid_face(PLAIN_FONT, screen.width() / 45, MENU_TEXT_COLOUR, nullptr);
}

void main_menu::prepare() {
    for (int i = 0; i < 2; i++) credit_lines[i]->tohw();
    title->tohw();
    dark_logo->tohw();
    build_scene();
    fit_entries();
}

void main_menu::build_scene() {
    img_mgr* const pictures[4] = {dark_logo, title, credit_lines[0], credit_lines[1]};
    for (int i = 0; i < 4; i++) {
        scene_pictures[i] = new Anim_Mgr();
        scene_pictures[i]->add_picture(pictures[i], 0);
    }
    const int width = screen.width();
    scene = new static_scene();
    // At half size the logo hangs centred from the top edge.
    scene->add(scene_pictures[0], width - dark_logo->width() / 2, -(dark_logo->height() / 2), LOGO_RESTING_ZOOM);
    scene->add(scene_pictures[1], width / 2 - TITLE_HALF_WIDTH, TITLE_TOP, 1.0);
    scene->add(scene_pictures[2], 0, credit_top(0), 1.0);
    scene->add(scene_pictures[3], 0, credit_top(1), 1.0);
}

void main_menu::release() {
    // The scene holds its definitions uncounted: it goes first.
    delete_and_clear(scene);
    delete_and_clear(scene_pictures);
    entries.release();
    delete_and_clear(title);
    delete_and_clear(dark_logo);
    delete_and_clear(credit_lines);
    delete_and_clear(title_face);
    delete_and_clear(entry_face);
    delete_and_clear(credit_face);
    delete_and_clear(tile);
}

int main_menu::run() {
    for (;;) {
        enter();
        entry_animation();
        while (!frame()) {
        }
        // A quit key wins over the entry it may have moved the cursor to.
        if (input.cursor != OPTIONS_ENTRY || input.quit_requested) break;
        show_options();
    }
    exit_transition();
    return input.cursor;
}

void main_menu::enter() {
    printf("MAIN MENU:\n");
    input.reset();
    SDL_setFramerate(pacing, rate);
    // The entry animation zooms the logo through the same steps every time:
    // those copies are worth keeping.
    dark_logo->live_convert = 0;
    scroll = 0;
}

void main_menu::advance_scroll() {
    scroll++;
    if (scroll >= SCROLL_STEPS) scroll = 0;
}

int main_menu::entry_height() const { return entries.picture(0, false).height(); }

// A line's row is CREDIT_ROW high, or the line's own height where the face
// (sized by the screen width) is taller: on a wide screen the last line
// would otherwise run off the bottom.
int main_menu::credit_top(int line) const {
    int top = screen.height();
    for (int i = CREDIT_LINES - 1; i >= line; i--) top -= std::max((int)CREDIT_ROW, credit_lines[i]->height());
    return top;
}

// Seven entries ENTRY_SPACING apart from ENTRY_TOP end below the bottom of a
// 480-row screen (the default) and over the credit lines. On a screen that
// short the entries close up until the last one ends above the credits; on
// a screen shorter still they start higher, under the title, and where even
// rows as high as the entries do not fit, the entry face shrinks.
void main_menu::fit_entries() {
    const int credits = credit_top(0);
    const int scaled_top = ENTRY_TOP * screen.height() / FULL_HEIGHT;
    entry_top = std::min((int)ENTRY_TOP, std::max(TITLE_TOP + title->height(), scaled_top));
    const int room = credits - entry_top;
    int height = entry_height();
    while (height > 0 && ENTRIES * height > room && entry_face->size > MIN_ENTRY_FACE) {
        entry_face->size = std::max((int)MIN_ENTRY_FACE, entry_face->size * room / (ENTRIES * height) - 1);
        entry_face->open_font(TITLE_FONT);
        entries.release();
        entries.make(*entry_face, entry_texts[0], ENTRY_FIELD, ENTRIES);
        height = entry_height();
    }
    entry_spacing = std::max(height, std::min((int)ENTRY_SPACING, (room - height) / (ENTRIES - 1)));
}

void main_menu::draw_entries_at(int highlighted_entry, int even_x, int odd_x) {
    for (int k = 0; k < ENTRIES; k++) {
        const bool highlighted = k == highlighted_entry;
        const int x = (k % 2 == 0 ? even_x : odd_x) - (highlighted ? HIGHLIGHT_SHIFT : 0);
        entries.picture(k, highlighted).display(x, entry_top + entry_spacing * k);
    }
}

void main_menu::draw_credits(int x) {
    for (int i = 0; i < CREDIT_LINES; i++) credit_lines[i]->display(x, credit_top(i));
}

void main_menu::entry_animation() {
    const int width = screen.width();
    for (int c = 0; c < 256; c += ENTRY_ANIMATION_STEP) {
        const double a = c / 255.0;
        const double zoom = LOGO_ENTRY_ZOOM + LOGO_ENTRY_GROWTH * a;
        screen.clear_screen();
        tile->set_alpha(c);
        draw_menu_backdrop(*tile, scroll);
        dark_logo->display((int)(width / 2 - (dark_logo->width() / 2) * zoom), 0, screen.surface, zoom, zoom, 0);
        title->display(width / 2 - TITLE_HALF_WIDTH, (int)(a * TITLE_TOP));
        draw_entries_at(0, (int)((width / 2 - ENTRY_HALF_WIDTH) * a),
                        (int)(width - (width / 2 + ENTRY_HALF_WIDTH) * a));
        draw_credits((int)(width - width * a));
        advance_scroll();
        screen.flip();
        platform::frame_delay(pacing);
    }
    tile->set_alpha(255);
}

bool main_menu::frame() {
    screen.clear_screen();
    music::keep_looping(loop_music);
    draw_menu_backdrop(*tile, scroll);
    scene->draw();
    const int x = screen.width() / 2 - ENTRY_HALF_WIDTH;
    draw_entries_at(input.cursor, x, x);
    input.poll();
    platform::frame_delay(pacing);
    advance_scroll();
    screen.flip();
    return input.confirmed;
}

void main_menu::show_options() {
    printf("OPTION MENU:\n");
    if (!player_settings) {
        printf("WARNING: no settings to change, the option screen is left out\n");
        return;
    }
    const int width = screen.width();
    const int height = screen.height();
    {
        option_screens options(tile, entry_face, credit_face, rate, *player_settings);
        options.run();
    }
    // The faces, the scene and the entry spacing follow the screen's size.
    if (screen.width() == width && screen.height() == height) return;
    release();
    load(pacing, rate, loop_music);
    prepare();
}

void main_menu::draw_growing_logo(int step) {
    const double zoom = LOGO_RESTING_ZOOM + step * step * LOGO_EXIT_GROWTH;
    const int half_height = dark_logo->height() / 2;
    const int x = (int)((screen.width() / 2 - dark_logo->width() * zoom * 0.5) / zoom);
    dark_logo->display_scaled(x, (int)(zoom * half_height - half_height), screen.surface, zoom);
}

void main_menu::exit_transition() {
    // The logo's zoom changes every frame: caching its copies would only
    // fill memory.
    dark_logo->live_convert = 1;
    const int x = screen.width() / 2 - ENTRY_HALF_WIDTH;
    for (int c = 0; c < EXIT_FRAMES; c++) {
        if (c < EXIT_MENU_FRAMES) {
            draw_menu_backdrop(*tile, scroll);
            title->display(screen.width() / 2 - TITLE_HALF_WIDTH, TITLE_TOP);
            draw_entries_at(input.cursor, x, x);
            draw_credits(0);
        }
        draw_growing_logo(c);
        platform::frame_delay(pacing);
        advance_scroll();
        screen.flip();
    }
}
