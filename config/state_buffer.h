#ifndef CONFIG_STATE_BUFFER_H
#define CONFIG_STATE_BUFFER_H

#include <SDL/SDL.h>

#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

// The bytes a match's state is saved to and restored from. Values are
// written one after another with no padding and no addresses, so two equal
// states give equal bytes and the checksum means something. Reading past
// the end, or a count that can't be right, marks the buffer failed; the
// reader then gets zeros and stops trusting what it restored.
class state_buffer {
public:
    state_buffer();

    // Starts writing from empty, keeping the storage: saving every frame
    // allocates nothing once the buffer has grown to a state's size.
    void start_writing();
    // Starts reading from the first byte.
    void start_reading();

    // `names` says which field the bytes hold: one name, or a list of
    // them ("self.x, self.y") of which the bytes are entry number `entry`.
    // It is kept only while labelling, to name the fields of two states
    // that differ; the list is taken apart only then.
    template <class T>
    void put(const T& value, const char* names = nullptr, int entry = 0) {
        static_assert(std::is_arithmetic<T>::value, "only plain numbers are saved");
        const size_t at = bytes.size();
        if (labelling) labels.push_back(label{at, context, names, entry});
        bytes.resize(at + sizeof(T));
        memcpy(&bytes[at], &value, sizeof(T));
    }

    template <class T>
    void get(T& value) {
        static_assert(std::is_arithmetic<T>::value, "only plain numbers are restored");
        if (failed || read_at + sizeof(T) > bytes.size()) {
            failed = true;
            value = T();
            return;
        }
        memcpy(&value, &bytes[read_at], sizeof(T));
        read_at += sizeof(T);
    }

    // A count of things to follow; more than `limit` fails the buffer.
    void put_count(size_t count, const char* name = "count");
    size_t get_count(size_t limit);

    // 64-bit FNV-1a over the bytes written.
    Uint64 checksum() const;
    // Restored data that can't be right (a definition that isn't there).
    void fail() { failed = true; }

    // Field names: while labelling, every put records where its bytes start
    // under the current context ("left fighter", "projectile 3").
    void start_labelling() { labelling = true; labels.clear(); }
    // Kept only while labelling: saving every frame copies no names.
    void set_context(const std::string& where) {
        if (labelling) context = where;
    }
    // "context field" of the field whose bytes hold `offset`; empty when
    // not labelled. A field listed through `self` is named without it.
    std::string field_at(size_t offset) const;
    size_t size() const { return bytes.size(); }
    bool ok() const { return !failed; }
    // The offset reading has reached; where a field begins, for reports.
    size_t read_offset() const { return read_at; }
    const std::vector<Uint8>& data() const { return bytes; }

private:
    struct label {
        size_t offset;
        std::string context;
        const char* names;
        int entry;
    };

    std::vector<Uint8> bytes;
    size_t read_at;
    bool failed;
    bool labelling;
    std::string context;
    std::vector<label> labels;
};

#endif
