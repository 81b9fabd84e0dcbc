#include "shell/data_tree.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>

#ifndef BRAWLER_DATA_DIR
#define BRAWLER_DATA_DIR "."
#endif

bool holds_data_tree(const char* folder) {
    const std::string base(folder);
    return access((base + "/game").c_str(), R_OK | X_OK) == 0 && access((base + "/rsrc").c_str(), R_OK | X_OK) == 0;
}

void enter_data_tree() {
    char here[PATH_MAX];
    if (!getcwd(here, sizeof(here))) here[0] = '\0';
    if (holds_data_tree(".")) {
        printf("Data tree [%s] (working directory)\n", here);
        return;
    }
    if (holds_data_tree(BRAWLER_DATA_DIR) && chdir(BRAWLER_DATA_DIR) == 0) {
        printf("Data tree [%s] (built with the game; started from [%s])\n", BRAWLER_DATA_DIR, here);
        return;
    }
    printf("WARNING: no data tree in [%s] nor in [%s]: files will be missing\n", here, BRAWLER_DATA_DIR);
}
