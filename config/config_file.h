#ifndef CONFIG_CONFIG_FILE_H
#define CONFIG_CONFIG_FILE_H

#include <cstdio>
#include <string>

// Every data file of the game is a flat list of key=value tokens separated by
// white space. config_file reads one into an ordered table and answers
// lookups by exact key; duplicates are kept and the first one answers.
struct config_entry {
    enum { FIELD_SIZE = 255 };
    char key[FIELD_SIZE];
    char value[FIELD_SIZE];
    config_entry* next;
};

class config_file {
public:
    config_file();
    ~config_file();

    // Appends the file's pairs to the table. 0 when the file can't be opened
    // or read.
    int load(const char* path);
    void reset();
    void add_entry(const char* key, const char* value);

    const config_entry* find(const char* key) const;
    bool has_key(const char* key) const;
    int get_int(const char* key) const;
    const char* get_string(const char* key) const;
    double get_float(const char* key) const;
    // The file name `key` gives, relative to the data tree; the empty name,
    // with a log line, when it would leave the tree.
    const char* get_path(const char* key) const;
    static bool path_inside_tree(const char* path);
    // Lets data files name files in `folder` (a whole path, no final "/")
    // as if it were part of the data tree.
    static void allow_folder(const std::string& folder);

    const config_entry* first_entry() const { return first; }

private:
    config_file(const config_file&);
    config_file& operator=(const config_file&);

    int read_pairs(FILE* file, const char* path);
    bool add_token(const char* token);

    config_entry* first;
    config_entry* last;
    // The file last loaded, named in the lines about its contents.
    std::string source;
};

#endif
