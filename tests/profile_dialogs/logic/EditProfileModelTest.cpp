#include <gtest/gtest.h>

#include "EditProfileModel.h"
#include "FakeEditProfileHub.h"
#include "ProfileFieldRules.h"

namespace {

using F = EditProfileFields;

ProfileList_t WepProfile() {
    ProfileList_t p;
    p.name = "Library";
    p.permission = "user";
    p.priority = "4";
    p.show = "0";
    p.icon = "5";
    p.GenernalSet.ConnecType = "wireless";
    p.WirelessSet.SSID = "Library";
    p.WirelessSet.WirlessType = "802.11g";
    p.WirelessSet.WlanSecurity = "wep";
    p.WirelessSet.WEPKey = "0123456789";
    p.WirelessSet.WPAKey = "stored wpa key";
    p.WirelessSet.KeyIndex = "3";
    ProfileOtherSet& o = p.OtherSet;
    o.NetworkSecurity = o.AutoRunAppFlag = o.IPDNS = o.HomepageFlag = o.ProxyFlag = "0";
    return p;
}

std::string Bytes(const wxString& text) { return std::string(text.utf8_str()); }

}  // namespace

TEST(EditProfileModel, LoadsChoicesByPositionOnly) {
    struct Row {
        const char* icon;
        const char* type;
        const char* security;
        const char* keyIndex;
        int iconPos, typePos, securityPos, keyIndexPos;
        const char* key;
        bool keyEnabled, keyIndexEnabled, hint;
    } rows[] = {
        {"0", "Automatic", "wep", "4", 0, F::TYPE_AUTOMATIC, F::SEC_WEP, 3, "0123456789", true, true, true},
        {"7", "802.11n", "wpa-psk", "3", 7, F::TYPE_N, F::SEC_WPA_PSK, 0, "stored wpa key", true, false, false},
        {"", "", "", "2", -1, -1, -1, 0, "", false, false, false},
        {"9", "802.11ac", "none", "2", -1, -1, F::SEC_NONE, 0, "", false, false, false},
        {"-1", "automatic", "WEP", "1", -1, -1, F::SEC_UNKNOWN, 0, "", false, false, false},
        {"abc", "802.11b", "unknown", "1", -1, F::TYPE_B, F::SEC_UNKNOWN, 0, "", false, false, false},
        {"07", "802.11g", "wep", "0", 7, F::TYPE_G, F::SEC_WEP, 0, "0123456789", true, true, true},
        {"3x", "802.11g", "wep", "5", -1, F::TYPE_G, F::SEC_WEP, 0, "0123456789", true, true, true},
    };
    for (const Row& r : rows) {
        ProfileList_t p = WepProfile();
        p.icon = r.icon;
        p.WirelessSet.WirlessType = r.type;
        p.WirelessSet.WlanSecurity = r.security;
        p.WirelessSet.KeyIndex = r.keyIndex;
        const EditProfileModel model(p, false);
        const F& f = model.Loaded();
        const std::string row = std::string(r.icon) + "/" + r.type + "/" + r.security + "/" + r.keyIndex;
        EXPECT_EQ(f.icon, r.iconPos) << row;
        EXPECT_EQ(f.wirelessType, r.typePos) << row;
        EXPECT_EQ(f.security, r.securityPos) << row;
        EXPECT_EQ(f.keyIndex, r.keyIndexPos) << row;
        EXPECT_EQ(Bytes(f.key), r.key) << row;
        EXPECT_EQ(f.keyEnabled, r.keyEnabled) << row;
        EXPECT_EQ(f.keyIndexEnabled, r.keyIndexEnabled) << row;
        EXPECT_EQ(f.hexHint, r.hint) << row;
    }
}

