#ifndef ANIM_FRAME_H
#define ANIM_FRAME_H

class img_mgr;
class sound_handle;

// What the animation file sets for one frame besides its picture and sound:
// how long it is shown and the effects it starts. Plain values, so a copied
// frame takes them all with one assignment.
struct frame_settings {
    int rate = 0;  // ticks the frame is shown
    int has_sound = 0;
    int flash = 0;
    int shake = 0;
    int flashrate = 10;
    int fire = 0;
    int spin = 0;
    int trail = 0;
    int xoffset = 0;
    int yoffset = 0;
};

// One frame of an animation: the picture to show, the sound to play and the
// settings the animation file gives it. The picture is not owned
// (it belongs to Image_Manager or to the animation); the sound record is: a
// frame keeps its own copy of the record it was given, while the sample
// itself stays with the sound cache.
class frame {
public:
    frame();
    frame(const frame& src);
    frame& operator=(const frame& src);
    ~frame();

    // Keeps a copy of `record` (null clears the sound).
    void set_sound(const sound_handle* record);

    img_mgr* image;
    sound_handle* sound;
    frame_settings settings;
};

// Live frames, for the life-cycle log lines.
extern int frame_count;

#endif
