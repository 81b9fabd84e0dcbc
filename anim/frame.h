#ifndef ANIM_FRAME_H
#define ANIM_FRAME_H

class img_mgr;
class sound_handle;

// One frame of an animation: the picture to show, for how long, the sound to
// play and the effects the animation file gives it. The picture is not owned
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
    int rate;
    int has_sound;
    int flash;
    int shake;
    int flashrate;
    int fire;
    int spin;
    int trail;
    int xoffset;
    int yoffset;

private:
    void copy_effects(const frame& src);
};

// Live frames, for the life-cycle log lines.
extern int frame_count;

#endif
