#define DRAW_ON_GL false
#include "tests/stage/draw_cases.h"
