#include <set>
#include <string>

#include <gtest/gtest.h>

#include "AccessPointFields.h"
#include "ApStatusUtil.h"
#include "NewProfileChecks.h"
#include "NewProfileRecord.h"

namespace {

using NewProfileChecks::SECURITY_NONE;
using NewProfileChecks::SECURITY_UNKNOWN;
using NewProfileChecks::SECURITY_WEP;
using NewProfileChecks::SECURITY_WPA_PSK;
using PageChange = NewProfileChecks::PageChange;
const PageChange kOther = PageChange::Other;
const PageChange kWireless = PageChange::LeavingWirelessForward;
const PageChange kFinish = PageChange::Finish;

NewProfileEntries Wireless(const wxString& ssid, int security, const wxString& key) {
    NewProfileEntries e;
    e.name = "Home";
    e.ssid = ssid;
    e.securityIndex = security;
    e.key = key;
    e.ssidChanged = true;
    return e;
}

}  // namespace

TEST(NewProfileChecks, FirstFailingCheckDecidesWithItsMessageAndFocus) {
    struct Case {
        const char* what;
        NewProfileEntries entries;
        PageChange change;
        const char* message;  // empty: accepted
        ProfileField focus;
    };
    NewProfileEntries blankName = Wireless("", SECURITY_NONE, "");
    blankName.name = "   ";
    NewProfileEntries taken = Wireless("", SECURITY_NONE, "");
    taken.name = "  Office ";
    NewProfileEntries otherCase = taken;
    otherCase.name = "office";
    NewProfileEntries slash = taken;
    slash.name = "a/b";
    NewProfileEntries dots = taken;
    dots.name = "..";
    NewProfileEntries guest = taken;
    guest.name = "Guest";
    NewProfileEntries untouchedSsid = Wireless("", SECURITY_NONE, "");
    untouchedSsid.ssidChanged = false;
    // On Finish the keys are not looked at again.
    NewProfileEntries noAddresses = Wireless("S", SECURITY_WEP, "");
    noAddresses.other.IPDNS = "1";
    NewProfileEntries blankHomepage = Wireless("S", SECURITY_WEP, "");
    blankHomepage.other.HomepageFlag = "1";
    NewProfileEntries filled = noAddresses;
    ProfileOtherSet& o = filled.other;
    o.IPvalue = "192.168.1.10";
    o.SubnetAddress = "255.255.255.0";
    o.NetGateway = o.DNSvalue = "192.168.1.1";
    o.ProxyFlag = "1";
    o.Proxy = "proxy.school";
    o.Port = "3128";
    NewProfileEntries noProxy = filled;
    noProxy.other.Port.clear();
    const Case cases[] = {
        {"blank name", blankName, kWireless, "Profile name cannot be empty!", ProfileField::Name},
        {"taken name", taken, kOther, "already exists", ProfileField::Name},
        {"name in another case", otherCase, kOther, "", ProfileField::None},
        {"slash in the name", slash, kOther, "cannot contain", ProfileField::Name},
        {"dots for a name", dots, kOther, "Invalid profile name!", ProfileField::Name},
        {"the guest profile's name", guest, kOther, "already exists", ProfileField::Name},
        {"back with an empty SSID", Wireless("", SECURITY_NONE, ""), kOther, "", ProfileField::None},
        {"empty SSID", Wireless("  ", SECURITY_NONE, ""), kWireless, "SSID cannot be empty!", ProfileField::Ssid},
        {"accented SSID", Wireless(wxString::FromUTF8("Caf\xc3\xa9"), SECURITY_NONE, ""), kWireless, "Invalid SSID!", ProfileField::Ssid},
        {"colon in the SSID", Wireless("a:b", SECURITY_NONE, ""), kWireless, "SSID cannot contain", ProfileField::Ssid},
        {"SSID never edited", untouchedSsid, kWireless, "", ProfileField::None},
        {"WEP without key", Wireless("S", SECURITY_WEP, ""), kWireless, "WEP key cannot be empty!", ProfileField::Key},
        {"WEP hexadecimal", Wireless("S", SECURITY_WEP, "01234abcDE"), kWireless, "", ProfileField::None},
        {"WEP not hexadecimal", Wireless("S", SECURITY_WEP, "01234abcdg"), kWireless, "must be hexadecimal",
         ProfileField::Key},
        {"WEP of 4", Wireless("S", SECURITY_WEP, "abcd"), kWireless, "10 or 26", ProfileField::Key},
        {"WEP of 5 ASCII", Wireless("S", SECURITY_WEP, "ab cd"), kWireless, "", ProfileField::None},
        {"WPA without key", Wireless("S", SECURITY_WPA_PSK, ""), kWireless, "WPA key cannot be empty!",
         ProfileField::Key},
        {"WPA of blanks", Wireless("S", SECURITY_WPA_PSK, "        "), kWireless, "", ProfileField::None},
        {"WPA of 7", Wireless("S", SECURITY_WPA_PSK, "1234567"), kWireless, "8 to 63", ProfileField::Key},
        {"NONE with a key", Wireless("S", SECURITY_NONE, "x"), kWireless, "", ProfileField::None},
        {"UNKNOWN with a key", Wireless("S", SECURITY_UNKNOWN, "x"), kWireless, "", ProfileField::None},
        {"keys untested going back", Wireless("S", SECURITY_WEP, ""), kOther, "", ProfileField::None},
        {"Finish, TCP/IP ticked without addresses", noAddresses, kFinish, "IP address cannot be empty!",
         ProfileField::IpSettingsButton},
        {"Finish, homepage ticked and blank", blankHomepage, kFinish, "Homepage cannot be empty!",
         ProfileField::Homepage},
        {"Finish, proxy without port", noProxy, kFinish, "Port field cannot be empty!",
         ProfileField::ProxySettingsButton},
        {"Finish, ticked groups filled", filled, kFinish, "", ProfileField::None},
        {"back from the last page", noAddresses, kOther, "", ProfileField::None},
    };
    const std::set<wxString> names{"Office"};
    for (const Case& c : cases) {
        const NewProfileChecks::Outcome out = NewProfileChecks::CheckPageChange(
            c.entries, c.change, [&](const wxString& n) { return names.count(n) > 0; });
        const bool accepted = std::string(c.message).empty();
        EXPECT_EQ(out.verdict.accepted, accepted) << c.what << ": " << out.verdict.message;
        if (!accepted) {
            EXPECT_TRUE(out.verdict.message.Contains(c.message)) << c.what << ": " << out.verdict.message;
        }
        EXPECT_EQ(out.verdict.focus, c.focus) << c.what;
    }
}

