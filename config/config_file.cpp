#include "config/config_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Tokens longer than this are cut here; the rest of the token is skipped.
const size_t MAX_TOKEN = 511;

bool is_space(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// Reads the next white-space delimited token into token (at most MAX_TOKEN
// characters). Returns false at the end of the file with nothing read. A
// token at the very end of the file counts too: a final pair without a line
// end after it must not be lost.
bool read_token(FILE* file, char* token, bool* truncated) {
    int c = fgetc(file);
    while (c != EOF && is_space(c)) c = fgetc(file);
    if (c == EOF) return false;
    size_t length = 0;
    *truncated = false;
    while (c != EOF && !is_space(c)) {
        if (length < MAX_TOKEN) {
            token[length++] = (char)c;
        } else {
            *truncated = true;
        }
        c = fgetc(file);
    }
    token[length] = '\0';
    return true;
}

// Copies src into a fixed field, cutting it (with a log line) when it does not fit.
void copy_field(char* field, const char* src, const char* what) {
    const size_t limit = config_entry::FIELD_SIZE - 1;
    const size_t length = strlen(src);
    if (length > limit) {
        printf("WARNING: config %s [%.40s...] is %d characters long, cut to %d\n", what, src, (int)length, (int)limit);
    }
    const size_t kept = length > limit ? limit : length;
    memcpy(field, src, kept);
    field[kept] = '\0';
}

}  // namespace

config_file::config_file() : first(nullptr), last(nullptr) {}

config_file::~config_file() { reset(); }

void config_file::reset() {
    config_entry* entry = first;
    while (entry) {
        config_entry* next = entry->next;
        delete entry;
        entry = next;
    }
    first = nullptr;
    last = nullptr;
}

int config_file::load(const char* path) {
    printf("load config [%s]\n", path);
    FILE* file = fopen(path, "r");
    if (!file) {
        printf("Can't open [%s]\n", path);
        return 0;
    }
    char token[MAX_TOKEN + 1];
    bool truncated = false;
    while (read_token(file, token, &truncated)) {
        if (truncated) {
            printf("WARNING: token in [%s] longer than %d characters, cut: [%.40s...]\n", path, (int)MAX_TOKEN, token);
        }
        add_token(token);
    }
    fclose(file);
    return 1;
}

// key=value: the key runs to the first '=', the value to the next '=' or the
// token's end; leading '=' and runs of '=' count as one separator. A token
// without a value has no place in a data file and is skipped with a log line.
void config_file::add_token(const char* token) {
    const char* key = token;
    while (*key == '=') key++;
    const char* key_end = strchr(key, '=');
    const char* value = key_end;
    while (value && *value == '=') value++;
    if (!key_end || *key == '\0' || *value == '\0') {
        printf("WARNING: config token [%s] has no key=value pair, skipped\n", token);
        return;
    }
    const char* value_end = strchr(value, '=');
    char key_text[MAX_TOKEN + 1];
    char value_text[MAX_TOKEN + 1];
    const size_t key_length = (size_t)(key_end - key);
    const size_t value_length = value_end ? (size_t)(value_end - value) : strlen(value);
    memcpy(key_text, key, key_length);
    key_text[key_length] = '\0';
    memcpy(value_text, value, value_length);
    value_text[value_length] = '\0';
    add_entry(key_text, value_text);
}

void config_file::add_entry(const char* key, const char* value) {
    config_entry* entry = new config_entry;
    copy_field(entry->key, key, "key");
    copy_field(entry->value, value, "value");
    entry->next = nullptr;
    if (last) {
        last->next = entry;
    } else {
        first = entry;
    }
    last = entry;
}

const config_entry* config_file::find(const char* key) const {
    for (const config_entry* entry = first; entry; entry = entry->next) {
        if (strcmp(entry->key, key) == 0) return entry;
    }
    return nullptr;
}

bool config_file::has_key(const char* key) const { return find(key) != nullptr; }

int config_file::get_int(const char* key) const {
    const config_entry* entry = find(key);
    return entry ? atoi(entry->value) : 0;
}

const char* config_file::get_string(const char* key) const {
    const config_entry* entry = find(key);
    return entry ? entry->value : "";
}

double config_file::get_float(const char* key) const {
    const config_entry* entry = find(key);
    return entry ? atof(entry->value) : 0.0;
}
