#include "shell/colour_swap_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "config/config_file.h"
#include "config/numbered_key.h"

// Given to the right fighter whoever it is, so two copies of one character
// look different.
const char* const colour_swap_file::FIRST_PLAYER_FILE = "game/fighter/lunet_swap.ini";

namespace {

Uint8 colour_byte(const char* number) {
    const int value = atoi(number);
    if (value < 0) return 0;
    return value > 255 ? 255 : (Uint8)value;
}

}  // namespace

bool colour_swap_file::parse_colour(const char* text, Uint8* red, Uint8* green, Uint8* blue) {
    char copy[config_entry::FIELD_SIZE];
    snprintf(copy, sizeof(copy), "%s", text ? text : "");
    Uint8* channels[3] = {red, green, blue};
    char* rest = nullptr;
    char* part = strtok_r(copy, ",", &rest);
    for (int i = 0; i < 3; i++) {
        if (!part) return false;
        *channels[i] = colour_byte(part);
        part = strtok_r(nullptr, ",", &rest);
    }
    return true;
}

std::vector<colour_swap> colour_swap_file::read(const char* path, const SDL_PixelFormat* format) {
    std::vector<colour_swap> swaps;
    config_file file;
    file.load(path);
    int count = file.get_int("colors");
    if (count > MAX_PAIRS) {
        printf("WARNING: [%s] asks for [%d] colour swaps, using the first [%d]\n", path, count, (int)MAX_PAIRS);
        count = MAX_PAIRS;
    }
    if (!format) return swaps;
    for (int i = 0; i < count; i++) {
        const numbered_key source_key("color%dsource", i);
        const numbered_key target_key("color%dtarget", i);
        Uint8 r1, g1, b1, r2, g2, b2;
        if (!parse_colour(file.get_string(source_key.text), &r1, &g1, &b1) ||
            !parse_colour(file.get_string(target_key.text), &r2, &g2, &b2)) {
            printf("WARNING: colour swap [%d] of [%s] is not two red,green,blue colours, skipped\n", i, path);
            continue;
        }
        colour_swap pair;
        pair.source = SDL_MapRGB(format, r1, g1, b1);
        pair.target = SDL_MapRGB(format, r2, g2, b2);
        swaps.push_back(pair);
    }
    return swaps;
}
