#include "gfx/surface_handle.h"

#include <cstdio>

surface_handle::surface_handle() : holder(nullptr) {}

surface_handle::surface_handle(const surface_handle& other) : holder(nullptr) { hold(other.holder); }

surface_handle& surface_handle::operator=(const surface_handle& other) {
    if (other.holder != holder) {
        surface_ref* target = other.holder;
        // Hold the new one first: letting go of the old holder may free it.
        if (target) target->count++;
        let_go();
        holder = target;
    }
    return *this;
}

surface_handle::~surface_handle() { let_go(); }

void surface_handle::attach_new() {
    let_go();
    hold(new surface_ref);
}

void surface_handle::reset() { let_go(); }

void surface_handle::swap(surface_handle& other) {
    surface_ref* mine = holder;
    holder = other.holder;
    other.holder = mine;
}

surface_ref* surface_handle::operator->() const {
    if (holder) return holder;
    printf("Tried to -> on a NULL smart pointer");
    // An empty stand-in: whatever a caller stored into it last time is
    // dropped, so nothing leaks into the next null access.
    static surface_ref stand_in;
    stand_in.release_surface();
    stand_in.count = 1;
    return &stand_in;
}

void surface_handle::hold(surface_ref* target) {
    holder = target;
    if (holder) holder->count++;
}

void surface_handle::let_go() {
    if (!holder) return;
    surface_ref* releasing = holder;
    holder = nullptr;
    releasing->count--;
    if (releasing->count >= 1) return;
    if (!releasing->surface && releasing->freed_early) {
        printf("____ERROR: Would be deleting surface [%x] but its already deleted\n", 0);
    }
    releasing->release_surface();
    delete releasing;
}
