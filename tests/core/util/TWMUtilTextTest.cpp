#include <gtest/gtest.h>

#include "TWMUtil.h"

TEST(TextConversion, RoundTripsUtf8) {
    const std::string ssid = "Klassenzimmer \xC3\xA4\xC3\xB6 \xE6\xA0\xA1";
    const wxString wide = TWMUtil::StdStringToWxString(ssid);
    EXPECT_EQ(wide.length(), 18u);
    EXPECT_EQ(TWMUtil::WxStringToStdString(wide), ssid);
    EXPECT_EQ(TWMUtil::WxStringToStdString(wxString()), "");
    EXPECT_TRUE(TWMUtil::StdStringToWxString("").empty());
}

TEST(TextConversion, InvalidUtf8IsRepairedNotEmptied) {
    // A Latin-1 SSID from the air, a truncated sequence and a lone surrogate.
    const wxString latin = TWMUtil::StdStringToWxString("Caf\xE9");
    EXPECT_EQ(latin, wxString::FromUTF8("Caf\xEF\xBF\xBD"));
    const wxString truncated = TWMUtil::StdStringToWxString("ab\xE6\xA0");
    EXPECT_EQ(truncated.length(), 4u);
    EXPECT_TRUE(truncated.StartsWith("ab"));
    const wxString surrogate = TWMUtil::StdStringToWxString("x\xED\xA0\x80y");
    EXPECT_FALSE(surrogate.empty());
    EXPECT_TRUE(surrogate.StartsWith("x"));
    EXPECT_TRUE(surrogate.EndsWith("y"));
}

TEST(Administrator, IsExactlyTheRootUser) {
    TWMUtil::OverrideUserIdForTesting("root");
    EXPECT_TRUE(TWMUtil::IsAdmin());
    TWMUtil::OverrideUserIdForTesting("rooty");
    EXPECT_FALSE(TWMUtil::IsAdmin());
    TWMUtil::OverrideUserIdForTesting("Root");
    EXPECT_FALSE(TWMUtil::IsAdmin());
    TWMUtil::OverrideUserIdForTesting(wxString());
}
