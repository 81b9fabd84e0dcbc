#include "config/numbered_key.h"

#include <cstdarg>
#include <cstdio>

numbered_key::numbered_key(const char* pattern, ...) {
    va_list numbers;
    va_start(numbers, pattern);
    vsnprintf(text, sizeof text, pattern, numbers);
    va_end(numbers);
}
