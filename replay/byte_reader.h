#ifndef REPLAY_BYTE_READER_H
#define REPLAY_BYTE_READER_H

#include <SDL/SDL.h>

#include <cstddef>
#include <string>

// Reads little-endian numbers from a block of bytes and never past its end:
// a read beyond it returns 0 and leaves the reader `short_read`, so a parser
// can read a whole record and ask once whether it was all there.
class byte_reader {
public:
    byte_reader(const Uint8* bytes, size_t size) : data(bytes), length(size), at(0), ran_out(false) {}

    Uint8 u8() { return (Uint8)number(1); }
    Uint16 u16() { return (Uint16)number(2); }
    Uint32 u32() { return (Uint32)number(4); }
    Uint64 u64() { return number(8); }
    // A 7-bits-a-byte number of at most five bytes; false when it would not
    // fit 32 bits.
    bool varint(Uint32* value) {
        Uint32 result = 0;
        for (int shift = 0; shift < 35; shift += 7) {
            const Uint8 byte = u8();
            if (shift == 28 && byte > 0x0F) return false;
            result |= (Uint32)(byte & 0x7F) << shift;
            if (!(byte & 0x80)) {
                *value = result;
                return true;
            }
        }
        return false;
    }
    // A text of at most `limit` bytes, its length in one byte before it.
    bool text(size_t limit, std::string* out) {
        const size_t size = u8();
        if (size > limit) return false;
        if (size > left()) {
            ran_out = true;
            at = length;
            return false;
        }
        out->assign(reinterpret_cast<const char*>(data + at), size);
        at += size;
        return true;
    }

    size_t position() const { return at; }
    size_t left() const { return length - at; }
    bool short_read() const { return ran_out; }

private:
    Uint64 number(size_t size) {
        if (size > left()) {
            ran_out = true;
            at = length;
            return 0;
        }
        Uint64 value = 0;
        for (size_t i = 0; i < size; i++) value |= (Uint64)data[at + i] << (8 * i);
        at += size;
        return value;
    }

    const Uint8* data;
    size_t length;
    size_t at;
    bool ran_out;
};

#endif
