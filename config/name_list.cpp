#include "config/name_list.h"

#include <cstdio>

void copy_list_name(char* field, size_t field_size, const char* name) {
    const size_t length = strlen(name);
    if (length >= field_size) {
        printf("WARNING: name [%.40s...] is longer than %d characters, cut\n", name, (int)field_size - 1);
    }
    snprintf(field, field_size, "%s", name);
}
