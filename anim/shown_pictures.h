#ifndef ANIM_SHOWN_PICTURES_H
#define ANIM_SHOWN_PICTURES_H

#include <SDL/SDL.h>

#include <cstddef>
#include <vector>

class img_mgr;
class sound_handle;

// One picture as a frame shows it: where, how large, turned and faded how,
// all decided while the frame was advanced, and the sound that comes with
// it. The picture is shared (the image cache's or a definition's), so its
// facing and opacity are recorded as they were when it was chosen.
struct shown_picture {
    enum how {
        PLAIN,     // display(x, y)
        SCALED,    // display_scaled at zoom_x
        SQUASHED,  // display_zoomed by zoom_x, zoom_y: the floor shadow
        TURNED     // display at zoom_x, zoom_y, turned by angle
    };
    img_mgr* picture;    // null: only the sound
    const sound_handle* sound;  // null: silent
    how drawn;
    int x;
    int y;
    double zoom_x;
    double zoom_y;
    int angle;
    Uint8 alpha;
    Uint8 mirrored;
};

// The pictures an object or an effect shows in one frame, in the order they
// are painted. The advance of a frame fills the list; painting it only puts
// the pictures on the screen and plays their sounds: every picture is left
// facing and faded as the advance left it, so a painted frame and an unseen
// one leave the match in the same state.
class shown_pictures {
public:
    void clear() { entries.clear(); }
    void add(const shown_picture& entry) { entries.push_back(entry); }
    size_t size() const { return entries.size(); }
    const shown_picture& operator[](size_t index) const { return entries[index]; }

    // Paints entries [first, end) in order.
    void draw(size_t first, size_t end) const;
    void draw() const { draw(0, entries.size()); }

private:
    static void draw_one(const shown_picture& entry);

    std::vector<shown_picture> entries;
};

#endif
