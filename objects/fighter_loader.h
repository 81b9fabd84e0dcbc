#ifndef OBJECTS_FIGHTER_LOADER_H
#define OBJECTS_FIGHTER_LOADER_H

#include "config/config_file.h"

class combo;
class img_mgr;
class lifeform;

// Reads a fighter file into a freshly built lifeform: hit points and size
// factors, one animation file per move (their position is their meaning),
// the still pictures (recoloured copies when the fighter has colour swaps),
// and the combos bound through the fighter's control map. The loading
// animation ticks after every step. Missing or broken entries are logged
// and left out; the fighter still plays.
class fighter_loader {
public:
    // Larger counts in a file are taken for typing errors and cut down.
    enum { MAX_ENTRIES = 100 };

    explicit fighter_loader(lifeform& fighter);
    void load(const char* path);

private:
    fighter_loader(const fighter_loader&);
    fighter_loader& operator=(const fighter_loader&);

    int read_count(const char* key) const;
    double read_factor(const char* key, double current) const;
    const char* read_name(const char* key) const;
    void read_moves();
    void read_pictures();
    img_mgr* read_picture(int index);
    void recolour(img_mgr* picture);
    static void report_uncoloured(const img_mgr& picture);
    void read_combos();
    void bind_steps(int index, int step_count, combo& bound);

    lifeform& fighter;
    config_file file;
    const char* path;
};

#endif
