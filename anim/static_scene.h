#ifndef ANIM_STATIC_SCENE_H
#define ANIM_STATIC_SCENE_H

#include <vector>

class Anim_Mgr;

// A fixed picture made of definitions at fixed places (the main menu's
// logo, title and credit lines), drawn as one. Every picture of every frame
// of each entry is drawn bottom-anchored at the entry's zoom. On the surface
// path it is drawn picture by picture every time; on the OpenGL path the
// first draw uploads the pictures and compiles them into one display list,
// which every later draw replays, so entries added after the first draw do
// not show there.
//
// The scene holds its definitions without counting or owning them: their
// creator deletes them after the scene. Destroy a scene on the OpenGL path
// while the video mode is still set, so its display list can be freed.
class static_scene {
public:
    struct entry {
        Anim_Mgr* anim;
        int x;
        int y;
        double zoom;
    };

    static_scene();
    ~static_scene();

    // Appends an entry; returns its index.
    int add(Anim_Mgr* anim, int x, int y, double zoom);
    void draw();

    std::vector<entry> entries;
    std::vector<unsigned int> display_lists;  // GL names, empty until the first OpenGL draw
    int lists_context = 0;                    // the GL context (screen_mgr::gl_context) they live in

private:
    static_scene(const static_scene&);
    static_scene& operator=(const static_scene&);

    void draw_pictures() const;
    void upload_pictures() const;
    // One per rendering path (static_scene_sw.cpp, static_scene_gl.cpp).
    void draw_sw() const;
    void draw_gl();
    void free_display_lists();
};

#endif
