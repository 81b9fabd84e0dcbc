#include "shell/roster.h"

const roster_entry ROSTER[ROSTER_SIZE] = {
    {"game/fighter/lunet_char.ini", "rsrc/lunet/lunet_action_shot.png"},
    {"game/fighter/halvard_char.ini", "rsrc/halvard/halvard_action_shot_ha.png"},
    {"game/fighter/tamsin_char.ini", "rsrc/tamsin/tamsin_action_shot.png"},
    {"game/fighter/morrow_char.ini", "rsrc/morrow/morrow_action_shot.png"},
};
