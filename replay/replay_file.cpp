#include "replay/replay_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "replay/byte_reader.h"
#include "replay/byte_writer.h"
#include "replay/checksum64.h"
#include "replay/frame_codec.h"

namespace {

const char MAGIC[] = "QMREPLAY";
const size_t MAGIC_SIZE = sizeof(MAGIC) - 1;
const size_t FILE_CHECKSUM_SIZE = 8;
const int MAX_FPS = 1000;
const int MAX_SIDE = 16384;
// The longest file load() takes: every frame a full change of both sides.
const size_t MAX_FILE_SIZE = 64u << 20;

const char* const CUT_SHORT = "the file is cut short";
const char* const DAMAGED = "the file is damaged";

Uint64 checksum_of(const Uint8* bytes, size_t size) {
    checksum64 sum;
    sum.add(bytes, size);
    return sum.value();
}

void write_header(const replay_header& header, Uint32 frame_count, byte_writer& out) {
    out.text(header.game_version);
    out.u8((Uint8)header.mode);
    out.u8((Uint8)header.reqwins);
    out.text(header.first_fighter);
    out.text(header.second_fighter);
    out.u32(header.seed);
    out.u16((Uint16)header.fps);
    out.u16((Uint16)header.width);
    out.u16((Uint16)header.height);
    out.u16((Uint16)header.round_seconds);
    out.u8((Uint8)header.cpu_difficulty);
    out.u8((Uint8)header.cheats);
    out.u64(header.data_checksum);
    out.u32(frame_count);
}

// Reads the fields after the format version; false with the reason.
bool read_header(byte_reader& in, replay_header* header, Uint32* frame_count, std::string* reason) {
    bool texts = in.text(replay_header::NAME_LIMIT, &header->game_version);
    header->mode = in.u8();
    header->reqwins = in.u8();
    texts = texts && in.text(replay_header::NAME_LIMIT, &header->first_fighter) &&
            in.text(replay_header::NAME_LIMIT, &header->second_fighter);
    header->seed = in.u32();
    header->fps = in.u16();
    header->width = in.u16();
    header->height = in.u16();
    header->round_seconds = in.u16();
    header->cpu_difficulty = in.u8();
    header->cheats = in.u8();
    header->data_checksum = in.u64();
    *frame_count = in.u32();
    if (in.short_read()) {
        *reason = CUT_SHORT;
    } else if (!texts) {
        *reason = DAMAGED;
    } else if (header->fps < 1 || header->fps > MAX_FPS || header->width < 1 || header->width > MAX_SIDE ||
               header->height < 1 || header->height > MAX_SIDE) {
        *reason = "the file holds an impossible frame rate or screen size";
    } else if (*frame_count > (Uint32)replay_file::MAX_FRAMES) {
        *reason = "the file claims more frames than any series has";
    } else {
        return true;
    }
    return false;
}

std::string error_text() { return strerror(errno); }

}  // namespace

replay_header::replay_header()
    : mode(0),
      reqwins(0),
      seed(0),
      fps(0),
      width(0),
      height(0),
      round_seconds(0),
      cpu_difficulty(0),
      cheats(0),
      data_checksum(0) {}

replay_file::replay_file() : final_checksum(0) {}

std::vector<Uint8> replay_file::encode() const {
    byte_writer out;
    out.bytes.assign(MAGIC, MAGIC + MAGIC_SIZE);
    out.u16(FORMAT_VERSION);
    write_header(header, (Uint32)frames.size(), out);
    frame_codec::encode(frames, header.fps, out);
    out.u64(final_checksum);
    out.u64(checksum_of(out.bytes.data(), out.bytes.size()));
    return out.bytes;
}

bool replay_file::decode(const Uint8* bytes, size_t size, std::string* reason) {
    frames.clear();
    if (size == 0) {
        *reason = "the file is empty";
        return false;
    }
    if (size < MAGIC_SIZE || memcmp(bytes, MAGIC, MAGIC_SIZE) != 0) {
        *reason = "not a replay file";
        return false;
    }
    byte_reader in(bytes, size);
    for (size_t i = 0; i < MAGIC_SIZE; i++) in.u8();
    const int version = in.u16();
    if (in.short_read()) {
        *reason = CUT_SHORT;
        return false;
    }
    if (version != FORMAT_VERSION) {
        *reason = "format version " + std::to_string(version) + ", this game reads version " +
                  std::to_string(FORMAT_VERSION);
        return false;
    }
    Uint32 frame_count = 0;
    if (!read_header(in, &header, &frame_count, reason)) return false;
    const frame_codec::result got = frame_codec::decode(in, frame_count, header.fps, &frames);
    final_checksum = in.u64();
    const size_t checked_size = in.position();
    const Uint64 file_checksum = in.u64();
    if (got == frame_codec::CUT_SHORT || in.short_read()) {
        *reason = CUT_SHORT;
    } else if (got == frame_codec::DAMAGED || in.left() > 0 || file_checksum != checksum_of(bytes, checked_size)) {
        *reason = DAMAGED;
    } else {
        return true;
    }
    frames.clear();
    return false;
}

bool replay_file::save(const char* path, std::string* reason) const {
    if (frames.size() > (size_t)MAX_FRAMES) {
        *reason = "the series is too long to record";
        return false;
    }
    const std::vector<Uint8> bytes = encode();
    FILE* out = fopen(path, "wb");
    if (!out) {
        *reason = error_text();
        return false;
    }
    const bool written = fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    if (!written) *reason = error_text();
    // A full disk may show only when the last block is flushed.
    const bool closed = fclose(out) == 0;
    if (written && !closed) *reason = error_text();
    return written && closed;
}

bool replay_file::load(const char* path, std::string* reason) {
    FILE* in = fopen(path, "rb");
    if (!in) {
        *reason = error_text();
        return false;
    }
    std::vector<Uint8> bytes;
    Uint8 block[65536];
    size_t got = 0;
    while ((got = fread(block, 1, sizeof(block), in)) > 0 && bytes.size() <= MAX_FILE_SIZE) {
        bytes.insert(bytes.end(), block, block + got);
    }
    const bool failed = ferror(in) != 0;
    if (failed) *reason = error_text();
    fclose(in);
    if (failed) return false;
    if (bytes.size() > MAX_FILE_SIZE) {
        *reason = "the file is far larger than any replay";
        return false;
    }
    return decode(bytes.data(), bytes.size(), reason);
}
