#include <gtest/gtest.h>

#include "Utf8EdgeCases.h"
#include "Utf8Text.h"

TEST(IsValidUtf8, AcceptsOnlyWellFormedSequences) {
    EXPECT_TRUE(Utf8Text::IsValid(""));
    EXPECT_TRUE(Utf8Text::IsValid("plain \xC3\xA4 \xE6\xA0\xA1 \xF0\x9F\x98\x80"));
    EXPECT_FALSE(Utf8Text::IsValid("Caf\xE9"));
    EXPECT_FALSE(Utf8Text::IsValid("\xC0\xAF"));          // overlong "/"
    EXPECT_FALSE(Utf8Text::IsValid("x\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(Utf8Text::IsValid("\xE6\xA0"));          // cut short
}

TEST(IsValidUtf8, EachEdgeOfEachLengthIsTakenWholeOrRefused) {
    for (const Utf8EdgeCases::Sequence& c : Utf8EdgeCases::kSequences) {
        uint32_t codePoint = 0;
        EXPECT_EQ(Utf8Text::SequenceAt(c.bytes, 0, codePoint), c.valid ? c.bytes.size() : 0u) << c.what;
        if (c.valid) {
            EXPECT_EQ(codePoint, c.codePoint) << c.what;
        }
        EXPECT_EQ(Utf8Text::IsValid("ab" + c.bytes + "cd"), c.valid) << c.what << ", amid text";
        EXPECT_EQ(Utf8Text::IsValid("ab" + c.bytes), c.valid) << c.what << ", at the end";
    }
}
