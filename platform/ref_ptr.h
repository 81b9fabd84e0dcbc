#ifndef PLATFORM_REF_PTR_H
#define PLATFORM_REF_PTR_H

#include <cstdio>

// The program's shared pointer: one word pointing at an object whose first
// field is an int use count, `refs`. The count is kept for diagnostics only:
// reaching zero deletes nothing, because these objects are owned by their
// cache or container.
template <class T>
class ref_ptr {
public:
    ref_ptr() : target(nullptr) {}
    explicit ref_ptr(T* object) : target(object) { hold(); }
    ref_ptr(const ref_ptr& other) : target(other.target) { hold(); }
    ~ref_ptr() { release(); }

    ref_ptr& operator=(const ref_ptr& other) {
        if (other.target != target) {
            release();
            target = other.target;
            hold();
        }
        return *this;
    }

    // A null target is logged and answered with a harmless stand-in, never
    // with a null dereference.
    T* operator->() const {
        if (!target) {
            printf("Tried to -> on a NULL smart pointer");
            static T stand_in;
            return &stand_in;
        }
        return target;
    }
    T& operator*() const { return *operator->(); }
    T* get() const { return target; }
    explicit operator bool() const { return target != nullptr; }

private:
    void hold() {
        if (target) target->refs++;
    }
    void release() {
        if (target) target->refs--;
    }

    T* target;
};

#endif
