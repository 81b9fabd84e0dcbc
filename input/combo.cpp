#include "input/combo.h"

combo::combo() : combo_type(0), total_min(0), total_max(0) {}