TEST(NewProfileChecks, NameAndSsidComeBackTrimmedEvenWhenRefused) {
    NewProfileEntries e = Wireless("  Schule\t", SECURITY_WEP, "");
    e.name = "  Office ";
    NewProfileChecks::Outcome out =
        NewProfileChecks::CheckPageChange(e, kWireless, [](const wxString& n) { return n == "Office"; });
    EXPECT_FALSE(out.verdict.accepted);
    EXPECT_EQ(out.name, "Office");
    EXPECT_FALSE(out.ssidChecked);  // the name failed first

    e.name = "Mine";
    out = NewProfileChecks::CheckPageChange(e, kWireless, nullptr);
    EXPECT_TRUE(out.ssidChecked);
    EXPECT_EQ(out.ssid, "Schule");
    EXPECT_EQ(out.verdict.message, "WEP key cannot be empty!");
}

TEST(NewProfileRecord, NeverShownWirelessPageGivesItsInitialValues) {
    NewProfileEntries e;
    e.wireless = false;
    e.iconIndex = 7;
    ProfileList_t record;
    NewProfileRecord::Fill(record, e, "Wired", false);
    EXPECT_EQ(record.name, "Wired");
    EXPECT_EQ(record.permission, "user");
    EXPECT_EQ(record.icon, "7");
    EXPECT_EQ(record.GenernalSet.ConnecType, "lan");
    EXPECT_EQ(record.WirelessSet.SSID, "");
    EXPECT_EQ(record.WirelessSet.WirlessType, "Automatic");
    EXPECT_EQ(record.WirelessSet.WlanSecurity, "none");
    EXPECT_EQ(record.WirelessSet.KeyIndex, "1");
    EXPECT_EQ(record.WirelessSet.WEPKey + record.WirelessSet.WPAKey, "");
    EXPECT_EQ(record.priority + record.show, "");
    NewProfileRecord::Fill(record, e, "Wired", true);
    EXPECT_EQ(record.permission, "admin");
}

