#ifndef CONFIG_NUMBERED_KEY_H
#define CONFIG_NUMBERED_KEY_H

#include "config/config_file.h"

// A key of a data file that carries numbers, e.g. "combo2move1" from
// "combo%dmove%d", 2, 1. Longer than a config field it could never match a
// key, so it is cut there.
class numbered_key {
public:
    numbered_key(const char* pattern, ...) __attribute__((format(printf, 2, 3)));

    char text[config_entry::FIELD_SIZE];
};

#endif
