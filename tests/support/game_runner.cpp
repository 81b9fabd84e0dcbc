#include "tests/support/game_runner.h"

#include <SDL/SDL_image.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>

#include "tests/support/rgb_copy.h"

namespace {

std::string read_file(const std::string& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void write_file(const std::string& path, const std::string& text) {
    std::ofstream out(path.c_str(), std::ios::binary);
    out << text;
}

std::string quoted(const std::string& text) {
    std::string result = "'";
    for (char c : text) {
        if (c == '\'') {
            result += "'\\''";
        } else {
            result += c;
        }
    }
    return result + "'";
}

int run_command(const std::string& command) { return system(command.c_str()); }

// A private data tree: the shared pictures, sounds and fighters by link, and
// a game/game.ini of the run's own.
std::string make_run_dir(const game_run_options& options) {
    const std::string source = BRAWLER_SOURCE_DIR;
    const std::string run_dir = std::string(BRAWLER_BINARY_DIR) + "/test-runs/" + options.label;
    run_command("rm -rf " + quoted(run_dir));
    run_command("mkdir -p " + quoted(run_dir + "/game"));
    run_command("ln -s " + quoted(source + "/rsrc") + " " + quoted(run_dir + "/rsrc"));
    run_command("ln -s " + quoted(source + "/game/fighter") + " " + quoted(run_dir + "/game/fighter"));
    run_command("ln -s " + quoted(source + "/tahoma.ttf") + " " + quoted(run_dir + "/tahoma.ttf"));
    if (options.write_ini) write_file(run_dir + "/game/game.ini", options.game_ini);
    write_file(run_dir + "/keys.txt", options.key_script);
    if (!options.prepare.empty()) {
        write_file(run_dir + "/prepare.sh", "#!/bin/sh\nset -e\n" + options.prepare + "\n");
        run_command("chmod +x " + quoted(run_dir + "/prepare.sh"));
    }
    return run_dir;
}

// Each run keeps the player's settings in its own folder, never the
// settings of whoever runs the tests.
std::string environment_for(const game_run_options& options, const std::string& run_dir) {
    std::string environment = "env -u SDL_VIDEODRIVER XDG_CONFIG_HOME=" + quoted(run_dir + "/config") + " ";
    if (!options.use_xvfb) environment += "SDL_VIDEODRIVER=dummy ";
    if (options.audio_file.empty()) {
        environment += "SDL_AUDIODRIVER=dummy ";
    } else {
        environment += "SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=" + quoted(options.audio_file) + " ";
    }
    return environment + options.environment + " ";
}

// Several X servers may start at once (tests of other programs, other
// engineers' runs); each run starts its search for a free display number at a
// place of its own.
std::string xvfb_command() {
    const int first_display = 100 + (int)((getpid() * 7919u + (unsigned)time(nullptr)) % 3000u);
    return "xvfb-run -a -n " + std::to_string(first_display) + " -s '-screen 0 1280x1024x24 +extension GLX' ";
}

bool lost_the_display(const std::string& run_dir) {
    const std::string log = read_file(run_dir + "/stdout.txt") + read_file(run_dir + "/stderr.txt");
    return log.find("Couldn't open X11 display") != std::string::npos;
}

}  // namespace

game_run_result run_game(const game_run_options& options) {
    game_run_result result;
    const std::string program =
        options.program[0] == '/' ? options.program : std::string(BRAWLER_BINARY_DIR) + "/" + options.program;
    const std::string script = std::string(BRAWLER_SOURCE_DIR) + "/tests/support/run_game.sh";
    const int attempts = options.use_xvfb ? 3 : 1;
    for (int attempt = 0; attempt < attempts; attempt++) {
        result.run_dir = make_run_dir(options);
        std::string command = environment_for(options, result.run_dir);
        if (options.use_xvfb) command += xvfb_command();
        command += "bash " + quoted(script) + " " + quoted(result.run_dir) + " " + quoted(program) + " " +
                   std::to_string(options.timeout_seconds) + " " + quoted(result.run_dir + "/keys.txt") + " " +
                   quoted(options.arguments);
        run_command(command + " >" + quoted(result.run_dir + "/xvfb.txt") + " 2>&1");
        if (!options.use_xvfb || !lost_the_display(result.run_dir)) break;
    }

    result.out = read_file(result.run_dir + "/stdout.txt");
    result.err = read_file(result.run_dir + "/stderr.txt");
    result.runner_log = read_file(result.run_dir + "/runner.txt");
    result.timed_out = result.runner_log.find("timeout\n") != std::string::npos;
    const std::string status = read_file(result.run_dir + "/status.txt");
    result.exit_status = (status.empty() || result.timed_out) ? -1 : atoi(status.c_str());
    std::istringstream shots(read_file(result.run_dir + "/shots.txt"));
    std::string shot;
    while (std::getline(shots, shot)) {
        if (!shot.empty()) result.screenshots.push_back(result.run_dir + "/" + shot);
    }
    return result;
}

const char* const SCRIPT_START_DEMO =
    "tap_until 30 Down cursor [3]\n"
    "key Return\n"
    "wait_log 60 Setting FPS [60]\n"
    // The match's first frame: loading can outlast any fixed pause on a
    // busy machine.
    "wait_log 60 Current Zoom [\n";
const char* const SCRIPT_LEAVE_MATCH_AND_QUIT =
    "key Escape\n"
    "wait_logn 60 2 MAIN MENU:\n"
    "press_until 30 Escape 1 Cleaning Image_Manager Cache\n";

const game_variant GAME_VARIANTS[4] = {
    {"brawler", false}, {"brawler", true}, {"brawler_scaled", false}, {"brawler_scaled", true}};

int game_run_result::log_count(const std::string& text) const {
    int count = 0;
    for (size_t at = out.find(text); at != std::string::npos; at = out.find(text, at + text.size())) count++;
    return count;
}

namespace {

// "X Y WIDTH HEIGHT" of the game's window; the whole picture when unknown.
screen_area window_area(const std::string& shot_path, int width, int height) {
    screen_area area;
    area.w = width;
    area.h = height;
    const std::string window_path = shot_path.substr(0, shot_path.rfind('.')) + ".window";
    std::istringstream numbers(read_file(window_path));
    screen_area placed;
    if (numbers >> placed.x >> placed.y >> placed.w >> placed.h) area = placed;
    return area;
}

}  // namespace

bool screenshot::load(const std::string& path) {
    SDL_Surface* loaded = IMG_Load(path.c_str());
    if (!loaded) return false;
    SDL_Surface* converted = rgb_copy(loaded, 3);
    SDL_FreeSurface(loaded);
    if (!converted) return false;
    width = converted->w;
    height = converted->h;
    window = window_area(path, width, height);
    rgb.resize((size_t)width * height * 3);
    SDL_LockSurface(converted);
    for (int row = 0; row < height; row++) {
        const unsigned char* source = (const unsigned char*)converted->pixels + row * converted->pitch;
        std::copy(source, source + width * 3, rgb.begin() + (size_t)row * width * 3);
    }
    SDL_UnlockSurface(converted);
    SDL_FreeSurface(converted);
    return true;
}

bool screenshot::is_near(int column, int row, int r, int g, int b, int tolerance) const {
    const unsigned char* pixel = &rgb[((size_t)row * width + column) * 3];
    return abs(pixel[0] - r) <= tolerance && abs(pixel[1] - g) <= tolerance && abs(pixel[2] - b) <= tolerance;
}

double screenshot::share_near(int x, int y, int w, int h, int r, int g, int b, int tolerance) const {
    int near = 0, total = 0;
    for (int row = std::max(y + window.y, 0); row < y + window.y + h && row < height; row++) {
        for (int column = std::max(x + window.x, 0); column < x + window.x + w && column < width; column++) {
            total++;
            near += is_near(column, row, r, g, b, tolerance);
        }
    }
    return total ? (double)near / total : 0.0;
}

double screenshot::share_near_outside(const screen_area& area, int r, int g, int b, int tolerance) const {
    int near = 0, total = 0;
    for (int row = 0; row < height; row++) {
        for (int column = 0; column < width; column++) {
            const bool inside =
                column >= area.x && column < area.x + area.w && row >= area.y && row < area.y + area.h;
            if (inside) continue;
            total++;
            near += is_near(column, row, r, g, b, tolerance);
        }
    }
    return total ? (double)near / total : 0.0;
}

int screenshot::colour_variety(int x, int y, int w, int h) const {
    std::vector<bool> seen(4096, false);
    int variety = 0;
    for (int row = std::max(y + window.y, 0); row < y + window.y + h && row < height; row++) {
        for (int column = std::max(x + window.x, 0); column < x + window.x + w && column < width; column++) {
            const unsigned char* pixel = &rgb[((size_t)row * width + column) * 3];
            const int key = (pixel[0] >> 4) << 8 | (pixel[1] >> 4) << 4 | (pixel[2] >> 4);
            if (!seen[key]) {
                seen[key] = true;
                variety++;
            }
        }
    }
    return variety;
}
