#ifndef TIDEWAVE_SIM_UTF8TEXT_H
#define TIDEWAVE_SIM_UTF8TEXT_H

#include <cstddef>
#include <string>

// Small UTF-8 helpers for the records the library fills.
class Utf8Text {
public:
    // Decodes `bytes` into `out` (capacity `count` wide characters): every
    // valid sequence becomes its code point, every other byte U+FFFD.  The
    // rest of `out` is zero-filled, so a shorter text is NUL-terminated.
    static void DecodeInto(const std::string& bytes, wchar_t* out, size_t count);

    // The longest prefix of `text` of at most maxBytes bytes that does not
    // end inside a multi-byte sequence.
    static std::string Truncate(const std::string& text, size_t maxBytes);
};

#endif
