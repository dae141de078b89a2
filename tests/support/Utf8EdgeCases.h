#ifndef TIDEWAVE_UTF8EDGECASES_H
#define TIDEWAVE_UTF8EDGECASES_H

#include <cstdint>
#include <string>

// Byte sequences at the edges of strict UTF-8: the lowest and highest code
// point of each length, and each form the check refuses, just past those
// edges.  For the check itself and for every reader that walks text its own
// way before it asks the check.
namespace Utf8EdgeCases {

struct Sequence {
    const char* what;
    std::string bytes;
    bool valid;
    uint32_t codePoint;  // when valid
};

inline const Sequence kSequences[] = {
    {"U+0080", "\xC2\x80", true, 0x80},
    {"U+07FF", "\xDF\xBF", true, 0x7FF},
    {"U+0800", "\xE0\xA0\x80", true, 0x800},
    {"U+D7FF", "\xED\x9F\xBF", true, 0xD7FF},
    {"U+E000", "\xEE\x80\x80", true, 0xE000},
    {"U+FFFF", "\xEF\xBF\xBF", true, 0xFFFF},
    {"U+10000", "\xF0\x90\x80\x80", true, 0x10000},
    {"U+10FFFF", "\xF4\x8F\xBF\xBF", true, 0x10FFFF},
    {"overlong two-byte U+0000", "\xC0\x80", false, 0},
    {"overlong two-byte U+007F", "\xC1\xBF", false, 0},
    {"overlong three-byte U+0000", "\xE0\x80\x80", false, 0},
    {"overlong three-byte U+07FF", "\xE0\x9F\xBF", false, 0},
    {"overlong four-byte U+0000", "\xF0\x80\x80\x80", false, 0},
    {"overlong four-byte U+FFFF", "\xF0\x8F\xBF\xBF", false, 0},
    {"first surrogate U+D800", "\xED\xA0\x80", false, 0},
    {"last surrogate U+DFFF", "\xED\xBF\xBF", false, 0},
    {"U+110000", "\xF4\x90\x80\x80", false, 0},
    {"U+140000 (lead byte F5)", "\xF5\x80\x80\x80", false, 0},
    {"five-byte form", "\xF8\x88\x80\x80\x80", false, 0},
    {"stray continuation byte", "\x80", false, 0},
    {"two-byte sequence cut after its lead", "\xC3", false, 0},
    {"three-byte sequence cut", "\xE2\x82", false, 0},
    {"four-byte sequence cut", "\xF0\x9F\x98", false, 0},
};

}  // namespace Utf8EdgeCases

#endif
