#include "gfx/zoom_cache.h"

#include <algorithm>

namespace {

// Every version of every picture, least recently drawn first. Never
// destroyed: pictures owned by globals are freed at exit in no fixed order.
std::list<zcache_entry*>& recently_drawn() {
    static std::list<zcache_entry*>* order = new std::list<zcache_entry*>;
    return *order;
}
size_t total_bytes = 0;
size_t byte_budget = zoom_cache::DEFAULT_BUDGET;

size_t bytes_of(const SDL_Surface* surface) { return (size_t)surface->pitch * (size_t)surface->h; }

}  // namespace

int zoom_key(float zx, float zy, int angle) {
    return (int)((long double)zx * 256.0L + (long double)angle * 65536.0L + (long double)zy);
}

int floor_key(double zoom) { return (int)(zoom * 25.0); }

zoom_cache::zoom_cache() {}

zoom_cache::zoom_cache(const zoom_cache&) {}

zoom_cache& zoom_cache::operator=(const zoom_cache&) { return *this; }

zoom_cache::~zoom_cache() { clear(); }

SDL_Surface* zoom_cache::find(int key, const zoom_view& view) {
    for (zcache_entry* entry : entries) {
        if (entry->key == key && entry->view == view) {
            recently_drawn().splice(recently_drawn().end(), recently_drawn(), entry->recent);
            return entry->surface;
        }
    }
    return nullptr;
}

bool zoom_cache::add(SDL_Surface* surface, int key, const zoom_view& view) {
    const size_t bytes = bytes_of(surface);
    if (bytes > byte_budget) return false;
    evict_to(byte_budget - bytes);
    zcache_entry* entry = new zcache_entry{surface, key, view, bytes, this, {}};
    entry->recent = recently_drawn().insert(recently_drawn().end(), entry);
    entries.push_back(entry);
    total_bytes += bytes;
    return true;
}

void zoom_cache::clear() {
    while (!entries.empty()) remove(entries.back());
}

void zoom_cache::remove(zcache_entry* entry) {
    entries.erase(std::find(entries.begin(), entries.end(), entry));
    recently_drawn().erase(entry->recent);
    total_bytes -= entry->bytes;
    if (entry->surface) SDL_FreeSurface(entry->surface);
    delete entry;
}

void zoom_cache::evict_to(size_t bytes) {
    while (total_bytes > bytes && !recently_drawn().empty()) {
        zcache_entry* oldest = recently_drawn().front();
        oldest->owner->remove(oldest);
    }
}

size_t zoom_cache::bytes_in_use() { return total_bytes; }

size_t zoom_cache::budget() { return byte_budget; }

void zoom_cache::set_budget(size_t bytes) {
    byte_budget = bytes;
    evict_to(byte_budget);
}
