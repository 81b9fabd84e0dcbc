#ifndef ANIM_ANIMATION_H
#define ANIM_ANIMATION_H

#include "anim/frame_effects.h"

class Anim_Mgr;
class definition_index;
class frame;
class shown_pictures;
class state_buffer;
class state_reader;
class state_writer;

// One running playback of one definition: which frame is shown and for how
// many more ticks. A tick is one call of the playback, once per displayed
// frame; a frame of rate n stays current for n ticks (0 or 1: one tick).
class animation {
public:
    animation();
    // Starts `definition` (which must have frames) at frame 0.
    explicit animation(Anim_Mgr* definition);

    // One tick of a group's playback: turn by 15 degrees on a spinning
    // frame, show the current frame at (x, y) and `zoom` into `shown`, count
    // down and move on. Returns what the frame asks of the screen. Inactive
    // records do nothing.
    frame_effects step(double zoom, shown_pictures& shown);
    // One tick off the shown frame; true once its time is up. The count
    // stops at 0, so a rate of 0 or less ends the frame after one tick and
    // never runs the count below the smallest int.
    bool count_down();
    // Moves to the next frame and resets the definition's angle; the rate
    // of the new frame is taken when there is one.
    void advance();
    // Back to frame 0 for a looping playback.
    void restart();
    // The playback went past the last frame of its definition.
    bool finished() const;
    const frame& shown_frame() const;

    // The definition is saved by its number in `definitions`; one that is
    // not there, or a frame past its end, fails the restore.
    void save(state_buffer& out, const definition_index& definitions) const;
    void restore(state_buffer& in, const definition_index& definitions);

    int x;            // screen position of the next frame shown
    int y;
    int current;      // index of the frame shown
    int ticks_left;   // ticks until current moves on
    int active;       // 0: neither shown nor advanced
    int loop;         // copied from the definition when started
    Anim_Mgr* def;    // not counted: the group's ref_ptr keeps it alive

private:
    template <class Archive, class Self>
    static void fields(Archive&& archive, Self& self, const definition_index& definitions);
    // The definition goes by its number in `definitions`.
    void definition_field(state_writer& archive, const definition_index& definitions) const;
    void definition_field(state_reader& archive, const definition_index& definitions);
};

#endif
