// The game's own data tree, walked the way the program reads it: from the
// names fixed in the code, through every data file, to the pictures, fonts,
// music and sounds they name.  Each file is loaded with the library the game
// uses for it, so a picture SDL_image can't read or a sound SDL_mixer
// refuses fails here rather than in a match.  Runs at the repository root.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "config/config_file.h"
#include "shell/asset_files.h"
#include "shell/colour_swap_file.h"
#include "shell/roster.h"
#include "tests/support/rgb_copy.h"

namespace {

// Pictures and fonts the game's other code names: the first projectile and
// the text manager's own fallback face.
const char* const OTHER_PICTURES[] = {"rsrc/lunet/special/lunet_bullet1.png"};
const char* const OTHER_FONTS[] = {"tahoma.ttf"};

const char* const CONTROL_NAMES[] = {"down", "left", "right", "up", "noup", "punch", "kick", "noleft", "noright"};

const int MOVE_COUNT = 18;
const int STILL_COUNT = 10;
const int FLIGHT_MOVE = 13;
const int PROJECTILE_DROP = 50;  // a projectile starts this far below its shooter's top
// Near-green: green above NEAR_GREEN_MIN and ahead of red and blue by more
// than NEAR_GREEN_LEAD, as the content generator refuses it.
const int NEAR_GREEN_MIN = 150;
const int NEAR_GREEN_LEAD = 90;

struct surface_deleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using surface_ptr = std::unique_ptr<SDL_Surface, surface_deleter>;

struct rgb {
    Uint8 r, g, b;
    bool operator<(const rgb& o) const { return (r << 16 | g << 8 | b) < (o.r << 16 | o.g << 8 | o.b); }
};

// What the colour key and the colour swap see of one picture.
struct picture_facts {
    int width = 0;
    int height = 0;
    long visible = 0;      // pixels other than pure green
    long near_green = 0;   // pixels close to the key without being it: a fringe after keying
    std::map<rgb, long> colours;
};

picture_facts inspect(SDL_Surface* loaded) {
    picture_facts facts;
    surface_ptr surface(rgb_copy(loaded, 4));
    facts.width = surface->w;
    facts.height = surface->h;
    SDL_LockSurface(surface.get());
    for (int y = 0; y < surface->h; y++) {
        const Uint32* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < surface->w; x++) {
            rgb c = {Uint8(row[x] & 0xFF), Uint8(row[x] >> 8 & 0xFF), Uint8(row[x] >> 16 & 0xFF)};
            if (c.r == 0 && c.g == 255 && c.b == 0) continue;
            facts.visible++;
            facts.colours[c]++;
            if (c.g > NEAR_GREEN_MIN && c.g - std::max(c.r, c.b) > NEAR_GREEN_LEAD) facts.near_green++;
        }
    }
    SDL_UnlockSurface(surface.get());
    return facts;
}

// The tree as the game reads it, loaded once for all the cases below.
class data_tree {
public:
    std::vector<std::string> failures;
    std::map<std::string, picture_facts> pictures;
    std::set<std::string> sounds;

    void fail(const std::string& what) { failures.push_back(what); }

    bool read(config_file& file, const std::string& path) {
        if (file.load(path.c_str())) return true;
        fail("can't read " + path);
        return false;
    }

    const picture_facts* picture(const std::string& path) {
        auto known = pictures.find(path);
        if (known != pictures.end()) return &known->second;
        SDL_Surface* loaded = IMG_Load(path.c_str());
        if (!loaded) {
            fail("IMG_Load " + path + ": " + IMG_GetError());
            return nullptr;
        }
        picture_facts facts = inspect(loaded);
        SDL_FreeSurface(loaded);
        return &(pictures[path] = facts);
    }

    void sound(const std::string& path) {
        if (!sounds.insert(path).second) return;
        Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1);
        if (!chunk) {
            fail("Mix_LoadWAV " + path + ": " + Mix_GetError());
            return;
        }
        Mix_FreeChunk(chunk);
    }

    // An animation file: its frames' pictures and sounds; returns the frame count.
    int animation(const std::string& path, std::vector<std::string>* frame_pictures = nullptr) {
        config_file file;
        if (!read(file, path)) return 0;
        int frames = file.get_int("images");
        if (frames < 1) fail(path + " has no frames");
        char key[32];
        for (int i = 0; i < frames; i++) {
            snprintf(key, sizeof key, "image%d", i);
            std::string picture_path = file.get_string(key);
            picture(picture_path);
            if (frame_pictures) frame_pictures->push_back(picture_path);
            snprintf(key, sizeof key, "rate%d", i);
            if (!file.has_key(key)) fail(path + ": frame without " + key);
            snprintf(key, sizeof key, "sound%d", i);
            if (file.has_key(key)) sound(file.get_string(key));
        }
        return frames;
    }
};

