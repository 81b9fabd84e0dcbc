#ifndef GFX_SURFACE_HANDLE_H
#define GFX_SURFACE_HANDLE_H

#include "gfx/surface_ref.h"

// A picture's hold on a surface_ref. Copying shares the holder (its count
// goes up), destroying or resetting lets go of it; the last one to let go
// frees the surface. Going through a null handle is logged and answered
// with an empty stand-in, never with a null dereference.
class surface_handle {
public:
    surface_handle();
    surface_handle(const surface_handle& other);
    surface_handle& operator=(const surface_handle& other);
    ~surface_handle();

    // Lets go of the current holder and takes a new, empty one.
    void attach_new();
    // Lets go of the current holder; the handle becomes null.
    void reset();
    void swap(surface_handle& other);

    bool is_null() const { return holder == nullptr; }
    // The surface held, or null for a null handle or an empty holder,
    // without logging: for the checks that decide whether to go on.
    SDL_Surface* pixels() const { return holder ? holder->surface : nullptr; }
    surface_ref* get() const { return holder; }
    surface_ref* operator->() const;

private:
    void hold(surface_ref* target);
    void let_go();

    surface_ref* holder;
};

#endif
