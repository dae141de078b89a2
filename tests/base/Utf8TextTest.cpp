#include <gtest/gtest.h>

#include "Utf8Text.h"

TEST(IsValidUtf8, AcceptsOnlyWellFormedSequences) {
    EXPECT_TRUE(Utf8Text::IsValid(""));
    EXPECT_TRUE(Utf8Text::IsValid("plain \xC3\xA4 \xE6\xA0\xA1 \xF0\x9F\x98\x80"));
    EXPECT_FALSE(Utf8Text::IsValid("Caf\xE9"));
    EXPECT_FALSE(Utf8Text::IsValid("\xC0\xAF"));          // overlong "/"
    EXPECT_FALSE(Utf8Text::IsValid("x\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(Utf8Text::IsValid("\xE6\xA0"));          // cut short
}
