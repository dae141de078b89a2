#include <gtest/gtest.h>

#include "ProfileScrambler.h"

TEST(ProfileScrambler, SwapsHalvesAndWritesLowerCaseHex) {
    EXPECT_EQ(ProfileScrambler::Scramble("admin"), "1646d696e6");
    EXPECT_EQ(ProfileScrambler::Scramble(""), "");
    EXPECT_EQ(ProfileScrambler::Scramble("\xC3\xA4"), "3c4a");
}

TEST(ProfileScrambler, EveryByteValueRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::string back;
    ASSERT_TRUE(ProfileScrambler::Unscramble(ProfileScrambler::Scramble(all), back));
    EXPECT_EQ(back, all);
}

TEST(ProfileScrambler, RefusesOddLengthAndNonHexAndLeavesTheOutputAlone) {
    for (const char* bad : {"1", "164", "1g", "zz", "16 4", "0x16", "16\n"}) {
        std::string plain = "kept";
        EXPECT_FALSE(ProfileScrambler::Unscramble(bad, plain)) << bad;
        EXPECT_EQ(plain, "kept") << bad;
    }
}