TEST(EditProfileModel, LoadsGroupsOnlyWhenTheirFlagIsOne) {
    ProfileList_t p = WepProfile();
    p.GenernalSet.ConnecType = "LAN";
    ProfileOtherSet& o = p.OtherSet;
    o.NetworkSecurity = "1";
    o.ForbidShareInternet = "1";
    o.AutoRunAppFlag = "1";
    o.AutoRun = {"/usr/bin/a", "/usr/bin/b"};
    o.IPDNS = "";
    o.IPvalue = "10.0.0.5";
    o.HomepageFlag = "1";
    o.Homepage = "http://school.example/";
    o.ProxyFlag = "0";
    o.Proxy = "proxy";
    EditProfileModel model(p, false);
    const F& f = model.Loaded();
    EXPECT_FALSE(f.wireless);
    EXPECT_EQ(Bytes(f.ssid), "Library");  // still loaded for the hidden page
    EXPECT_TRUE(f.networkSecurity);
    EXPECT_TRUE(model.ForbidShareInternetTicked());
    EXPECT_TRUE(f.autoRun);
    EXPECT_EQ(model.GetAppList().size(), 2u);
    EXPECT_FALSE(f.ipDns);
    EXPECT_TRUE(f.homepage);
    EXPECT_EQ(f.homepageText, "http://school.example/");
    EXPECT_FALSE(f.proxy);
    // Unticked groups start with empty working values; the Settings dialog
    // then shows what is stored.
    EXPECT_EQ(model.GetIpPreset().ip, "10.0.0.5");
    EXPECT_EQ(model.GetProxyPreset().address, "proxy");
}

TEST(EditProfileModel, SecurityChoiceShowsThatTypesStoredKey) {
    EditProfileModel model(WepProfile(), false);
    F f = model.Loaded();
    f.key = "typed";
    struct Row {
        int security;
        const char* key;
        bool keyEnabled, keyIndexEnabled, hint;
    } rows[] = {
        {F::SEC_WPA_PSK, "stored wpa key", true, false, false},
        {F::SEC_NONE, "", false, false, false},
        {F::SEC_WEP, "0123456789", true, true, true},
        {F::SEC_UNKNOWN, "", false, false, false},
    };
    for (const Row& r : rows) {
        f.security = r.security;
        f.keyIndex = 2;
        model.ApplySecurityChoice(f);
        EXPECT_EQ(Bytes(f.key), r.key) << r.security;
        EXPECT_EQ(f.keyEnabled, r.keyEnabled) << r.security;
        EXPECT_EQ(f.keyIndexEnabled, r.keyIndexEnabled) << r.security;
        EXPECT_EQ(f.hexHint, r.hint) << r.security;
        EXPECT_EQ(f.keyIndex, 2);  // never set by the rule
    }
}

TEST(EditProfileModel, PickedAccessPointFillsTheWirelessPage) {
    struct Row {
        uint32_t security, phy;
        int securityPos, typePos;
        bool keyEnabled, hint;
    } rows[] = {
        {0, 0, F::SEC_NONE, F::TYPE_B, false, false},   {100, 1, F::SEC_NONE, F::TYPE_G, false, false},
        {1, 2, F::SEC_WEP, F::TYPE_N, true, true},      {2, 3, F::SEC_WPA_PSK, F::TYPE_AUTOMATIC, true, false},
        {3, 1, F::SEC_UNKNOWN, F::TYPE_G, false, false},
    };
    for (const Row& r : rows) {
        EditProfileModel model(WepProfile(), false);
        F f = model.Loaded();
        APStatus ap = ApStatusUtil::MakeWithSsid("Caf\xc3\xa9");
        ap.nSecurity = r.security;
        ap.nPhyType = r.phy;
        model.ApplyPickedAccessPoint(ap, f);
        EXPECT_EQ(Bytes(f.ssid), "Caf\xc3\xa9");
        EXPECT_EQ(f.security, r.securityPos) << r.security;
        EXPECT_EQ(f.wirelessType, r.typePos) << r.phy;
        EXPECT_EQ(f.keyEnabled, r.keyEnabled) << r.security;
        EXPECT_EQ(f.hexHint, r.hint) << r.security;
        EXPECT_TRUE(f.key.empty());
    }
}

