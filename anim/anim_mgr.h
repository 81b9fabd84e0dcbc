#ifndef ANIM_ANIM_MGR_H
#define ANIM_ANIM_MGR_H

#include <vector>

#include "anim/colour_swap.h"
#include "anim/frame_effects.h"

class config_file;
class frame;
class img_mgr;
class shown_pictures;

// One animation definition: the frames of one animation file, and how to
// draw any one of them. It does not know which frame is current; that is
// the business of the `animation` records that play it (anim/animation.h).
//
// Sharing: an Anim_Mgr is shared through ref_ptr<Anim_Mgr> by every group
// that plays it (the count is `refs`, the first field). ref_ptr deletes
// nothing, so who deletes a definition is decided like this:
//   - A definition handed to a group with anim_group::adopt() belongs to the
//     groups: it is deleted when the last anim_group holding it (the one it
//     was adopted by, or any copy of it: hit sparks, projectiles) is
//     destroyed, cleared or assigned over. A fighter that adopts its move
//     definitions into its move groups and deletes those groups frees every
//     definition with itself, whatever order its copies die in.
//   - A definition given with anim_group::add() is the creator's to delete,
//     after every group holding it has let it go.
// Deleting a definition frees its frames and the private recoloured copies
// of pictures it made while loading with colour swaps; the cached pictures
// belong to Image_Manager and are never freed here.
class Anim_Mgr {
public:
    Anim_Mgr();
    ~Anim_Mgr();

    // Reads an animation file ("images", "loop", then per frame "image%d",
    // "rate%d", "shake%d", "flash%d", "flashrate%d", "fire%d", "spin%d",
    // "trail%d", "xoffset%d", "yoffset%d", "sound%d"), replacing the frames.
    // Fill colour_swaps and mirrored first. An unreadable file or one without
    // frames leaves the definition empty; a frame whose picture can't be
    // loaded is left out with a log line.
    void load(const char* path);
    // Lets go of the frames and of the recoloured copies they showed; the
    // definition can be loaded again.
    void clear();
    // Appends a frame showing one picture (not owned) for `rate` ticks: the
    // one-picture definitions of the menu scenes.
    void add_picture(img_mgr* picture, int rate);
    // Shows frame `index` (past the end: the last one) with its top-left at
    // (x, y) before `zoom`, its bottom edge kept in place under scaling:
    // measures it, turns and fades its picture as the definition says, adds
    // the picture and its sound to `shown` for painting, and returns the
    // flash and shake the frame asks for.
    frame_effects show_frame(int x, int y, int index, double zoom, shown_pictures& shown);

    int refs;                 // ref_ptr's use count; must stay the first field
    int owned_by_groups;      // 1: deleted by the last anim_group letting go (anim_group::adopt)
    std::vector<frame> frames;
    int loop;                 // 1 when the file's "loop" is nonzero
    int mirrored;             // 1: every frame picture is drawn facing the other way
    int angle;                // rotation in degrees; spin adds to it, a frame change resets it
    int height;               // tallest frame after load; the frame last shown after show_frame
    int width;
    int alpha;                // opacity 0-255 given to the picture before drawing
    double scale;             // the definition's own scale ("move%dscale")
    double owner_scale;       // the scale of the object playing it, written every tick
    std::vector<colour_swap> colour_swaps;  // applied to every picture while loading

private:
    Anim_Mgr(const Anim_Mgr&);
    Anim_Mgr& operator=(const Anim_Mgr&);

    void read_frame(const config_file& file, int index, const char* path);
    img_mgr* recoloured(img_mgr* cached);
    void free_private_copies();

    std::vector<img_mgr*> private_copies;  // recoloured pictures this definition owns
};

#endif
