#ifndef CONFIG_NAME_LIST_H
#define CONFIG_NAME_LIST_H

#include <cstring>

#include "config/tail_link.h"

// Copies a name into a node's field, cutting (with a log line) what does not
// fit. Shared by every name_list.
void copy_list_name(char* field, size_t field_size, const char* name);

// A singly linked list of (name, pointer) pairs: appended at the tail, looked
// up from the head by exact, case-sensitive name, the first match winning.
// The list does not own the objects it points at.
template <class T>
class name_list {
public:
    enum { NAME_SIZE = 256 };

    struct node {
        char name[NAME_SIZE];
        T* value;
        node* next;
    };

    name_list() : head(nullptr), tail(nullptr), length(0) {}
    ~name_list() { clear(); }

    void append(const char* name, T* value) {
        node* added = new node;
        copy_list_name(added->name, NAME_SIZE, name ? name : "");
        added->value = value;
        link_at_tail(head, tail, added);
        length++;
    }

    T* find(const char* name) const {
        if (!name) return nullptr;
        for (const node* at = head; at; at = at->next) {
            if (strcmp(at->name, name) == 0) return at->value;
        }
        return nullptr;
    }

    // Forgets every pair; the objects pointed at are left alone.
    void clear() {
        while (head) {
            node* next = head->next;
            delete head;
            head = next;
        }
        tail = nullptr;
        length = 0;
    }

    const node* first() const { return head; }
    int size() const { return length; }

private:
    name_list(const name_list&);
    name_list& operator=(const name_list&);

    node* head;
    node* tail;
    int length;
};

#endif
