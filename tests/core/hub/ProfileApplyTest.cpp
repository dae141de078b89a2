#include <algorithm>
#include <cstring>
#include <string>

#include <sys/stat.h>

#include "ApStatusUtil.h"
#include "HubTestSupport.h"
#include "NetworkTypes.h"
#include "ProfileManagementControl.h"
#include "TestEnvironment.h"
#include "TestTree.h"

namespace {

bool Logged(const std::string& call) {
    const std::vector<std::string> log = SimControl::CallLog();
    return std::find(log.begin(), log.end(), call) != log.end();
}

bool LoggedPrefix(const std::string& prefix) {
    for (const std::string& line : SimControl::CallLog())
        if (line.rfind(prefix, 0) == 0)
            return true;
    return false;
}

ProfileList_t WirelessProfile() {
    ProfileList_t p;
    p.name = "Classroom";
    p.permission = "admin";
    p.priority = "1";
    p.show = "1";
    p.GenernalSet.ConnecType = "wireless";
    p.WirelessSet.SSID = "Classroom-101";
    p.WirelessSet.WirlessType = "Automatic";
    p.WirelessSet.WlanSecurity = "wpa-psk";
    p.WirelessSet.WPAKey = "lantern-wpa-key";
    p.WirelessSet.KeyIndex = "0";
    return p;
}

ProfileList_t WiredProfile() {
    ProfileList_t p;
    p.name = "Cable";
    p.permission = "user";
    p.show = "1";
    p.GenernalSet.ConnecType = "lan";
    return p;
}

class ApplyTest : public HubTest {
protected:
    void SetUp() override {
        HubTest::SetUp();
        control = hub->GetProfileManagementControl();
        ASSERT_NE(control, nullptr);
    }

    // Runs an apply of a wireless profile through to its end.
    void RunWirelessApply(const ProfileList_t& p) {
        control->ApplyProfile(p);
        FinishWirelessApply();
    }

    // Runs the apply under way through to its end.
    void FinishWirelessApply() {
        control->PrepareTick();
        ASSERT_TRUE(PumpEventsUntil([&] { return hub->IsAllocatorTimerRunning(); }));
        // An allocation tick once the address is there.  Applied again, the
        // last association's address may still be in place as the attempt
        // starts; the tick that finds it dropped in between is not the last.
        ASSERT_TRUE(PumpEventsUntil([&] {
            char ip[RVL_TEXT_BUFFER] = {};
            if (RVL_GetIPAddressHLAN(ADAPTER_WIRELESS, ip) == 0 && std::strcmp(ip, "10.20.1.57") == 0 &&
                hub->IsAllocatorTimerRunning())
                hub->OnAllocatorTimer();
            return !hub->IsAllocatorTimerRunning();
        }));
        ASSERT_TRUE(PumpEventsUntil([&] { return tray.Count(wxEVT_TW_PROFILE) == 1; }));
    }

    // The order of what the tray received: (type, code) pairs.
    std::vector<std::pair<int, int>> TrayEvents() const {
        std::vector<std::pair<int, int>> out;
        for (const auto& e : tray.events)
            out.emplace_back(e.type, e.code);
        return out;
    }

    ProfileManagementControl* control = nullptr;
};

}  // namespace