struct fighter_facts {
    std::string path;
    int moves = 0;
    int stills = 0;
    std::vector<std::vector<std::string>> move_pictures;
    std::vector<std::string> still_pictures;
    std::vector<std::vector<std::string>> combo_steps;
    std::vector<int> combo_types;
};

class data_tree_test : public testing::Test {
protected:
    static data_tree* tree;
    static std::vector<fighter_facts> fighters;

    static void SetUpTestSuite() {
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO));
        ASSERT_EQ(0, TTF_Init());
        ASSERT_EQ(0, Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 8192)) << Mix_GetError();
        tree = new data_tree();
        for (const roster_entry& entry : ROSTER) fighters.push_back(read_fighter(entry.fighter_file));
        read_stage();
        for (const char* path : FIXED_ANIMATIONS) tree->animation(path);
        for (const char* path : FIXED_PICTURES) tree->picture(path);
        for (const char* path : OTHER_PICTURES) tree->picture(path);
        for (const roster_entry& entry : ROSTER) tree->picture(entry.picture_file);
    }

    static void TearDownTestSuite() {
        delete tree;
        tree = nullptr;
        fighters.clear();
        Mix_CloseAudio();
        TTF_Quit();
        SDL_Quit();
    }

    static fighter_facts read_fighter(const char* path) {
        fighter_facts facts;
        facts.path = path;
        config_file file;
        if (!tree->read(file, path)) return facts;
        char key[40];
        facts.moves = file.get_int("moves");
        for (int i = 0; i < facts.moves; i++) {
            snprintf(key, sizeof key, "move%d", i);
            facts.move_pictures.emplace_back();
            tree->animation(file.get_string(key), &facts.move_pictures.back());
        }
        facts.stills = file.get_int("images");
        for (int i = 0; i < facts.stills; i++) {
            snprintf(key, sizeof key, "image%d", i);
            facts.still_pictures.push_back(file.get_string(key));
            tree->picture(facts.still_pictures.back());
        }
        int combos = file.get_int("combos");
        for (int c = 0; c < combos; c++) {
            snprintf(key, sizeof key, "combo%dmove", c);
            facts.combo_types.push_back(file.get_int(key));
            snprintf(key, sizeof key, "combo%dmoves", c);
            int steps = file.get_int(key);
            facts.combo_steps.emplace_back();
            for (int s = 0; s < steps; s++) {
                snprintf(key, sizeof key, "combo%dmove%d", c, s);
                facts.combo_steps.back().push_back(file.get_string(key));
            }
        }
        return facts;
    }

    static void read_stage() {
        config_file stage;
        if (!tree->read(stage, "rsrc/road/stage_road.ini")) return;
        config_file bgset;
        if (!tree->read(bgset, stage.get_string("bgset"))) return;
        char key[32];
        for (int i = 0; i < bgset.get_int("images"); i++) {
            snprintf(key, sizeof key, "image%d", i);
            tree->picture(bgset.get_string(key));
        }
    }

    static const picture_facts& facts_of(const std::string& path) { return tree->pictures.at(path); }
};

data_tree* data_tree_test::tree = nullptr;
std::vector<fighter_facts> data_tree_test::fighters;

TEST_F(data_tree_test, every_file_the_game_names_exists_and_loads) {
    for (const std::string& failure : tree->failures) ADD_FAILURE() << failure;
    const auto expect_font = [](const char* path) {
        TTF_Font* font = TTF_OpenFont(path, 18);
        EXPECT_NE(nullptr, font) << path << ": " << TTF_GetError();
        if (font) TTF_CloseFont(font);
    };
    for (const char* path : FIXED_FONTS) expect_font(path);
    for (const char* path : OTHER_FONTS) expect_font(path);
    for (const char* path : FIXED_MUSIC) {
        Mix_Music* music = Mix_LoadMUS(path);
        EXPECT_NE(nullptr, music) << path << ": " << Mix_GetError();
        if (music) Mix_FreeMusic(music);
    }
    config_file swap;
    EXPECT_TRUE(swap.load(colour_swap_file::FIRST_PLAYER_FILE));
    EXPECT_FALSE(tree->sounds.empty());
}