TEST(EditProfileModel, SecurityIsWrittenByPositionKeepingTheOtherKey) {
    struct Row {
        int security;
        const char* key;
        const char* wlan;
        const char* wep;
        const char* wpa;
        const char* keyIndex;
    } rows[] = {
        {F::SEC_NONE, "", "none", "0123456789", "stored wpa key", "1"},
        {F::SEC_WEP, "abcde", "wep", "abcde", "stored wpa key", "2"},
        {F::SEC_WPA_PSK, "new passphrase", "wpa-psk", "0123456789", "new passphrase", "1"},
        {F::SEC_UNKNOWN, "", "unknown", "0123456789", "stored wpa key", "3"},
        {-1, "", "wep", "0123456789", "stored wpa key", "3"},
    };
    for (const Row& r : rows) {
        FakeEditProfileHub hub;
        EditProfileModel model(WepProfile(), false);
        F f = model.Loaded();
        f.security = r.security;
        f.key = r.key;
        f.keyIndex = 1;
        f.icon = -1;
        f.wirelessType = -1;
        ASSERT_TRUE(model.Save(f, hub).accepted) << r.security;
        const stWirelessSet& w = model.GetProfile().WirelessSet;
        EXPECT_EQ(w.WlanSecurity, r.wlan) << r.security;
        EXPECT_EQ(w.WEPKey, r.wep) << r.security;
        EXPECT_EQ(w.WPAKey, r.wpa) << r.security;
        EXPECT_EQ(w.KeyIndex, r.keyIndex) << r.security;
        EXPECT_EQ(w.WirlessType, "802.11g") << r.security;  // nothing selected: kept
        EXPECT_EQ(model.GetProfile().icon, "5");
    }
}

TEST(EditProfileModel, OkChecksInOrderAndWritesNothingOnARefusal) {
    using PF = ProfileField;
    struct Row {
        const char* what;
        std::function<void(F&, FakeEditProfileHub&)> change;
        const char* message;
        ProfileField focus;
    } rows[] = {
        {"blank name", [](F& f, FakeEditProfileHub&) { f.name = "  "; }, "Profile name cannot be empty!", PF::Name},
        {"taken", [](F& f, FakeEditProfileHub& h) { h.managerNames = {"Home", "Library"}; f.name = "Home"; },
         "A profile with the name you specified already exists.", PF::Name},
        {"typed SSID", [](F& f, FakeEditProfileHub&) { f.ssid = "Teacher's Room"; }, "SSID cannot contain", PF::Ssid},
        {"short WEP key", [](F& f, FakeEditProfileHub&) { f.key = "012"; }, "WEP key must be 10 or 26", PF::Key},
        {"WEP key cleared", [](F& f, FakeEditProfileHub&) { f.key.clear(); }, "WEP key cannot be empty!", PF::Key},
        {"ticked IP group, stored values wrong",
         [](F& f, FakeEditProfileHub&) { f.ipDns = true; }, "Invalid subnet mask!", PF::IpSettingsButton},
        {"ticked homepage", [](F& f, FakeEditProfileHub&) { f.homepage = true; f.homepageText = " "; },
         "Homepage cannot be empty!", PF::Homepage},
        {"ticked proxy, nothing stored", [](F& f, FakeEditProfileHub&) { f.proxy = true; },
         "Proxy cannot be empty!", PF::ProxySettingsButton},
    };
    for (const Row& r : rows) {
        ProfileList_t p = WepProfile();
        p.OtherSet.IPvalue = "10.0.0.5";
        p.OtherSet.SubnetAddress = "255.0.255.0";
        p.OtherSet.NetGateway = "10.0.0.1";
        p.OtherSet.DNSvalue = "10.0.0.1";
        EditProfileModel model(p, false);
        FakeEditProfileHub hub;
        F f = model.Loaded();
        r.change(f, hub);
        const FieldVerdict v = model.Save(f, hub);
        EXPECT_FALSE(v.accepted) << r.what;
        EXPECT_TRUE(v.message.StartsWith(r.message)) << r.what << ": " << v.message.utf8_str();
        EXPECT_EQ(v.focus, r.focus) << r.what;
        EXPECT_EQ(model.GetProfile(), p) << r.what;
    }
}

