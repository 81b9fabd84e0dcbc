#ifndef CONFIG_STATE_READER_H
#define CONFIG_STATE_READER_H

#include <SDL/SDL.h>

#include <cstddef>
#include <string>
#include <type_traits>
#include <vector>

#include "config/state_buffer.h"

// The restoring side of a class's field list (see state_writer): the same
// calls, reading each value back into the field they name.
class state_reader {
public:
    explicit state_reader(state_buffer& in) : in(in) {}

    template <class T>
    void field(T& value, const char* name) {
        (void)name;
        in.get(value);
    }
    void context(const char*) {}
    void context(const std::string&) {}
    template <class... Values>
    void fields(const char* names, Values&... values) {
        (void)names;
        (get_listed(values), ...);
    }
    // A saved count above `limit` fails the buffer and gives 0.
    size_t count(size_t held, size_t limit, const char* name) {
        (void)held;
        (void)name;
        return in.get_count(limit);
    }
    template <class T>
    void length(std::vector<T>& list, size_t limit, const char* name) {
        list.resize(count(list.size(), limit, name));
    }
    // What was read can't be right (names something that isn't there).
    void fail() { in.fail(); }
    template <class Part, class... Context>
    void part(Part& restored, const Context&... extra) {
        restored.restore(in, extra...);
    }

private:
    template <class T>
    void get_listed(T& value) {
        if constexpr (std::is_arithmetic<T>::value) {
            in.get(value);
        } else {
            value.restore(in);
        }
    }
    void get_listed(bool& value) {
        Uint8 byte = 0;
        in.get(byte);
        value = byte != 0;
    }
    template <class T, size_t N>
    void get_listed(T (&list)[N]) {
        for (T& each : list) get_listed(each);
    }

    state_buffer& in;
};

#endif
