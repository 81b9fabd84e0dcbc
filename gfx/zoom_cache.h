#ifndef GFX_ZOOM_CACHE_H
#define GFX_ZOOM_CACHE_H

#include <SDL/SDL.h>

#include <cstddef>
#include <list>
#include <vector>

class zoom_cache;

// The cache key of a zoom pair and angle (0..359): zx x 256 + angle x 65536
// + zy, truncated. Only a first filter: distinct pairs meet on one key (a
// fighter's flat shadow and its picture at the same zoom x, for one).
int zoom_key(float zx, float zy, int angle);
// The stage floor's own key: zoom x 25, truncated.
int floor_key(double zoom);

// What a version was made for. A version is drawn only for exactly this:
// a neighbouring zoom pair on the same key would get a picture of the wrong
// size or shape.
struct zoom_view {
    enum { FLOOR_ANGLE = -1 };  // the floor's versions; drawn angles are 0..359

    float zx, zy;
    int angle;
    int mirrored;

    bool operator==(const zoom_view& other) const {
        return zx == other.zx && zy == other.zy && angle == other.angle && mirrored == other.mirrored;
    }
};

// One zoomed or rotated version of a picture, in display format, owned by
// the cache of the picture it was made from.
struct zcache_entry {
    SDL_Surface* surface;
    int key;
    zoom_view view;
    size_t bytes;
    zoom_cache* owner;
    std::list<zcache_entry*>::iterator recent;
};

// The zoomed versions of one picture already made on the surface path. All
// caches together stay within one byte budget: adding a version past it
// drops the least recently drawn versions, of whichever picture, first.
// Without that, a camera whose zoom changes every frame would leave a new
// converted copy of a fighter's picture at almost every zoom.
class zoom_cache {
public:
    enum { DEFAULT_BUDGET = 16 * 1024 * 1024 };

    zoom_cache();
    // A copy starts empty: every version belongs to exactly one picture.
    zoom_cache(const zoom_cache&);
    zoom_cache& operator=(const zoom_cache&);
    ~zoom_cache();

    // The version made for this key and view; marks it as just drawn. Null
    // when there is none.
    SDL_Surface* find(int key, const zoom_view& view);
    // Takes ownership of `surface`. Returns false, keeping nothing, when the
    // surface alone is larger than the whole budget: the caller frees it.
    bool add(SDL_Surface* surface, int key, const zoom_view& view);
    void clear();
    size_t size() const { return entries.size(); }

    static size_t bytes_in_use();
    static size_t budget();
    static void set_budget(size_t bytes);

private:
    void remove(zcache_entry* entry);
    static void evict_to(size_t bytes);

    std::vector<zcache_entry*> entries;
};

#endif
