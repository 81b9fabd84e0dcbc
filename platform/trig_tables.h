#ifndef PLATFORM_TRIG_TABLES_H
#define PLATFORM_TRIG_TABLES_H

// 100 x sine and cosine of whole degrees, so the circle primitive and the CPU
// opponent take them without the maths library in the frame loop.
enum { TRIG_DEGREES = 360 };
extern int sin_table[TRIG_DEGREES];
extern int cos_table[TRIG_DEGREES];

void fill_trig_tables();

#endif
