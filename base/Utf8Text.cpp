#include "Utf8Text.h"

size_t Utf8Text::SequenceAt(const std::string& text, size_t i, uint32_t& codePoint) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char c = byte(i);
    if (c < 0x80) {
        codePoint = c;
        return 1;
    }
    size_t len;
    uint32_t cp;
    if (c >= 0xC2 && c <= 0xDF) {
        len = 2;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + len > text.size())
        return 0;
    for (size_t k = 1; k < len; ++k) {
        const unsigned char cc = byte(i + k);
        if ((cc & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (cc & 0x3F);
    }
    if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    codePoint = cp;
    return len;
}

size_t Utf8Text::SequenceLength(const std::string& text, size_t i) {
    uint32_t cp;
    return SequenceAt(text, i, cp);
}

bool Utf8Text::IsValid(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        const size_t len = SequenceLength(text, i);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

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
    // Step back over continuation bytes to the start of the cut sequence,
    // and drop that sequence when it does not fit whole.
    size_t start = maxBytes;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
        --start;
    return text.substr(0, start);
}
