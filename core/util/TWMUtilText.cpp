// The text helpers of TWMUtil, kept apart from its system helpers so that
// code reading network input can be built on its own (the fuzz targets).
#include <climits>
#include <cstdint>
#include <cstdlib>

#include "TWMUtil.h"
#include "Utf8Text.h"


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
        const size_t len = Utf8Text::SequenceLength(text, i);
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

bool TWMUtil::IsValidUtf8(const std::string& text) { return Utf8Text::IsValid(text); }

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
