#ifndef CONFIG_TAIL_LINK_H
#define CONFIG_TAIL_LINK_H

// Appends `added` to a singly linked list kept by its first and last nodes,
// so lists that are read in the order they were written need no walk to
// their end. Node is any struct with a `next` pointer.
template <class Node>
void link_at_tail(Node*& first, Node*& last, Node* added) {
    added->next = nullptr;
    if (last) {
        last->next = added;
    } else {
        first = added;
    }
    last = added;
}

#endif
