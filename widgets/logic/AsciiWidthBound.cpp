#include "AsciiWidthBound.h"

#include <algorithm>

namespace {

const char kFirst = ' ';
const char kLast = '~';
// A letter with straight sides, which fonts hardly kern.
const char kLetter = 'H';

}  // namespace

AsciiWidthBound::AsciiWidthBound(Measure measure) : m_measure(std::move(measure)) { Forget(); }

void AsciiWidthBound::Forget() {
    m_widths.fill(-1);
    m_letter = -1;
}

// Digits, spaces and punctuation among letters are drawn in the letters'
// font, which need not be the one they get alone (the desktop's language
// picks that), so a character counts the wider of its width alone and its
// width after a letter.
int AsciiWidthBound::WidthOf(char c) {
    int& width = m_widths[static_cast<size_t>(c - kFirst)];
    if (width < 0) {
        if (m_letter < 0)
            m_letter = m_measure(std::string(1, kLetter));
        width = std::max(m_measure(std::string(1, c)), m_measure(std::string{kLetter, c}) - m_letter);
    }
    return width;
}

// Each measure is rounded to whole pixels, by half a pixel at most: the 1
// added to each character takes that up.  The count times the widest
// character, rather than the sum of the widths, leaves room for kerning.
bool AsciiWidthBound::SurelyFits(std::string_view text, int width) {
    int widest = 0;
    long count = 0;
    for (const char c : text) {
        if (c < kFirst || c > kLast)
            return false;
        widest = std::max(widest, WidthOf(c));
        if (++count * (widest + 1) > width)
            return false;
    }
    return width >= 0;
}
