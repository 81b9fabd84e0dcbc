#ifndef TESTS_ROBUSTNESS_BROKEN_FILES_H
#define TESTS_ROBUSTNESS_BROKEN_FILES_H

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tests/anim/anim_fixture.h"
#include "tests/support/captured_log.h"

// The ways a file the game needs turns up broken: not there, empty, some
// other kind of file under its name, cut short (as by a failed copy), or
// the right header followed by rubbish.
enum class breakage { MISSING, EMPTY, WRONG_KIND, TRUNCATED, BAD_BODY };

inline const char* breakage_name(breakage kind) {
    switch (kind) {
        case breakage::MISSING: return "missing";
        case breakage::EMPTY: return "empty";
        case breakage::WRONG_KIND: return "wrong_kind";
        case breakage::TRUNCATED: return "truncated";
        case breakage::BAD_BODY: return "bad_body";
    }
    return "?";
}

const breakage ALL_BREAKAGES[] = {breakage::MISSING, breakage::EMPTY, breakage::WRONG_KIND, breakage::TRUNCATED,
                                  breakage::BAD_BODY};

// A private folder (with the pictures and text files of anim_files) that
// also makes broken copies of the game's own files; the tests run in the
// data tree, so those are at hand.
class broken_folder : public anim_files {
public:
    // A broken copy of `original` (a path in the data tree) named `name`.
    std::string make(breakage kind, const std::string& original, const std::string& name) const {
        const std::string copy = std::string(breakage_name(kind)) + "_" + name;
        const std::string whole = read(original);
        switch (kind) {
            case breakage::MISSING: return folder + "/" + copy;
            case breakage::EMPTY: return text_file(copy, "");
            case breakage::WRONG_KIND: return text_file(copy, "hp=100 moves=2 move0=punch.ini\n");
            case breakage::TRUNCATED: return text_file(copy, whole.substr(0, whole.size() / 2));
            case breakage::BAD_BODY: return text_file(copy, whole.substr(0, 16) + rubbish(whole.size() / 2));
        }
        return folder + "/" + copy;
    }

private:
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // The same bytes on every run, so a failure repeats.
    static std::string rubbish(size_t size) {
        std::string bytes(size, '\0');
        unsigned state = 12345;
        for (char& byte : bytes) {
            state = state * 1103515245u + 12345u;
            byte = (char)(state >> 16);
        }
        return bytes;
    }
};

inline bool logged(const std::string& log, const std::string& text) { return log.find(text) != std::string::npos; }

#endif
