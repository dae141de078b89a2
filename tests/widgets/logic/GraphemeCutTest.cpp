#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ParagraphFit.h"
#include "TextFit.h"

namespace {

// 6 pixels a code point, so that an accent or a joiner alone would fit
// where its whole character does not.
int SixPerCodePoint(const std::string& s) {
    int points = 0;
    for (unsigned char c : s)
        points += (c & 0xC0) != 0x80;
    return points * 6;
}

// A decomposed e acute and o diaeresis, a family joined by zero-width
// joiners, the flags of Germany and France, and "Hangul" written in jamo
// (two syllables of three jamo each).
#define E_ACUTE "e\u0301"
#define O_UMLAUT "o\u0308"
#define FAMILY "\U0001F469\u200D\U0001F469\u200D\U0001F467"
#define FLAGS "\U0001F1E9\U0001F1EA\U0001F1EB\U0001F1F7"
#define HAN "\u1112\u1161\u11AB"
#define GEUL "\u1100\u1173\u11AF"

using Lines = std::vector<std::string>;

}  // namespace

// Each width below would, cutting between code points, leave an accent on
// the ellipsis or at a line's start, or part a joined emoji, a flag pair or
// a syllable.
TEST(TextFit, EveryCutFallsWhereATextCursorCanStand) {
    const struct {
        const char* text;
        int width;
        const char* cut;
    } middle[] = {
        {"Caf" E_ACUTE " Ren" E_ACUTE "e", 30, "Ca\u2026e"},
        {"Caf" E_ACUTE " Ren" E_ACUTE "e", 36, "Ca\u2026" E_ACUTE "e"},
        {"a" FAMILY "b", 30, "a\u2026b"},
        {"x" FLAGS "y", 30, "x\U0001F1E9\U0001F1EA\u2026y"},
        {HAN GEUL "-Lab", 48, HAN GEUL "\u2026b"},
    }, widest[] = {
        {"Connecting to Am" E_ACUTE "lie-Zo" O_UMLAUT " ...", 126, "Connecting to A\u2026 ..."},
        {"Connecting to a" FAMILY FAMILY "b ...", 162, "Connecting to a" FAMILY "\u2026b ..."},
        {"Applying profile x" FLAGS "\U0001F1E9\U0001F1EAy...", 150, "Applying profile x\U0001F1E9\U0001F1EA\u2026y..."},
        {"Applying profile " HAN GEUL HAN GEUL "...", 180, "Applying profile " HAN GEUL "\u2026" GEUL "..."},
    };
    for (const auto& c : middle)
        EXPECT_EQ(TextFit::MiddleCut(c.text, c.width, SixPerCodePoint), c.cut) << c.text << " " << c.width;
    for (const auto& c : widest)
        EXPECT_EQ(TextFit::CutInWidestWord(c.text, c.width, SixPerCodePoint), c.cut) << c.text << " " << c.width;

    const struct {
        Lines written;
        int width;
        Lines shown;
    } wrapped[] = {
        {{"Am" E_ACUTE "lie-Zo" O_UMLAUT}, 18, {"Am", E_ACUTE "l", "ie-", "Zo", O_UMLAUT}},
        {{"a" FAMILY "b"}, 24, {"a", FAMILY, "b"}},
        {{"x" FLAGS "y"}, 24, {"x\U0001F1E9\U0001F1EA", "\U0001F1EB\U0001F1F7y"}},
        {{HAN GEUL "-Lab"}, 24, {HAN, GEUL "-", "Lab"}},
        // A notice's lines flowed as one paragraph: a space that carries an
        // accent is no place to break.
        {{"Go \u0301Lab and", "more"}, 24, {"Go \u0301", "Lab", "and", "more"}},
        {{"Hi a" FAMILY "b", "ok"}, 24, {"Hi", "a", FAMILY, "b ok"}},
    };
    for (const auto& c : wrapped) {
        EXPECT_EQ(ParagraphFit::Flow(c.written, c.width, SixPerCodePoint), c.shown) << c.written[0] << " " << c.width;
        if (c.written.size() == 1) {
            EXPECT_EQ(TextFit::Wrap(c.written[0], c.width, SixPerCodePoint), c.shown) << c.written[0] << " " << c.width;
        }
    }
}
