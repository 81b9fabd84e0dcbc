#ifndef SHELL_DATA_TREE_H
#define SHELL_DATA_TREE_H

// Every path the game opens is relative to the data tree (game/, rsrc/).
// Started from a folder that holds one, the game uses it; started from
// anywhere else it moves to the tree it was built with.
void enter_data_tree();
bool holds_data_tree(const char* folder);

#endif