TEST(NewProfileRecord, KeysOfEarlierPassesStayAndUnknownKeepsTheKeyIndex) {
    ProfileList_t record;
    NewProfileEntries e = Wireless("S", SECURITY_WEP, "0123456789");
    e.keyIndexText = "3";
    e.wirelessTypeIndex = 3;
    NewProfileRecord::Fill(record, e, "Home", false);
    EXPECT_EQ(record.WirelessSet.KeyIndex, "3");
    EXPECT_EQ(record.WirelessSet.WirlessType, "802.11n");

    e.securityIndex = SECURITY_UNKNOWN;
    NewProfileRecord::Fill(record, e, "Home", false);
    EXPECT_EQ(record.WirelessSet.WlanSecurity, "unknown");
    EXPECT_EQ(record.WirelessSet.KeyIndex, "3");

    e.securityIndex = SECURITY_WPA_PSK;
    e.key = "passphrase";
    NewProfileRecord::Fill(record, e, "Home", false);
    EXPECT_EQ(record.WirelessSet.WlanSecurity, "wpa-psk");
    EXPECT_EQ(record.WirelessSet.WPAKey, "passphrase");
    EXPECT_EQ(record.WirelessSet.WEPKey, "0123456789");
    EXPECT_EQ(record.WirelessSet.KeyIndex, "1");
}

TEST(NewProfileRecord, OtherSettingsKeepValuesWhateverTheirFlags) {
    EXPECT_EQ(NewProfileRecord::OtherSet(OtherSettingsEntries()),
              [] {
                  ProfileOtherSet o;
                  o.NetworkSecurity = o.AutoRunAppFlag = o.IPDNS = o.HomepageFlag = o.ProxyFlag = "0";
                  return o;
              }());
    OtherSettingsEntries e;
    e.ipDns = false;
    e.ip = "10.0.0.5";
    e.homepageText = "  http://school.example/ \t";
    e.forbidShareInternet = "1";
    e.proxy = true;
    const ProfileOtherSet o = NewProfileRecord::OtherSet(e);
    EXPECT_EQ(o.IPDNS, "0");
    EXPECT_EQ(o.IPvalue, "10.0.0.5");
    EXPECT_EQ(o.Homepage, "http://school.example/");
    EXPECT_EQ(o.HomepageFlag, "0");
    EXPECT_EQ(o.ProxyFlag, "1");
    EXPECT_EQ(o.ForbidShareInternet, "1");
    EXPECT_EQ(o.ForbidShareFileAndPrint + o.StartWindowFirewall, "");
}

TEST(AccessPointFields, SecurityPhyAndSsidMapByPosition) {
    struct Case {
        const char* what;
        std::string ssid;
        uint32_t length;
        uint32_t security;
        uint32_t phy;
        wxString ssidShown;
        int securityIndex;
        int typeIndex;
    };
    const std::string ssid32(32, 'S');
    const Case cases[] = {
        {"open shown as 100", "Cafe", 4, 100, 0, "Cafe", SECURITY_NONE, 1},
        {"WEP on g", "Lib", 3, 1, 1, "Lib", SECURITY_WEP, 2},
        {"WPA-PSK on n", "Net", 3, 2, 2, "Net", SECURITY_WPA_PSK, 3},
        {"unknown security and PHY", "X", 1, 3, 3, "X", SECURITY_UNKNOWN, 0},
        {"32 bytes, length beyond", ssid32, 4000, 0, 0, wxString(ssid32), SECURITY_NONE, 1},
        {"not UTF-8", "\xff\xfe", 2, 0, 0, "", SECURITY_NONE, 1},
        {"UTF-8", "Caf\xc3\xa9", 5, 0, 0, wxString::FromUTF8("Caf\xc3\xa9"), SECURITY_NONE, 1},
        {"no SSID", "", 0, 0, 0, "", SECURITY_NONE, 1},
    };
    for (const Case& c : cases) {
        APStatus ap = ApStatusUtil::MakeWithSsid(c.ssid);
        ap.nSSIDLength = c.length;
        ap.nSecurity = c.security;
        ap.nPhyType = c.phy;
        const AccessPointFields f = AccessPointFields::From(ap);
        EXPECT_EQ(f.ssid, c.ssidShown) << c.what;
        EXPECT_EQ(f.securityIndex, c.securityIndex) << c.what;
        EXPECT_EQ(f.wirelessTypeIndex, c.typeIndex) << c.what;
    }
}
