#ifndef CONFIG_CONFIG_FILE_H
#define CONFIG_CONFIG_FILE_H

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

    // Appends the file's pairs to the table. 0 when the file can't be opened.
    int load(const char* path);
    void reset();
    void add_entry(const char* key, const char* value);

    const config_entry* find(const char* key) const;
    bool has_key(const char* key) const;
    int get_int(const char* key) const;
    const char* get_string(const char* key) const;
    double get_float(const char* key) const;

    const config_entry* first_entry() const { return first; }

private:
    config_file(const config_file&);
    config_file& operator=(const config_file&);

    void add_token(const char* token);

    config_entry* first;
    config_entry* last;
};

#endif
