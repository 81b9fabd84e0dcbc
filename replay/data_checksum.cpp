#include "replay/data_checksum.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "replay/checksum64.h"

namespace {

const char* const PLAY_FOLDERS[] = {"game/fighter", "rsrc"};

bool decides_play(const std::filesystem::path& file) {
    const std::string extension = file.extension().string();
    return extension == ".ini" || extension == ".png";
}

std::vector<std::string> files_that_decide_play() {
    std::vector<std::string> files;
    for (const char* folder : PLAY_FOLDERS) {
        std::error_code failure;
        std::filesystem::recursive_directory_iterator walk(folder, failure), end;
        for (; !failure && walk != end; walk.increment(failure)) {
            if (walk->is_regular_file(failure) && decides_play(walk->path())) files.push_back(walk->path().string());
        }
    }
    // The walk's order is the file system's; the checksum must not be.
    std::sort(files.begin(), files.end());
    return files;
}

// The name too: a file moved is other data.
void add_file(const std::string& path, checksum64& sum) {
    sum.add(path.c_str(), path.size() + 1);
    FILE* in = fopen(path.c_str(), "rb");
    if (!in) return;
    char block[65536];
    size_t got = 0;
    while ((got = fread(block, 1, sizeof(block), in)) > 0) sum.add(block, got);
    fclose(in);
}

}  // namespace

Uint64 data_checksum::of_data_tree() {
    checksum64 sum;
    for (const std::string& path : files_that_decide_play()) add_file(path, sum);
    return sum.value();
}
