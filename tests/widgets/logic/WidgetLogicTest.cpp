#include <cctype>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AsciiWidthBound.h"
#include "GaugeCycle.h"
#include "TextFit.h"

TEST(GaugeCycle, FillsInTensShowsFullOnceThenStartsOver) {
    int value = 0;
    std::vector<int> seen;
    for (int i = 0; i < 12; ++i) {
        value = GaugeCycle::Next(value, 100);
        seen.push_back(value);
    }
    EXPECT_EQ(seen, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 0, 10}));
    EXPECT_EQ(GaugeCycle::Next(95, 100), 100);  // never past the range
    EXPECT_EQ(GaugeCycle::Next(110, 100), 0);
}

TEST(TextFit, LongTextsBreakAtSpacesAndPushWhatIsBelow) {
    const auto measure = [](const std::string& s) { return static_cast<int>(s.size()) * 7; };
    struct Case {
        const char* text;
        int width;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"wireless LAN?", 200, {"wireless LAN?"}},
        {"The wired network connection was lost.", 224, {"The wired network connection was", "lost."}},
        {"Applying profile Classroom 101...", 140, {"Applying profile", "Classroom 101..."}},
        // A word wider than a line breaks after a hyphen where one fits,
        // else after the last character that fits, never inside one.
        {"Riverside-Primary-School-Staff01 x", 70, {"Riverside-", "Primary-", "School-", "Staff01 x"}},
        {"Applying profile Riverside-Primary-School-Staff01...", 140,
         {"Applying profile", "Riverside-Primary-", "School-Staff01..."}},
        {"Applying profile WWWWWWWWWWWWWWWWWWWWWWWW...", 70,
         {"Applying", "profile", "WWWWWWWWWW", "WWWWWWWWWW", "WWWW..."}},
        {"\u0416\u0416\u0416\u0416\u0416\u0416", 70, {"\u0416\u0416\u0416\u0416\u0416", "\u0416"}},
        {"ab", 5, {"a", "b"}},
        {"", 10, {""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextFit::Wrap(c.text, c.width, measure), c.lines) << c.text;

    // A balloon: headline, a row of caption and value whose value grew by
    // one line, the row below, and a button at the bottom.
    int extra = 0;
    const std::vector<int> tops =
        TextFit::Stack({{18, 17, 0}, {48, 17, 0}, {48, 17, 17}, {72, 17, 0}, {114, 24, 0}}, extra);
    EXPECT_EQ(tops, (std::vector<int>{18, 48, 48, 89, 131}));
    EXPECT_EQ(extra, 17);
    TextFit::Stack({{18, 17, 0}, {48, 17, 0}}, extra);
    EXPECT_EQ(extra, 0);
}

namespace {

// 6 pixels a character, whatever its bytes; a stray byte counts as one.
int SixPerCharacter(const std::string& s) {
    int chars = 0;
    for (unsigned char c : s)
        chars += (c & 0xC0) != 0x80;
    return chars * 6;
}

}  // namespace

TEST(TextFit, MiddleCutKeepsBothEndsAndWholeCharacters) {
    const char* const twoByte = "\u0416\u0416\u0416\u0416\u0416\u0416\u0416\u0416";
    const char* const threeByte = "\u20ac\u20ac\u20ac\u20ac\u20ac\u20ac";
    const char* const fourByte = "a\U0001F600\U0001F600\U0001F600\U0001F600b";
    const struct { const char* text; int width; const char* cut; } cases[] = {
        {"Classroom-101", 78, "Classroom-101"},
        {"Classroom-101", 66, "Class\u2026m-101"},
        {"Classroom-102", 66, "Class\u2026m-102"},  // still told apart
        // Characters of two, three and four bytes, at widths where a cut
        // stepping bytes instead would end or start inside one (24 and 36
        // for the two-byte one, among others).
        {twoByte, 24, "\u0416\u0416\u2026\u0416"},
        {twoByte, 30, "\u0416\u0416\u2026\u0416\u0416"},
        {twoByte, 36, "\u0416\u0416\u0416\u2026\u0416\u0416"},
        {threeByte, 24, "\u20ac\u20ac\u2026\u20ac"},
        {threeByte, 30, "\u20ac\u20ac\u2026\u20ac\u20ac"},
        {fourByte, 24, "a\U0001F600\u2026b"},
        {fourByte, 30, "a\U0001F600\u2026\U0001F600b"},
        {"ab\xff\xfe" "cdef", 36, "ab\xff\u2026ef"},
        {"Gym", 5, "\u2026"},
        {"Gym", -40, "\u2026"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextFit::MiddleCut(c.text, c.width, SixPerCharacter), c.cut) << c.text << " " << c.width;
}

TEST(TextFit, AnEmptyTextStaysEmptyAtAnyWidth) {
    // A list column dragged narrow gives its cells a negative width.
    int measures = 0;
    const auto measure = [&measures](const std::string& s) {
        if (++measures > 100)
            throw std::runtime_error("measured without end");
        return SixPerCharacter(s);
    };
    for (int width : {6, 0, -1, -40}) {
        EXPECT_EQ(TextFit::MiddleCut("", width, measure), "") << width;
        EXPECT_EQ(TextFit::CutInWidestWord("", width, measure), "") << width;
        EXPECT_EQ(TextFit::Wrap("", width, measure), std::vector<std::string>{""}) << width;
    }
}

TEST(TextFit, CutInWidestWordKeepsTheWordsAroundAName) {
    const struct { const char* text; int width; const char* cut; } cases[] = {
        {"Connecting to Classroom-101 ...", 186, "Connecting to Classroom-101 ..."},
        {"Connecting to WWWWWWWWWWWW ...", 150, "Connecting to WWW\u2026WWW ..."},
        {"Applying profile \u0416\u0416\u0416\u0416\u0416\u0416\u0416\u0416...", 138,
         "Applying profile \u0416\u2026\u0416..."},
        {"Riverside-Primary-School-Staff01", 66, "River\u2026aff01"},
        {"Go WWWWWW", 18, "Go\u2026"},  // the cut reaches into the word before
        {"Go", 5, "\u2026"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextFit::CutInWidestWord(c.text, c.width, SixPerCharacter), c.cut) << c.text << " " << c.width;
}

TEST(AsciiWidthBound, SparesTheMeasureOnlyOfPrintableAsciiThatSurelyFits) {
    // 'W' 10 pixels, other characters 6, but a digit 5 alone and 7 after a
    // letter (drawn in the letters' font there).
    int measures = 0;
    AsciiWidthBound bound([&measures](const std::string& s) {
        ++measures;
        int width = 0;
        for (size_t i = 0; i < s.size(); ++i) {
            const bool digit = s[i] >= '0' && s[i] <= '9';
            width += s[i] == 'W' ? 10 : !digit ? 6 : i > 0 && std::isalpha(static_cast<unsigned char>(s[i - 1])) ? 7 : 5;
        }
        return width;
    });
    const struct { const char* text; int width; bool fits; } cases[] = {
        {"", 0, true},
        {"", -1, false},
        {"Gym", 21, true},
        {"Gym", 20, false},
        {"WWi", 33, true},  // three times the widest, not the sum of 26
        {"WWi", 32, false},
        {"Room 1", 48, true},  // the digit as wide as after a letter
        {"Room 1", 47, false},
        {"\u0416", 1000, false},  // other characters are left to a measure
        {"caf\u00e9", 1000, false},
        {"a\tb", 1000, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bound.SurelyFits(c.text, c.width), c.fits) << c.text << " " << c.width;

    // A thousand names measure each of their characters once.
    bound.Forget();
    measures = 0;
    for (int i = 1; i <= 1000; ++i)
        EXPECT_TRUE(bound.SurelyFits("Classroom " + std::to_string(i), 200));
    EXPECT_LE(measures, 2 * 18 + 1);
}
