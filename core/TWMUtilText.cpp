// The text helpers of TWMUtil, kept apart from its system helpers so that
// code reading network input can be built on its own (the fuzz targets).
#include <climits>
#include <cstdint>
#include <cstdlib>

#include "TWMUtil.h"

namespace {

// Length of the valid UTF-8 sequence at text[i], or 0 when it is not one.
size_t Utf8SequenceLength(const std::string& text, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char c = byte(i);
    if (c < 0x80)
        return 1;
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
    return len;
}

}  // namespace

std::string TWMUtil::WxStringToStdString(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
}

wxString TWMUtil::StdStringToWxString(const std::string& text) {
    wxString result = wxString::FromUTF8(text.data(), text.size());
    if (!result.empty() || text.empty())
        return result;
    // Not valid UTF-8: keep every valid sequence, replace each bad one.
    std::string repaired;
    repaired.reserve(text.size() + 8);
    for (size_t i = 0; i < text.size();) {
        const size_t len = Utf8SequenceLength(text, i);
        if (len == 0) {
            repaired += "\xEF\xBF\xBD";
            ++i;
        } else {
            repaired.append(text, i, len);
            i += len;
        }
    }
    return wxString::FromUTF8(repaired.data(), repaired.size());
}

bool TWMUtil::IsValidUtf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        const size_t len = Utf8SequenceLength(text, i);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

int TWMUtil::ParseLeadingInt(const char* text) {
    if (text == nullptr)
        return 0;
    const long value = std::strtol(text, nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}
