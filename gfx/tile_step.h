#ifndef GFX_TILE_STEP_H
#define GFX_TILE_STEP_H

// The menus' backdrop is a TILE_SIZE square tile laid every TILE_STEP_X
// pixels across and TILE_STEP_Y down: each tile is drawn squeezed across and
// stretched down to fill its step exactly.
enum { TILE_SIZE = 128, TILE_STEP_X = 115, TILE_STEP_Y = 140 };

#endif
