// Fuzzes the reader every data file goes through: any bytes on disk must
// give a table of well-formed pairs (a key and a value, each shorter than its
// field, neither holding white space or "="), and every lookup must answer
// from it.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "config/config_file.h"
#include "fuzz/fuzz_session.h"

namespace {

bool well_formed(const char* text) {
    const size_t length = strnlen(text, config_entry::FIELD_SIZE);
    if (length == 0 || length >= (size_t)config_entry::FIELD_SIZE) return false;
    return strpbrk(text, "= \t\n\r\v\f") == nullptr;
}

void expect(bool holds, const char* what, const config_entry& entry) {
    if (holds) return;
    fprintf(stderr, "config reader: %s for key [%.254s] value [%.254s]\n", what, entry.key, entry.value);
    abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz_session::write_file("config.ini", data, size);
    config_file table;
    if (!table.load(path.c_str())) abort();
    for (const config_entry* entry = table.first_entry(); entry; entry = entry->next) {
        expect(well_formed(entry->key), "malformed key", *entry);
        expect(well_formed(entry->value), "malformed value", *entry);
        const config_entry* found = table.find(entry->key);
        expect(found && strcmp(found->key, entry->key) == 0, "lookup misses its own key", *entry);
        expect(table.has_key(entry->key), "has_key misses its own key", *entry);
        expect(strcmp(table.get_string(entry->key), found->value) == 0, "get_string differs from find", *entry);
        table.get_int(entry->key);
        table.get_float(entry->key);
    }
    // Reading the same file again appends the same pairs after the first ones.
    table.load(path.c_str());
    table.reset();
    if (table.first_entry() || table.has_key("images")) abort();
    return 0;
}
