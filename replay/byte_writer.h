#ifndef REPLAY_BYTE_WRITER_H
#define REPLAY_BYTE_WRITER_H

#include <SDL/SDL.h>

#include <string>
#include <vector>

// Builds a block of bytes in the order byte_reader reads them back:
// little-endian numbers, short varints, texts with a length byte.
class byte_writer {
public:
    void u8(Uint8 value) { bytes.push_back(value); }
    void u16(Uint16 value) { number(value, 2); }
    void u32(Uint32 value) { number(value, 4); }
    void u64(Uint64 value) { number(value, 8); }
    void varint(Uint32 value) {
        while (value >= 0x80) {
            bytes.push_back((Uint8)(value | 0x80));
            value >>= 7;
        }
        bytes.push_back((Uint8)value);
    }
    // Cut to 255 bytes, the most a length byte tells.
    void text(const std::string& value) {
        const size_t size = value.size() < 255 ? value.size() : 255;
        bytes.push_back((Uint8)size);
        bytes.insert(bytes.end(), value.begin(), value.begin() + size);
    }

    std::vector<Uint8> bytes;

private:
    void number(Uint64 value, int size) {
        for (int i = 0; i < size; i++) bytes.push_back((Uint8)(value >> (8 * i)));
    }
};

#endif
