#ifndef ANIM_ANIM_GROUP_H
#define ANIM_ANIM_GROUP_H

#include <vector>

#include "anim/ag_stack.h"
#include "anim/anim_mgr.h"
#include "platform/ref_ptr.h"

class shown_pictures;

// A set of definitions played side by side at one offset: the unit game
// code starts and stops (a fighter's move, a hit spark, the loading
// animation). `stack` holds the running records; it is filled from frame 0
// by the first play() and emptied as soon as one non-looping definition
// passes its last frame, after which the next play() starts all over.
//
// Copies (copy construction and assignment) hold counted references to the
// same definitions and duplicate the running records: a copied spark or
// projectile flight continues exactly where its source stands.
//
// Ownership of the definitions: see anim/anim_mgr.h. In short, adopt() a
// definition made with new and the groups free it when the last of them
// lets it go; add() leaves it to its creator.
class anim_group {
public:
    anim_group();
    anim_group(const anim_group& source);
    anim_group& operator=(const anim_group& source);
    ~anim_group();

    // Appends a definition; the caller keeps ownership of it.
    void add(const ref_ptr<Anim_Mgr>& definition);
    // Appends a definition made with new and hands it to the groups.
    void adopt(Anim_Mgr* definition);
    // Lets go of every definition (deleting adopted ones nobody else holds)
    // and of the running records.
    void clear();

    // A new running list (the caller owns it) of every definition from
    // frame 0, stopping at the first definition without frames; raises
    // width and height to the largest first-frame picture. Null when no
    // list could be allocated.
    ag_stack* make_stack();
    // 1 when the first definition has frames, so a fresh list would have
    // something to play.
    int playable() const;
    // playable(), printing make_stack's empty-animation warning when not.
    int check_playable() const;
    // Plays one tick at (x, y) + offset and `zoom`, adding the frames it
    // shows to `shown`, and returns what they ask of the screen. An empty
    // running list is refilled from frame 0 first.
    frame_effects play(int x, int y, double zoom, shown_pictures& shown);

    std::vector<ref_ptr<Anim_Mgr>> anims;
    int width;        // largest first-frame picture among anims
    int height;
    int offset_x;     // added to the position given to play()
    int offset_y;
    ag_stack* stack;  // owned, never null

private:
    void copy_from(const anim_group& source);
    void release_definitions();
    // Fills `running` with a fresh record per definition (make_stack's work).
    void fill_stack(ag_stack& running);
    void warn_empty(size_t index) const;
};

#endif
