#ifndef INPUT_CONTROL_MAPS_H
#define INPUT_CONTROL_MAPS_H

class control;
class name_list;

// The fixed key layouts by the names fighter files spell their combos with
// ("up", "noup", "down", "left", "right", "punch", "kick", "noleft",
// "noright"). p1 is the right fighter (arrows, i, k), p2 the left one
// (w, a, s, d, Tab, z). Built once before the first match, released at quit;
// null before build_control_maps().
extern name_list* p1_controls;
extern name_list* p2_controls;

void build_control_maps();
void release_control_maps();

// The control a map holds under that name, or null (also for a null map).
const control* find_control(const name_list* map, const char* name);

#endif
