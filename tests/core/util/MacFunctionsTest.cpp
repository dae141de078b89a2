#include <gtest/gtest.h>

#include <cstring>

#include "MacAddress.h"
#include "MacFunctions.h"

TEST(CompareMacAddress, DifferenceOfTheFirstDifferingBytes) {
    const unsigned char a[6] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
    const unsigned char b[6] = {0x00, 0x11, 0xF2, 0x33, 0x44, 0x00};
    EXPECT_EQ(CompareMacAddress(a, a), 0);
    EXPECT_EQ(CompareMacAddress(a, b), 0x22 - 0xF2);
    EXPECT_EQ(CompareMacAddress(b, a), 0xF2 - 0x22);  // unsigned bytes: positive
    EXPECT_EQ(CompareMacAddress(nullptr, b), 0);
    EXPECT_EQ(CompareMacAddress(a, nullptr), 0);
}

TEST(FormatMacAddress, UpperCaseWithColons) {
    const unsigned char mac[6] = {0x00, 0x1a, 0x2B, 0xc3, 0xFF, 0x05};
    EXPECT_EQ(FormatMacAddress(mac), "00:1A:2B:C3:FF:05");
    EXPECT_EQ(FormatMacAddress(nullptr), "");
}

TEST(ParseMacAddress, ReadsWhatFormatWrites) {
    const unsigned char mac[6] = {0xDE, 0xAD, 0xbe, 0xef, 0x00, 0x7F};
    const wxString text = FormatMacAddress(mac);
    unsigned char out[6] = {};
    ASSERT_TRUE(ParseMacAddress(out, text.wc_str(), static_cast<int>(text.length())));
    EXPECT_EQ(std::memcmp(out, mac, 6), 0);
    ASSERT_TRUE(ParseMacAddress(out, L"0a:0b:0c:0d:0e:0f", 17));
    EXPECT_EQ(out[0], 0x0A);
    EXPECT_EQ(out[5], 0x0F);
}

TEST(ParseMacAddress, RefusesAnythingElseAndLeavesTheOutputAlone) {
    const unsigned char before[6] = {1, 2, 3, 4, 5, 6};
    unsigned char out[6];
    const wchar_t* bad[] = {
        L"GG:00:00:00:00:00",  // letters beyond F would give nibbles above 15
        L"00:11:22:33:44:5Z", L"00-11-22-33-44-55", L"0:11:22:33:44:555", L"00:11:22:33:44:",
        L"00:11:22:33 44:55", L"00:11:22:33:44:5",
    };
    for (const wchar_t* text : bad) {
        std::memcpy(out, before, 6);
        EXPECT_FALSE(ParseMacAddress(out, text, 17)) << wxString(text);
        EXPECT_EQ(std::memcmp(out, before, 6), 0) << wxString(text);
    }
    std::memcpy(out, before, 6);
    EXPECT_FALSE(ParseMacAddress(out, L"00:11:22:33:44:55", 16));
    EXPECT_FALSE(ParseMacAddress(out, nullptr, 17));
    EXPECT_FALSE(ParseMacAddress(nullptr, L"00:11:22:33:44:55", 17));
    EXPECT_EQ(std::memcmp(out, before, 6), 0);
}

TEST(MacAddress, FormatsLowerCaseWithDashes) {
    const unsigned char bytes[6] = {0x00, 0x1A, 0x2b, 0xC3, 0xff, 0x05};
    char text[MacAddress::TEXT_SIZE];
    MacAddress::FormatAddress(bytes, text);
    EXPECT_STREQ(text, "00-1a-2b-c3-ff-05");
    MacAddress::FormatAddress(nullptr, text);
    EXPECT_STREQ(text, "00-00-00-00-00-00");
}

TEST(MacAddress, GivesThisMachinesAddressInThatFormat) {
    MacAddress mac;
    const char* text = mac.GetMac();
    ASSERT_NE(text, nullptr);
    ASSERT_EQ(std::strlen(text), 17u);
    for (int i = 0; i < 17; ++i) {
        if (i % 3 == 2)
            EXPECT_EQ(text[i], '-') << text;
        else
            EXPECT_TRUE((text[i] >= '0' && text[i] <= '9') || (text[i] >= 'a' && text[i] <= 'f')) << text;
    }
}
