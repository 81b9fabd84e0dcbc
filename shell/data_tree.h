#ifndef SHELL_DATA_TREE_H
#define SHELL_DATA_TREE_H

// Every path the game opens is relative to the data tree (game/, rsrc/).
// The game moves into the first folder that holds one: the folder named on
// the command line; else the working directory; else the installed tree
// beside the program (../share/quillmoor from its bin/); else the tree it was
// built from. The log says which.
void enter_data_tree(const char* chosen);
bool holds_data_tree(const char* folder);

#endif