TEST_F(ApplyTest, WirelessProfileEndToEnd) {
    // A Firefox profile in the test's home, and an autorun program whose
    // path has blanks and shell characters in it.
    const std::string home = TestEnvironment::Home();
    TestTree::MakeDirs(home + "/.mozilla/firefox/abc.default");
    TestTree::WriteFile(home + "/.mozilla/firefox/profiles.ini",
                        "[Profile0]\nName=default\nIsRelative=1\nPath=abc.default\n");
    TestTree::WriteFile(home + "/.mozilla/firefox/abc.default/prefs.js", "user_pref(\"keep.me\", 1);\n");
    const std::string program = home + "/start lesson; echo owned";
    TestTree::WriteFile(program, "#!/bin/sh\ntouch \"$HOME/autorun-ran\"\n");
    chmod(program.c_str(), 0755);

    ProfileList_t p = WirelessProfile();
    ProfileOtherSet& o = p.OtherSet;
    o.NetworkSecurity = "1";
    o.ForbidShareInternet = "1";
    o.AutoRunAppFlag = "1";
    o.AutoRun = {"", program};
    o.IPDNS = "1";
    o.IPvalue = "010.20.1.80";  // octal: goes out as 8.20.1.80
    o.SubnetAddress = "255.0.0.0";
    o.NetGateway = "8.20.1.1";
    o.DNSvalue = "8.20.1.2";
    o.HomepageFlag = "1";
    o.Homepage = "http://school.example/\"); user_pref(\"evil\", 1); //";
    o.ProxyFlag = "1";
    o.Proxy = "proxy.school.example";
    o.Port = "3128";

    SimControl::ClearCallLog();
    RunWirelessApply(p);

    const auto events = TrayEvents();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0], std::make_pair(static_cast<int>(wxEVT_TW_WLAN_ACM), static_cast<int>(WLAN_CONNECTED)));
    EXPECT_EQ(events[1], std::make_pair(static_cast<int>(wxEVT_TW_PROFILE), static_cast<int>(PROFILE_APPLIED)));
    EXPECT_TRUE(windows.mainWindow.Has(wxEVT_TW_PROFILE, PROFILE_APPLIED));
    EXPECT_EQ(control->GetCurrentProfileName(), "Classroom");
    EXPECT_FALSE(control->IsApplying());

    EXPECT_TRUE(Logged("RVL_DownAdapter(1)"));
    EXPECT_TRUE(Logged("RVL_UpAdapter(2)"));
    EXPECT_TRUE(Logged("RVL_EnableInternetSharing(0)"));
    EXPECT_TRUE(Logged("RVL_WriteFile(\"killall\")"));
    EXPECT_TRUE(Logged("RVL_SetIPAddress(2, \"8.20.1.80\", \"255.0.0.0\", \"8.20.1.1\", \"8.20.1.2\")"));

    EXPECT_TRUE(PumpEventsUntil([&] { return TestTree::Exists(home + "/autorun-ran"); }));
    EXPECT_FALSE(TestTree::Exists(home + "/owned"));

    const std::string prefs = TestTree::ReadFile(home + "/.mozilla/firefox/abc.default/prefs.js");
    EXPECT_NE(prefs.find("user_pref(\"keep.me\", 1);"), std::string::npos);
    EXPECT_NE(prefs.find("user_pref(\"browser.startup.homepage\", "
                         "\"http://school.example/\\\"); user_pref(\\\"evil\\\", 1); //\");"),
              std::string::npos)
        << prefs;
    EXPECT_NE(prefs.find("user_pref(\"network.proxy.http_port\", 3128);"), std::string::npos);
}

TEST_F(ApplyTest, SharingIsAllowedAgainByTheNextProfile) {
    ProfileList_t p = WirelessProfile();
    SimControl::ClearCallLog();
    RunWirelessApply(p);
    EXPECT_TRUE(Logged("RVL_EnableInternetSharing(1)"));
    EXPECT_FALSE(LoggedPrefix("RVL_SetIPAddress"));
}

TEST_F(ApplyTest, ProgramsStartOnlyWhenTheAutorunFlagIsOne) {
    // Each program notes its name; "on" is started by an apply that comes
    // after the one that must not start "off".
    const std::string home = TestEnvironment::Home();
    ProfileList_t p = WirelessProfile();
    for (const char* flag : {"0", "1"}) {
        const std::string name = *flag == '1' ? "on" : "off";
        TestTree::WriteFile(home + "/" + name, "#!/bin/sh\necho " + name + " >> \"$HOME/started\"\n");
        chmod((home + "/" + name).c_str(), 0755);
        p.OtherSet.AutoRunAppFlag = flag;
        p.OtherSet.AutoRun = {home + "/" + name};
        tray.events.clear();
        RunWirelessApply(p);
    }
    // The file is there before the program has written its line into it.
    std::string started;
    ASSERT_TRUE(PumpEventsUntil([&] {
        started = TestTree::Exists(home + "/started") ? TestTree::ReadFile(home + "/started") : "";
        return started.find("on\n") != std::string::npos;
    }, 10000)) << "the program of the apply with the flag 1 has not written its line; the file holds \"" << started
        << "\"";
    EXPECT_EQ(started, "on\n");
}

TEST_F(ApplyTest, StaticAddressThatCannotBeSetFailsTheApply) {
    ProfileList_t p = WirelessProfile();
    p.OtherSet.IPDNS = "1";
    p.OtherSet.IPvalue = "192.168.1.300";
    p.OtherSet.SubnetAddress = "255.255.255.0";
    p.OtherSet.NetGateway = "192.168.1.1";
    p.OtherSet.DNSvalue = "192.168.1.1";
    RunWirelessApply(p);
    EXPECT_TRUE(tray.Has(wxEVT_TW_PROFILE, PROFILE_APPLY_FAILED));
    EXPECT_FALSE(tray.Has(wxEVT_TW_PROFILE, PROFILE_APPLIED));
    EXPECT_EQ(control->GetCurrentProfileName(), "");
    EXPECT_EQ(control->GetCurrentUsedProfile().name, "");
}

