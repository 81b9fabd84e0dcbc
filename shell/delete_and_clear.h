#ifndef SHELL_DELETE_AND_CLEAR_H
#define SHELL_DELETE_AND_CLEAR_H

#include <cstddef>

// Deletes what an owning pointer holds and empties it, so releasing twice
// (an early release, then the owner's destructor) frees nothing twice.
template <class T>
void delete_and_clear(T*& owned) {
    delete owned;
    owned = nullptr;
}

// The same for every pointer of an owning array.
template <class T, size_t N>
void delete_and_clear(T* (&owned)[N]) {
    for (T*& each : owned) delete_and_clear(each);
}

#endif