TEST_F(data_tree_test, every_fighter_has_its_moves_pictures_and_performable_combos) {
    std::set<int> combo_types;
    for (const fighter_facts& fighter : fighters) {
        SCOPED_TRACE(fighter.path);
        EXPECT_EQ(MOVE_COUNT, fighter.moves);
        EXPECT_EQ(STILL_COUNT, fighter.stills);
        for (size_t move = 0; move < fighter.move_pictures.size(); move++) {
            EXPECT_GE(fighter.move_pictures[move].size(), 3u) << "move " << move << " has too few frames";
        }
        EXPECT_FALSE(fighter.combo_steps.empty());
        for (size_t c = 0; c < fighter.combo_steps.size(); c++) {
            EXPECT_FALSE(fighter.combo_steps[c].empty());
            for (const std::string& step : fighter.combo_steps[c]) {
                bool known = false;
                for (const char* name : CONTROL_NAMES) known = known || step == name;
                EXPECT_TRUE(known) << "combo " << c << " step '" << step << "'";
            }
            combo_types.insert(fighter.combo_types[c]);
        }
    }
    EXPECT_EQ((std::set<int>{1, 2, 3, 4}), combo_types);
}

// The engine places every picture of a fighter where its untrimmed canvas
// would be and takes the fighter's size from the picture shown: one canvas
// for all of them keeps the feet on one line and the camera steady.  The
// projectile's flight has a smaller canvas that ends on the floor line.
TEST_F(data_tree_test, a_fighters_pictures_share_one_canvas_and_its_projectile_fits_under_it) {
    for (const fighter_facts& fighter : fighters) {
        SCOPED_TRACE(fighter.path);
        if (fighter.still_pictures.empty() || fighter.move_pictures.size() <= FLIGHT_MOVE) continue;
        const picture_facts& standing = facts_of(fighter.still_pictures[0]);
        std::vector<std::string> pictures = fighter.still_pictures;
        for (size_t move = 0; move < fighter.move_pictures.size(); move++) {
            if (move == FLIGHT_MOVE) continue;
            pictures.insert(pictures.end(), fighter.move_pictures[move].begin(), fighter.move_pictures[move].end());
        }
        for (const std::string& path : pictures) {
            EXPECT_EQ(standing.width, facts_of(path).width) << path;
            EXPECT_EQ(standing.height, facts_of(path).height) << path;
        }
        for (const std::string& path : fighter.move_pictures[FLIGHT_MOVE]) {
            EXPECT_LE(facts_of(path).height, standing.height - PROJECTILE_DROP) << path;
            EXPECT_LT(facts_of(path).width, standing.width) << path;
        }
    }
}

TEST_F(data_tree_test, keyed_pictures_have_visible_pixels_and_no_green_fringe) {
    const std::set<std::string> opaque = {"rsrc/pqm_logo2_640x480.png", "rsrc/QM_wallpaper02_1024.jpg",
                                          "rsrc/tilablebg128.png"};
    for (const auto& entry : tree->pictures) {
        EXPECT_GT(entry.second.visible, 0) << entry.first << " is all key colour";
        if (opaque.count(entry.first)) continue;
        EXPECT_EQ(0, entry.second.near_green) << entry.first;
    }
}

// The right fighter is recoloured by one swap file whatever character it
// is, so that two copies of a character look different: each character's
// standing picture must hold a good share of the colours the file replaces.
TEST_F(data_tree_test, the_swap_file_visibly_recolours_every_fighter) {
    config_file swap;
    ASSERT_TRUE(swap.load("game/fighter/lunet_swap.ini"));
    std::set<rgb> sources;
    char key[32];
    for (int i = 0; i < swap.get_int("colors"); i++) {
        snprintf(key, sizeof key, "color%dsource", i);
        int r = 0, g = 0, b = 0;
        ASSERT_EQ(3, sscanf(swap.get_string(key), "%d,%d,%d", &r, &g, &b)) << key;
        EXPECT_FALSE(r == 0 && g == 255 && b == 0) << "the key colour must not be swapped";
        sources.insert(rgb{Uint8(r), Uint8(g), Uint8(b)});
    }
    for (const fighter_facts& fighter : fighters) {
        if (fighter.still_pictures.empty()) continue;
        const picture_facts& standing = facts_of(fighter.still_pictures[0]);
        long swapped = 0;
        for (const auto& colour : standing.colours) {
            if (sources.count(colour.first)) swapped += colour.second;
        }
        EXPECT_GT(swapped * 5, standing.visible) << fighter.path << ": under a fifth of the picture changes";
    }
}

}  // namespace