TEST(EditProfileModel, TickedGroupsTakeStoredValuesUntickedOnesAreSavedAsWorked) {
    ProfileList_t p = WepProfile();
    ProfileOtherSet& o = p.OtherSet;
    o.IPvalue = "192.168.1.10";
    o.SubnetAddress = "255.255.255.0";
    o.NetGateway = "192.168.1.1";
    o.DNSvalue = "192.168.1.1";
    o.Proxy = "proxy.school";
    o.Port = "3128";
    o.Homepage = "http://school.example/";
    for (const bool ticked : {true, false}) {
        EditProfileModel model(p, false);
        FakeEditProfileHub hub;
        F f = model.Loaded();
        f.ipDns = f.proxy = ticked;
        if (ticked)
            model.SetProxy({"", "8080"});  // a working value wins over the stored one
        ASSERT_TRUE(model.Save(f, hub).accepted);
        const ProfileOtherSet& saved = model.GetProfile().OtherSet;
        EXPECT_EQ(saved.IPDNS, ticked ? "1" : "0");
        EXPECT_EQ(saved.IPvalue, ticked ? "192.168.1.10" : "");
        EXPECT_EQ(saved.DNSvalue, ticked ? "192.168.1.1" : "");
        EXPECT_EQ(saved.Proxy, ticked ? "proxy.school" : "");
        EXPECT_EQ(saved.Port, ticked ? "8080" : "");
        EXPECT_EQ(saved.HomepageFlag, "0");
        EXPECT_EQ(saved.Homepage, "");
    }
}

TEST(EditProfileModel, StoredBytesSurviveAndTheRestIsUntouched) {
    const std::string oddSsid = "Caf\xe9 \xff";  // not UTF-8
    ProfileList_t p = WepProfile();
    p.name = "Lab \xfe";
    p.WirelessSet.SSID = oddSsid;
    p.WirelessSet.WPAKey = "\xe9t\xe9 key!";
    p.WirelessSet.WlanSecurity = "wpa-psk";
    p.WirelessSet.WEPKey = "\x01\x02";
    p.WirelessSet.WirlessType = "";
    p.OtherSet.AutoRunAppFlag = "1";
    p.OtherSet.AutoRun = {"/opt/\xff/run", "/usr/bin/b"};

    // Other fields edited: name, SSID, key and programs keep their bytes.
    {
        FakeEditProfileHub hub;
        EditProfileModel model(p, false);
        F f = model.Loaded();
        f.icon = 2;
        model.SetAppList(model.GetAppList());
        const FieldVerdict v = model.Save(f, hub);
        ASSERT_TRUE(v.accepted) << v.message.utf8_str();
        ProfileList_t expected = p;
        expected.icon = "2";
        expected.WirelessSet.KeyIndex = "1";
        expected.OtherSet.NetworkSecurity = expected.OtherSet.IPDNS = expected.OtherSet.HomepageFlag =
            expected.OtherSet.ProxyFlag = "0";
        expected.GenernalSet.ConnecType = "wireless";
        EXPECT_EQ(model.GetProfile(), expected);
    }
    // From the scan map: the wireless group as the scan map filled it,
    // whatever the hidden controls hold; the name is still checked, against
    // the store too.
    {
        FakeEditProfileHub hub;
        hub.storedNames = {"Taken"};
        p.WirelessSet.KeyIndex = "0";
        EditProfileModel model(p, true);
        F f = model.Loaded();
        f.ssid = "changed";
        f.key = "";
        f.security = F::SEC_WEP;
        f.name = "Taken";
        EXPECT_FALSE(model.Save(f, hub).accepted);
        f.name = "Guest";
        EXPECT_FALSE(model.Save(f, hub).accepted);
        f.name = " Lab 2 ";
        ASSERT_TRUE(model.Save(f, hub).accepted);
        EXPECT_EQ(model.GetProfile().name, "Lab 2");
        EXPECT_EQ(model.GetProfile().WirelessSet, p.WirelessSet);
        EXPECT_EQ(model.GetProfile().permission, "user");
        EXPECT_EQ(model.GetProfile().priority, "4");
        EXPECT_EQ(model.GetProfile().show, "0");
    }
}

TEST(EditProfileModel, PickedSsidIsTakenAsTheNetworksBytes) {
    FakeEditProfileHub hub;
    EditProfileModel model(WepProfile(), false);
    F f = model.Loaded();
    APStatus ap = ApStatusUtil::MakeWithSsid("Teacher's \xff");
    ap.nSecurity = 0;
    model.ApplyPickedAccessPoint(ap, f);
    ASSERT_TRUE(model.Save(f, hub).accepted);
    EXPECT_EQ(model.GetProfile().WirelessSet.SSID, "Teacher's \xff");
    // Typed over, the same text is refused.
    f.ssid += "x";
    EXPECT_FALSE(model.Save(f, hub).accepted);
}
