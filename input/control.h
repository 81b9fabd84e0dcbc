#ifndef INPUT_CONTROL_H
#define INPUT_CONTROL_H

#include <SDL/SDL.h>

#include <string>
#include <vector>

// One key a control asks for. When the tracker mirrors keys (its owner faces
// right) the alternate key is read instead, so "left" always means toward
// the opponent. A twin is a second key that does the same thing (Space
// punches as i does): the key counts as pressed while either is held.
struct key_req {
    enum { NO_ALTERNATE = -1 };
    int alternate;
    int key;
    Uint8 state;  // 1 pressed, 0 released
    int twin;     // NO_ALTERNATE: none
};

// A named key pattern: every requirement must hold inside the window that
// opens strictly after the previous step's time + min and closes strictly
// before the previous step's time + max. A combo is a sequence of copies of
// controls.
class control {
public:
    enum { DEFAULT_MIN = 1, DEFAULT_MAX = 200 };

    control();
    explicit control(const char* control_name);
    void add_key(int alternate, int key, Uint8 state, int twin = key_req::NO_ALTERNATE);

    int min;
    int max;
    std::vector<key_req> keys;
    std::string name;
};

#endif
