#ifndef SHELL_DELETE_AND_CLEAR_H
#define SHELL_DELETE_AND_CLEAR_H

// Deletes what an owning pointer holds and empties it, so releasing twice
// (an early release, then the owner's destructor) frees nothing twice.
template <class T>
void delete_and_clear(T*& owned) {
    delete owned;
    owned = nullptr;
}

#endif
