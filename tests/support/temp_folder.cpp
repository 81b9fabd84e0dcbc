#include "tests/support/temp_folder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

temp_folder::temp_folder(const char* prefix) {
    std::string pattern = std::string("/tmp/") + prefix + "_XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data())) folder = name.data();
}

temp_folder::~temp_folder() {
    if (folder.empty()) return;
    std::error_code failure;
    std::filesystem::remove_all(folder, failure);
    if (failure) printf("could not remove %s: %s\n", folder.c_str(), failure.message().c_str());
}

std::string temp_folder::write(const std::string& name, const std::string& contents) const {
    const std::string path = file(name);
    FILE* out = fopen(path.c_str(), "wb");
    if (out) {
        fwrite(contents.data(), 1, contents.size(), out);
        fclose(out);
    }
    return path;
}
