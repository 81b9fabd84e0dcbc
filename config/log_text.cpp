#include "config/log_text.h"

#include <cstdio>

namespace {

bool printable(unsigned char byte) { return byte >= 0x20 && byte < 0x7F && byte != '\\'; }

}  // namespace

log_text::log_text(const char* raw) {
    for (const char* at = raw ? raw : ""; *at; at++) {
        const unsigned char byte = (unsigned char)*at;
        if (printable(byte)) {
            text += (char)byte;
        } else {
            char escaped[5];
            snprintf(escaped, sizeof(escaped), "\\x%02X", byte);
            text += escaped;
        }
    }
}
