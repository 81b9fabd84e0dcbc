#include "platform/trig_tables.h"

#include <cmath>

int sin_table[TRIG_DEGREES];
int cos_table[TRIG_DEGREES];

void fill_trig_tables() {
    const double radians_per_degree = M_PI / 180.0;
    for (int degree = 0; degree < TRIG_DEGREES; degree++) {
        // lround rounds halves away from zero.
        sin_table[degree] = (int)lround(100.0 * sin(degree * radians_per_degree));
        cos_table[degree] = (int)lround(100.0 * cos(degree * radians_per_degree));
    }
}
