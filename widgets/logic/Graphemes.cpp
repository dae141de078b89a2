#include "Graphemes.h"

#include <algorithm>
#include <cstring>

#include <pango/pango-break.h>

#include "Utf8Text.h"

Graphemes::Graphemes(const std::string& text) : m_text(text) {
    std::vector<size_t> points;  // where each code point (or stray byte) starts
    for (size_t i = 0; i < text.size(); i += std::max<size_t>(Utf8Text::SequenceLength(text, i), 1))
        points.push_back(i);
    // Pango reads valid UTF-8 only, and a NUL ends its text.
    if (points.size() < 2 || !Utf8Text::IsValid(text) || text.find('\0') != std::string::npos) {
        m_starts = std::move(points);
        return;
    }
    std::vector<PangoLogAttr> attrs(points.size() + 1);
    pango_get_log_attrs(text.data(), static_cast<int>(text.size()), -1, pango_language_get_default(), attrs.data(),
                        static_cast<int>(attrs.size()));
    for (size_t n = 0; n < points.size(); ++n) {
        if (n == 0 || attrs[n].is_cursor_position)
            m_starts.push_back(points[n]);
    }
}

bool Graphemes::IsBlank(size_t n, const char* blanks) const {
    if (n >= Count())
        return false;
    for (size_t i = At(n); i < At(n + 1); ++i) {
        if (std::strchr(blanks, m_text[i]) == nullptr || m_text[i] == '\0')
            return false;
    }
    return true;
}

std::vector<std::string> Graphemes::Words(const char* blanks) const {
    std::vector<std::string> words;
    size_t first = 0;
    for (size_t n = 0; n <= Count(); ++n) {
        if (n == Count() || IsBlank(n, blanks)) {
            if (n > first)
                words.push_back(Slice(first, n));
            first = n + 1;
        }
    }
    return words;
}
