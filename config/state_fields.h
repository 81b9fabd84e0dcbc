#ifndef CONFIG_STATE_FIELDS_H
#define CONFIG_STATE_FIELDS_H

#include "config/state_reader.h"
#include "config/state_writer.h"

// Lists fields (numbers, bools, fixed arrays of them, and parts whose save
// and restore need only the buffer) in a field list, each written once: the
// text of the list labels them, so the field whose bytes differ between two
// states is named after its member. A list reads its class's own members
// through `self`, which the label leaves out; a part saved inside another
// names its parameter after what it is to its owner ("record", "tracker")
// so that the label says whose field it is.
//   STATE_FIELDS(archive, self.scroll_x, self.scroll_y, self.zoom);
#define STATE_FIELDS(archive, ...) (archive).fields(#__VA_ARGS__, __VA_ARGS__)

#endif
