#ifndef CONFIG_STATE_WRITER_H
#define CONFIG_STATE_WRITER_H

#include <SDL/SDL.h>

#include <cstddef>
#include <string>
#include <type_traits>
#include <vector>

#include "config/state_buffer.h"

// The saving side of a class's field list. A class lists its saved fields
// once, in a template over the archive, and runs that list with a
// state_writer to save and with a state_reader to restore: the two share
// these calls, so a field cannot be saved without being restored, nor in
// another order. The object comes in const here, the reader's not.
class state_writer {
public:
    explicit state_writer(state_buffer& out) : out(out) {}

    template <class T>
    void field(const T& value, const char* name) {
        out.put(value, name);
    }
    // Fields in the order given, `names` listing them as the list wrote
    // them, comma-separated (STATE_FIELDS writes both at once).
    template <class... Values>
    void fields(const char* names, const Values&... values) {
        int entry = 0;
        (put_listed(values, names, entry++), ...);
    }
    // Names the part of the state the fields that follow belong to, for
    // the labels that name two states' first difference.
    void context(const char* where) { out.set_context(where); }
    void context(const std::string& where) { out.set_context(where); }
    // How many entries follow; a reader gets at most `limit` back. Returns
    // the number of entries to list.
    size_t count(size_t held, size_t limit, const char* name) {
        (void)limit;
        out.put_count(held, name);
        return held;
    }
    // The length of a list whose entries follow; a reader resizes it.
    template <class T>
    void length(const std::vector<T>& list, size_t limit, const char* name) {
        count(list.size(), limit, name);
    }
    // A part with a field list of its own, saved in place.
    template <class Part, class... Context>
    void part(const Part& saved, const Context&... extra) {
        saved.save(out, extra...);
    }

private:
    // A number as it is; a part that needs nothing more than the buffer
    // saves its own fields in place, under their own names.
    template <class T>
    void put_listed(const T& value, const char* names, int entry) {
        if constexpr (std::is_arithmetic<T>::value) {
            out.put(value, names, entry);
        } else {
            value.save(out);
        }
    }
    // A bool as one byte, 0 or 1.
    void put_listed(bool value, const char* names, int entry) { out.put((Uint8)value, names, entry); }
    // Each entry of a fixed array, all under the array's name.
    template <class T, size_t N>
    void put_listed(const T (&list)[N], const char* names, int entry) {
        for (const T& each : list) put_listed(each, names, entry);
    }

    state_buffer& out;
};

#endif
