#ifndef TIDEWAVE_ASCIIWIDTHBOUND_H
#define TIDEWAVE_ASCIIWIDTHBOUND_H

#include <array>
#include <functional>
#include <string>
#include <string_view>

// Tells, without laying a text out, that it surely fits a width: a list of
// a thousand short names would otherwise spend a text layout on each row.
// Only texts of printable ASCII are judged: every desktop font has those
// glyphs and draws them one by one.  Other characters may come from another
// font, wider than they measure alone (a CJK glyph, an emoji), or change
// their shape beside their neighbours, so they are left to a real measure.
class AsciiWidthBound {
public:
    using Measure = std::function<int(const std::string&)>;

    // `measure` gives a text's width in pixels of the font judged.
    explicit AsciiWidthBound(Measure measure);

    // True when `text` (UTF-8) is printable ASCII only and its character
    // count times (the widest of its characters + 1) is within `width`.
    // False says only that a real measure must tell.
    bool SurelyFits(std::string_view text, int width);
    // The widths measured so far are dropped (another font or resolution).
    void Forget();

private:
    int WidthOf(char c);

    Measure m_measure;
    std::array<int, 95> m_widths;  // from ' ' to '~'; -1 until measured
    int m_letter = -1;             // the width of kLetter, -1 until measured
};

#endif
