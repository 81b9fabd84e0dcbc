#include "shell/data_tree.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>

#ifndef BRAWLER_DATA_DIR
#define BRAWLER_DATA_DIR "."
#endif
// Where the installed data lies, seen from the installed program's folder.
#ifndef BRAWLER_INSTALLED_DATA
#define BRAWLER_INSTALLED_DATA "../share/quillmoor"
#endif

namespace {

// The folder of the running program, so an installed game finds its data
// whatever folder it was started from.
std::string program_folder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0) return "";
    const std::string program(path, (size_t)length);
    return program.substr(0, program.rfind('/'));
}

bool enter(const std::string& folder, const char* why, const char* started_from) {
    if (folder.empty() || !holds_data_tree(folder.c_str()) || chdir(folder.c_str()) != 0) return false;
    printf("Data tree [%s] (%s; started from [%s])\n", folder.c_str(), why, started_from);
    return true;
}

}  // namespace

bool holds_data_tree(const char* folder) {
    const std::string base(folder);
    return access((base + "/game").c_str(), R_OK | X_OK) == 0 && access((base + "/rsrc").c_str(), R_OK | X_OK) == 0;
}

void enter_data_tree(const char* chosen) {
    char here[PATH_MAX];
    if (!getcwd(here, sizeof(here))) here[0] = '\0';
    if (chosen && enter(chosen, "command line", here)) return;
    if (holds_data_tree(".")) {
        printf("Data tree [%s] (working directory)\n", here);
        return;
    }
    const std::string beside_program = program_folder();
    if (!beside_program.empty() && enter(beside_program + "/" + BRAWLER_INSTALLED_DATA, "installed", here)) return;
    if (enter(BRAWLER_DATA_DIR, "built with the game", here)) return;
    printf("WARNING: no data tree in [%s] nor in [%s]: files will be missing\n", here, BRAWLER_DATA_DIR);
}
