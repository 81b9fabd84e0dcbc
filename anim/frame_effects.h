#ifndef ANIM_FRAME_EFFECTS_H
#define ANIM_FRAME_EFFECTS_H

// What the frames shown in one tick ask of the whole screen: a white flash
// of opacity `flash` that fades by `flash_rate` a frame, and a sideways
// shake of `shake` pixels; 0 asks for nothing. Animations only report them:
// the stage owns the screen's effects, and whoever plays a frame hands them
// on to it.
struct frame_effects {
    int flash;
    int flash_rate;
    int shake;

    // A frame shown later in the tick overrides what it asks for itself.
    void add(const frame_effects& later) {
        if (later.flash) {
            flash = later.flash;
            flash_rate = later.flash_rate;
        }
        if (later.shake) shake = later.shake;
    }
};

#endif