TEST_F(ApplyTest, WiredPollGivesUpOnTick21WithTheTimeoutReason) {
    SimControl::SetWiredLink(false);
    control->ApplyProfile(WiredProfile());
    control->PrepareTick();
    WaitForSwitches();
    ASSERT_TRUE(Logged("RVL_UpAdapter(1)"));
    for (int i = 1; i <= 20; ++i)
        control->WiredPollTick();
    PumpEventsFor(20);
    EXPECT_TRUE(tray.events.empty()) << "20 polls are allowed";
    control->WiredPollTick();
    ASSERT_TRUE(PumpEventsUntil([&] { return tray.Count(wxEVT_TW_PROFILE) == 1; }));
    ASSERT_EQ(tray.events.size(), 2u);
    EXPECT_EQ(tray.events[0].code, WLAN_FAILED);
    EXPECT_EQ(tray.events[0].reason, REASON_WIRED_TIMEOUT);
    EXPECT_EQ(tray.events[1].code, PROFILE_APPLY_FAILED);
}

TEST_F(ApplyTest, WiredLinkConnectsAndIsForgottenWhenTheLinkGoes) {
    control->ApplyProfile(WiredProfile());
    control->PrepareTick();
    WaitForSwitches();
    SimControl::ClearCallLog();
    control->WiredPollTick();
    ASSERT_TRUE(PumpEventsUntil([&] { return tray.Has(wxEVT_TW_PROFILE, PROFILE_APPLIED); }));
    EXPECT_TRUE(Logged("RVL_WriteFile(\"dhclient\")")) << "a DHCP profile asks for an address";
    EXPECT_EQ(control->GetCurrentProfileName(), "Cable");

    control->NotifyModeChanged(NETMODE_WIRED_CONNECTED);
    EXPECT_EQ(control->GetCurrentProfileName(), "Cable");
    control->NotifyModeChanged(NETMODE_WIRED_NOLINK);
    EXPECT_EQ(control->GetCurrentProfileName(), "");
    EXPECT_EQ(control->GetCurrentUsedProfile().name, "");
    EXPECT_EQ(control->GetCurrentUsedProfile().GenernalSet.ConnecType, "lan") << "only name and permission go";
}

TEST_F(ApplyTest, ASecondApplyIsRefusedAndTheFirstGoesOn) {
    control->ApplyProfile(WirelessProfile());
    control->ApplyProfile(WiredProfile());
    ASSERT_TRUE(PumpEventsUntil([&] { return tray.Count(wxEVT_TW_PROFILE) == 1; }));
    EXPECT_TRUE(tray.Has(wxEVT_TW_WLAN_ACM, WLAN_FAILED));
    EXPECT_TRUE(tray.Has(wxEVT_TW_PROFILE, PROFILE_APPLY_FAILED));
    EXPECT_TRUE(control->IsApplying());
    EXPECT_EQ(control->GetCurrentUsedProfile().name, "Classroom");
}

TEST_F(ApplyTest, TheModeChangeOfItsOwnSwitchDoesNotForgetTheProfileBeingApplied) {
    RunWirelessApply(WirelessProfile());
    tray.events.clear();
    // The link drops first, so that the address waited for below is the new
    // association's and not the last one's still in place.
    ASSERT_EQ(RVL_CloseWlanConnection(), 0);
    // Apply the same profile again: while it runs, its own switch changes
    // the mode.  No profile is in force until it connected again.
    control->ApplyProfile(WirelessProfile());
    control->NotifyModeChanged(NETMODE_WIRELESS_NOLINK);
    EXPECT_EQ(control->GetCurrentProfileName(), "");
    EXPECT_EQ(control->GetCurrentUsedProfile().name, "Classroom");
    FinishWirelessApply();
    EXPECT_EQ(control->GetCurrentProfileName(), "Classroom");
}

TEST_F(ApplyTest, AnOverlongSsidFailsAtOnce) {
    ProfileList_t p = WirelessProfile();
    p.WirelessSet.SSID = std::string(33, 's');
    control->ApplyProfile(p);
    EXPECT_FALSE(control->IsApplying());
    ASSERT_TRUE(PumpEventsUntil([&] { return tray.Count(wxEVT_TW_PROFILE) == 1; }));
    EXPECT_TRUE(tray.Has(wxEVT_TW_WLAN_ACM, WLAN_FAILED));
    EXPECT_TRUE(tray.Has(wxEVT_TW_PROFILE, PROFILE_APPLY_FAILED));
}

