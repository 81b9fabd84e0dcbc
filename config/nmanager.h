#ifndef CONFIG_NMANAGER_H
#define CONFIG_NMANAGER_H

#include <cstdio>
#include <vector>

#include "config/name_list.h"

// A cache that loads each named resource once and hands the same object to
// every user. It owns what it made; the pointers it gives out stay valid
// until clean() or the end of the program. A failed load stays cached (as an
// empty object), so a missing file is not retried every time.
template <class T>
class nmanager {
public:
    nmanager() {}
    ~nmanager() {
        for (size_t i = owned.size(); i > 0; i--) delete owned[i - 1];
    }

    T* get(const char* name) {
        T* cached = names.find(name);
        if (cached) {
            printf("Found in nmanager cache [%s] assigning\n", name);
            return cached;
        }
        T* made = new T;
        made->load(name ? name : "");
        names.append(name ? name : "", made);
        owned.push_back(made);
        return made;
    }

    void clean() {
        for (T* item : owned) delete item;
        owned.clear();
        names.clear();
    }

    size_t size() const { return owned.size(); }

private:
    nmanager(const nmanager&);
    nmanager& operator=(const nmanager&);

    name_list<T> names;
    std::vector<T*> owned;
};

#endif
