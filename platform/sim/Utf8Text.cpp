#include "sim/Utf8Text.h"

#include <cstdint>

namespace {

// Length of the valid UTF-8 sequence at text[i] and its code point; 0 when
// the bytes there do not form one.
size_t SequenceAt(const std::string& text, size_t i, uint32_t& cp) {
    const auto b = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char c = b(i);
    size_t len;
    uint32_t min;
    if (c < 0x80) {
        cp = c;
        return 1;
    } else if ((c & 0xE0) == 0xC0) {
        len = 2, cp = c & 0x1F, min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3, cp = c & 0x0F, min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4, cp = c & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > text.size())
        return 0;
    for (size_t k = 1; k < len; ++k) {
        if ((b(i + k) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

}  // namespace

void Utf8Text::DecodeInto(const std::string& bytes, wchar_t* out, size_t count) {
    size_t n = 0;
    for (size_t i = 0; i < bytes.size() && n < count;) {
        uint32_t cp = 0;
        size_t len = SequenceAt(bytes, i, cp);
        if (len == 0) {
            cp = 0xFFFD;
            len = 1;
        }
        out[n++] = static_cast<wchar_t>(cp);
        i += len;
    }
    for (; n < count; ++n)
        out[n] = 0;
}

std::string Utf8Text::Truncate(const std::string& text, size_t maxBytes) {
    if (text.size() <= maxBytes)
        return text;
    size_t end = maxBytes;
    // Step back over continuation bytes to the start of the cut sequence,
    // and drop that sequence when it does not fit whole.
    size_t start = end;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
        --start;
    return text.substr(0, start);
}
