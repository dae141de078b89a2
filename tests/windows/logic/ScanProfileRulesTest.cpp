#include <gtest/gtest.h>

#include <cstring>

#include "ApStatusUtil.h"
#include "NetworkTypes.h"
#include "ScanProfileRules.h"

TEST(ScanProfileRules, ProposalOnlyForANewNetworkWhenProfilesMayBeMade) {
    const int READ = PROFILES_READ, SSID = PROFILES_SSID_KNOWN, NAME = PROFILES_NAME_TAKEN;
    const struct { int flags; bool policy; bool offer; const char* name; int priority; } cases[] = {
        {READ | 7, true, true, "Classroom-101", 8},
        {READ | NAME | 7, true, true, "Classroom-101_0", 8},
        {READ | SSID, true, false, "", 0},
        {READ | SSID | NAME, true, false, "", 0},
        {READ, false, false, "", 0},
        {0, true, false, "", 0},               // lists unreadable
        {READ | 0xFFFF, true, true, "Classroom-101", 65536},
    };
    for (const auto& c : cases) {
        const auto p = ScanProfileRules::ProposeProfile(c.flags, c.policy, "Classroom-101");
        EXPECT_EQ(p.offer, c.offer) << std::hex << c.flags;
        if (c.offer) {
            EXPECT_EQ(p.name, c.name);
            EXPECT_EQ(p.priority, c.priority);
        }
    }
}

TEST(ScanProfileRules, ProfilesForWepAndWpaNetworks) {
    APStatus ap = ApStatusUtil::MakeWithSsid("Library-WEP");
    ap.nSecurity = RVL_SECURITY_WEP;
    ap.nPhyType = RVL_PHY_80211G;
    ScanProfileRules::Proposal proposal;
    proposal.name = "Library-WEP";
    proposal.priority = 5;
    ProfileList_t wep = ScanProfileRules::ProfileForAccessPoint(ap, proposal, false, "1234567890", 2);
    EXPECT_EQ(wep.name, "Library-WEP");
    EXPECT_EQ(wep.permission, "user");
    EXPECT_EQ(wep.priority, "5");
    EXPECT_EQ(wep.icon, "0");
    EXPECT_EQ(wep.show, "1");
    EXPECT_EQ(wep.GenernalSet.ConnecType, "wireless");
    EXPECT_EQ(wep.WirelessSet.SSID, "Library-WEP");
    EXPECT_EQ(wep.WirelessSet.WirlessType, "802.11g");
    EXPECT_EQ(wep.WirelessSet.WlanSecurity, "wep");
    EXPECT_EQ(wep.WirelessSet.WEPKey, "1234567890");
    EXPECT_EQ(wep.WirelessSet.WPAKey, "");
    EXPECT_EQ(wep.WirelessSet.KeyIndex, "2");
    for (const std::string* flag : {&wep.OtherSet.NetworkSecurity, &wep.OtherSet.AutoRunAppFlag,
                                    &wep.OtherSet.IPDNS, &wep.OtherSet.HomepageFlag, &wep.OtherSet.ProxyFlag})
        EXPECT_EQ(*flag, "0");
    EXPECT_TRUE(wep.OtherSet.AutoRun.empty());

    ap.nSecurity = RVL_SECURITY_WPA_PSK;
    ap.nPhyType = 9;
    const ProfileList_t wpa = ScanProfileRules::ProfileForAccessPoint(ap, proposal, true, "lantern-wpa-key", 0);
    EXPECT_EQ(wpa.permission, "admin");
    EXPECT_EQ(wpa.WirelessSet.WlanSecurity, "wpa-psk");
    EXPECT_EQ(wpa.WirelessSet.WPAKey, "lantern-wpa-key");
    EXPECT_EQ(wpa.WirelessSet.WEPKey, "");
    EXPECT_EQ(wpa.WirelessSet.KeyIndex, "0");
    EXPECT_EQ(wpa.WirelessSet.WirlessType, "Automatic");
}

TEST(ScanProfileRules, TypedSsidFitsIn32BytesOrIsRefused) {
    APStatus ap{};
    ap.nSignalQuality = 70;
    const std::string full(32, 'S');
    ASSERT_TRUE(ScanProfileRules::WriteTypedSsid(&ap, full));
    EXPECT_EQ(ap.nSSIDLength, 32u);
    EXPECT_EQ(std::memcmp(ap.ucSSID, full.data(), 32), 0);
    EXPECT_EQ(ap.nSignalQuality, 70u);  // nothing else is touched

    ASSERT_TRUE(ScanProfileRules::WriteTypedSsid(&ap, "Lab-Hidden"));
    EXPECT_EQ(ap.nSSIDLength, 10u);
    EXPECT_EQ(ap.ucSSID[10], 0);  // the end of the longer name is gone

    const APStatus before = ap;
    // Eleven three-byte letters: 11 characters, 33 bytes.
    std::string wide;
    for (int i = 0; i < 11; ++i)
        wide += "\xe6\xb0\xb4";
    EXPECT_FALSE(ScanProfileRules::WriteTypedSsid(&ap, wide));
    EXPECT_FALSE(ScanProfileRules::WriteTypedSsid(&ap, ""));
    EXPECT_EQ(std::memcmp(&ap, &before, sizeof ap), 0);
}
