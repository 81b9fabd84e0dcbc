#include "config/config_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "config/log_text.h"
#include "config/tail_link.h"

namespace {

// Tokens longer than this are cut here; the rest of the token is skipped.
const size_t MAX_TOKEN = 511;
// How much of an over-long token or field the log shows.
const size_t LOGGED_START = 40;
// A binary file read as a data file has a malformed token every few bytes;
// the first few are shown and the rest counted in one line.
const int MALFORMED_SHOWN = 5;
// Editors may start a text file with the UTF-8 byte-order mark; it belongs
// to no key.
const unsigned char BYTE_ORDER_MARK[] = {0xEF, 0xBB, 0xBF};

void skip_byte_order_mark(FILE* file) {
    for (const unsigned char expected : BYTE_ORDER_MARK) {
        if (fgetc(file) != expected) {
            rewind(file);
            return;
        }
    }
}

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
        const std::string start(src, LOGGED_START);
        printf("WARNING: config %s [%s...] is %d characters long, cut to %d\n", what, log_text(start.c_str()).c_str(),
               (int)length, (int)limit);
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
    printf("load config [%s]\n", log_text(path).c_str());
    FILE* file = fopen(path, "r");
    if (!file) {
        printf("Can't open [%s]\n", log_text(path).c_str());
        return 0;
    }
    source = path;
    skip_byte_order_mark(file);
    const config_entry* last_before = last;
    const int malformed = read_pairs(file, path);
    // A folder opens like a file and fails only when read.
    const int read_failed = ferror(file);
    const int reason = errno;
    fclose(file);
    if (malformed > MALFORMED_SHOWN) {
        printf("WARNING: [%d] more tokens without a key=value pair in [%s] skipped\n", malformed - MALFORMED_SHOWN,
               log_text(path).c_str());
    }
    if (read_failed) {
        printf("ERROR: Can't read [%s]: %s\n", log_text(path).c_str(), strerror(reason));
        return 0;
    }
    if (last == last_before) printf("WARNING: [%s] holds no key=value pairs\n", log_text(path).c_str());
    return 1;
}

// Appends every pair of the file; returns how many tokens held none (the
// first few of them are logged here).
int config_file::read_pairs(FILE* file, const char* path) {
    char token[MAX_TOKEN + 1];
    bool truncated = false;
    int malformed = 0;
    while (read_token(file, token, &truncated)) {
        if (truncated) {
            const std::string start(token, LOGGED_START);
            printf("WARNING: token in [%s] longer than %d characters, cut: [%s...]\n", log_text(path).c_str(),
                   (int)MAX_TOKEN, log_text(start.c_str()).c_str());
        }
        if (add_token(token)) continue;
        malformed++;
        if (malformed <= MALFORMED_SHOWN) {
            printf("WARNING: config token [%s] in [%s] has no key=value pair, skipped\n", log_text(token).c_str(),
                   log_text(path).c_str());
        }
    }
    return malformed;
}

// key=value: the key runs to the first '=', the value to the next '=' or the
// token's end; leading '=' and runs of '=' count as one separator. A token
// without a value has no place in a data file: it is left out (false).
bool config_file::add_token(const char* token) {
    const char* key = token;
    while (*key == '=') key++;
    const char* key_end = strchr(key, '=');
    const char* value = key_end;
    while (value && *value == '=') value++;
    if (!key_end || *key == '\0' || *value == '\0') return false;
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
    return true;
}

void config_file::add_entry(const char* key, const char* value) {
    config_entry* entry = new config_entry;
    copy_field(entry->key, key, "key");
    copy_field(entry->value, value, "value");
    link_at_tail(first, last, entry);
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

// Data files name other files relative to the data tree. A name that starts
// at the root or climbs above the tree with ".." could make a shared data
// file read anything on the machine; such a name is refused, and so is one
// holding control bytes, which no file of the tree has.
const char* config_file::get_path(const char* key) const {
    const char* path = get_string(key);
    if (path_inside_tree(path)) return path;
    printf("WARNING: [%s] names [%s] in [%s], outside the data tree: refused\n", log_text(key).c_str(),
           log_text(path).c_str(), log_text(source.c_str()).c_str());
    return "";
}

namespace {

// Folders outside the data tree whose files data files may name by their
// whole path: the test programs make their data on the spot in such folders.
std::vector<std::string>& allowed_folders() {
    static std::vector<std::string> folders;
    return folders;
}

// `path` with an allowed folder's name taken off its front, or `path`.
const char* within_allowed_folder(const char* path) {
    for (const std::string& folder : allowed_folders()) {
        if (strncmp(path, folder.c_str(), folder.size()) == 0 && path[folder.size()] == '/') {
            return path + folder.size() + 1;
        }
    }
    return path;
}

}  // namespace

void config_file::allow_folder(const std::string& folder) { allowed_folders().push_back(folder); }

bool config_file::path_inside_tree(const char* path) {
    path = within_allowed_folder(path);
    if (path[0] == '/') return false;
    int depth = 0;
    const char* part = path;
    while (*part) {
        const char* part_end = strchr(part, '/');
        const size_t length = part_end ? (size_t)(part_end - part) : strlen(part);
        if (length == 2 && part[0] == '.' && part[1] == '.') {
            if (--depth < 0) return false;
        } else if (length > 0 && !(length == 1 && part[0] == '.')) {
            depth++;
        }
        for (size_t i = 0; i < length; i++) {
            const unsigned char byte = (unsigned char)part[i];
            if (byte < 0x20 || byte == 0x7F) return false;
        }
        part += length;
        if (*part == '/') part++;
    }
    return true;
}