TEST_F(ApplyTest, AnotherNetworkForgetsTheWirelessProfile) {
    RunWirelessApply(WirelessProfile());
    unsigned char oldKey[36] = {}, sameKey[36] = {}, otherKey[36] = {};
    sameKey[0] = 13;
    std::memcpy(sameKey + 4, "Classroom-101", 13);
    otherKey[0] = 11;
    std::memcpy(otherKey + 4, "Library-WEP", 11);
    control->AddPendingEvent(WirelessSwitchEvent(oldKey, sameKey));
    PumpEventsFor(10);
    EXPECT_EQ(control->GetCurrentProfileName(), "Classroom");
    control->AddPendingEvent(WirelessSwitchEvent(sameKey, otherKey));
    ASSERT_TRUE(PumpEventsUntil([&] { return control->GetCurrentProfileName().empty(); }));
}

TEST_F(ApplyTest, DisconnectOfAWiredProfileShutsTheWiredAdapter) {
    control->ApplyProfile(WiredProfile());
    control->PrepareTick();
    WaitForSwitches();
    control->WiredPollTick();
    ASSERT_TRUE(PumpEventsUntil([&] { return tray.Has(wxEVT_TW_PROFILE, PROFILE_APPLIED); }));
    SimControl::ClearCallLog();
    EXPECT_TRUE(control->DisconnectProfile());
    EXPECT_FALSE(control->IsBusy());
    ASSERT_TRUE(PumpEventsUntil([&] { return windows.mainWindow.Has(wxEVT_TW_PROFILE, PROFILE_DISCONNECTING); }));
    ASSERT_TRUE(PumpEventsUntil([&] { return !control->IsDisconnecting(); }));
    EXPECT_TRUE(Logged("RVL_DownAdapter(1)"));
}

TEST_F(ApplyTest, AProfileIsAdoptedOnlyForTheNetworkInUseAndOutsideAnApply) {
    ProfileList_t made = WirelessProfile();
    made.name = "Made for it";
    EXPECT_FALSE(control->AdoptConnectedProfile(made)) << "not connected to anything";
    SimControl::SetAdapterUp(ADAPTER_WIRED, false);
    SimControl::SetAdapterUp(ADAPTER_WIRELESS, true);
    APStatus ap = ApStatusUtil::MakeWithSsid("Classroom-101");
    ap.nSecurity = RVL_SECURITY_WPA_PSK;
    ASSERT_EQ(hub->ConnectWlanNetwork(&ap, "lantern-wpa-key", 0, false), HUB_OK);

    ProfileList_t other = made;
    other.WirelessSet.SSID = "Library-WEP";
    EXPECT_FALSE(control->AdoptConnectedProfile(other));
    control->ApplyProfile(WiredProfile());
    EXPECT_FALSE(control->AdoptConnectedProfile(made)) << "an apply runs";
    EXPECT_EQ(control->GetCurrentProfileName(), "");
}

TEST_F(ApplyTest, TheStatusDropsTheLinkAnApplyTakesDownBeforeTheLaptopDoes) {
    Tick();
    ASSERT_EQ(windows.mainWindow.statusModes.back(), NETMODE_WIRED_CONNECTED);
    SimControl::SetDelays(0, 300, 300);
    // Wired to wireless, then the same wireless profile again: shown at once
    // whether or not the switch thread or the attempt got to the link yet.
    for (const char* step : {"wired to wireless", "wireless to wireless"}) {
        SCOPED_TRACE(step);
        control->ApplyProfile(WirelessProfile());
        control->PrepareTick();
        EXPECT_NE(windows.mainWindow.statusModes.back(), NETMODE_WIRED_CONNECTED);
        ASSERT_TRUE(PumpEventsUntil([&] { return hub->IsAllocatorTimerRunning(); }));
        EXPECT_EQ(windows.mainWindow.statusModes.back(), NETMODE_WIRELESS_NOLINK) << "the association is dropped";
        Tick();  // a check while associating, or just after: what it shows the laptop has
        APStatus joined;
        if (windows.mainWindow.statusModes.back() != NETMODE_WIRELESS_NOLINK) {
            EXPECT_EQ(windows.mainWindow.statusModes.back(), NETMODE_WIRELESS_CONNECTED);
            EXPECT_EQ(RVL_GetCurrentAP(&joined), 0) << "associated";
        }
        EXPECT_EQ(windows.mainWindow.lastStatus.m_strType, "") << "the association is not read yet";
        EXPECT_FALSE(windows.mainWindow.lastStatus.m_bHasSignal);
        FinishWirelessApply();
        tray.events.clear();
    }
}
