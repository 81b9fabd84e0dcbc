#include "anim/static_scene.h"

// On the surface path nothing can be kept between frames: the pictures
// are blitted one by one every time.
void static_scene::draw_sw() const { draw_pictures(); }
