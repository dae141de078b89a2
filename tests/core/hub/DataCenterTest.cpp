#include <algorithm>
#include <cstring>
#include <string>

#include "ApStatusUtil.h"
#include "HubTestSupport.h"
#include "NetworkTypes.h"
#include "ProfileManagementControl.h"

namespace {

bool Logged(const std::string& call) {
    const std::vector<std::string> log = SimControl::CallLog();
    return std::find(log.begin(), log.end(), call) != log.end();
}

APStatus AccessPoint(const std::string& ssid, uint32_t security, uint32_t phy = RVL_PHY_80211N) {
    APStatus ap = ApStatusUtil::MakeWithSsid(ssid);
    ap.nSecurity = security;
    ap.nPhyType = phy;
    ap.nSignalQuality = 92;
    return ap;
}

void WirelessOnly() {
    SimControl::SetAdapterUp(ADAPTER_WIRED, false);
    SimControl::SetAdapterUp(ADAPTER_WIRELESS, true);
}

}  // namespace

TEST_F(HubTest, ModeOfEveryCombinationOfAdaptersAndLinks) {
    struct Row {
        bool wiredUp, wirelessUp, wiredConnected, wirelessConnected;
        int mode;
    };
    const Row rows[] = {
        {true, true, true, true, NETMODE_WIRED_CONNECTED},    // wired preferred when both connect
        {true, false, true, false, NETMODE_WIRED_CONNECTED},
        {true, true, false, true, NETMODE_WIRELESS_CONNECTED},// connected beats merely up
        {false, true, false, true, NETMODE_WIRELESS_CONNECTED},
        {false, true, true, true, NETMODE_WIRELESS_CONNECTED},// a cable on a down adapter is no link
        {true, false, false, false, NETMODE_WIRED_NOLINK},
        {true, true, false, false, NETMODE_WIRED_NOLINK},
        {false, true, false, false, NETMODE_WIRELESS_NOLINK},
        {false, false, true, true, NETMODE_NO_ADAPTER},
        {false, false, false, false, NETMODE_NO_ADAPTER},
    };
    for (const Row& r : rows) {
        hub->CheckNetworkStatus(r.wiredUp, r.wirelessUp, r.wiredConnected, r.wirelessConnected);
        EXPECT_EQ(hub->GetNetworkMode(), r.mode) << r.wiredUp << r.wirelessUp << r.wiredConnected << r.wirelessConnected;
    }
    int mesh = MESH_SHARING_MY_INTERNET;
    hub->SetMeshStatusSource([&] { return mesh; });
    hub->CheckNetworkStatus(true, true, true, true);
    EXPECT_EQ(hub->GetNetworkMode(), NETMODE_MESH);
    EXPECT_EQ(windows.mainWindow.lastStatus.m_strType, "Mesh - Sharing My Internet");
    mesh = MESH_OFF;
    hub->CheckNetworkStatus(true, true, true, true);
    EXPECT_EQ(hub->GetNetworkMode(), NETMODE_WIRED_CONNECTED);
}

TEST_F(HubTest, EveryTickReportsToTheWindowsAndModeChangesReachTheControls) {
    hub->CheckNetworkStatus(true, false, true, false);
    hub->CheckNetworkStatus(true, false, true, false);
    hub->CheckNetworkStatus(false, false, false, false);
    hub->CheckNetworkStatus(false, false, false, false);
    EXPECT_EQ(windows.mainWindow.statusModes.size(), 4u);
    EXPECT_EQ(tray.iconModes.size(), 4u);
    // 0 (change), 6 (change), 6 again: no-adapter refreshes on every tick.
    EXPECT_EQ(windows.mainWindow.controlModes, (std::vector<int>{0, 6, 6}));
}

TEST_F(HubTest, LostWiredLinkAsksOnceAndYesSwitchesToWireless) {
    notices.answerWireless = true;
    hub->CheckNetworkStatus(true, false, true, false);
    SimControl::ClearCallLog();
    hub->CheckNetworkStatus(false, false, false, false);
    EXPECT_EQ(notices.askedWireless, 1);
    WaitForSwitches();
    EXPECT_TRUE(Logged("RVL_DownAdapter(1)"));
    EXPECT_TRUE(Logged("RVL_UpAdapter(2)"));
    hub->CheckNetworkStatus(false, false, false, false);
    EXPECT_EQ(notices.askedWireless, 1) << "asked again without a new loss";
}

TEST_F(HubTest, NoIsHonouredAndANestedTickNeverAsksAgain) {
    hub->CheckNetworkStatus(true, false, true, false);
    notices.duringWirelessQuestion = [&] {
        // The status timer ticks on while the question is open.
        hub->CheckNetworkStatus(true, false, true, false);
        hub->CheckNetworkStatus(false, false, false, false);
    };
    SimControl::ClearCallLog();
    hub->CheckNetworkStatus(false, false, false, false);
    EXPECT_EQ(notices.askedWireless, 1);
    WaitForSwitches();
    EXPECT_FALSE(Logged("RVL_UpAdapter(2)"));
}

TEST_F(HubTest, DisarmedQuestionPassesTheCommandsOwnLossOnlyAndIsArmedAgain) {
    // Disarmed by a command whose apply still runs: its loss passes.
    hub->CheckNetworkStatus(true, false, true, false);
    hub->SetFlag(false);
    windows.mainWindow.applying = true;
    hub->CheckNetworkStatus(true, false, true, false);
    windows.mainWindow.applying = false;
    hub->CheckNetworkStatus(false, false, false, false);
    EXPECT_EQ(notices.askedWireless, 0);
    hub->CheckNetworkStatus(true, false, true, false);
    hub->CheckNetworkStatus(false, false, false, false);
    EXPECT_EQ(notices.askedWireless, 1);
    // A command that ends without that loss (the wireless adapter came up
    // first) leaves no disarmed question for a cable pulled later.
    hub->CheckNetworkStatus(true, false, true, false);
    hub->SetFlag(false);
    hub->CheckNetworkStatus(false, true, false, false);
    tray.applyWireless = true;  // the wireless apply that tick started is over
    hub->CheckNetworkStatus(true, false, true, false);
    hub->CheckNetworkStatus(false, false, false, false);
    EXPECT_EQ(notices.askedWireless, 2);
}

TEST_F(HubTest, NoQuestionWhileAnApplyRuns) {
    hub->CheckNetworkStatus(true, false, true, false);
    windows.mainWindow.applying = true;
    hub->CheckNetworkStatus(false, false, false, false);
    EXPECT_EQ(notices.askedWireless, 0);
}

TEST_F(HubTest, WiredLinkWhileOnWirelessAsksAndYesSuppressesTheSecondNotice) {
    notices.answerWired = true;
    hub->CheckNetworkStatus(false, true, false, true);
    SimControl::ClearCallLog();
    hub->CheckNetworkStatus(false, true, true, true);  // cable plugged in
    EXPECT_EQ(notices.askedWired, 1);
    EXPECT_EQ(notices.switchedToWired, 1);
    WaitForSwitches();
    EXPECT_TRUE(Logged("RVL_DownAdapter(2)"));
    EXPECT_TRUE(Logged("RVL_UpAdapter(1)"));
    hub->CheckNetworkStatus(true, false, true, false);
    EXPECT_EQ(notices.adapterSwitched, 0) << "two notices would stack at one place";
    // A later move from wireless to wired shows its notice again.
    hub->CheckNetworkStatus(false, true, true, true);
    hub->CheckNetworkStatus(true, false, true, false);
    EXPECT_EQ(notices.adapterSwitched, 1);
}

TEST_F(HubTest, NoToTheWiredQuestionKeepsWirelessWithTheWiredAdapterDown) {
    hub->CheckNetworkStatus(false, true, false, true);
    SimControl::ClearCallLog();
    hub->CheckNetworkStatus(false, true, true, true);
    EXPECT_EQ(notices.askedWired, 1);
    WaitForSwitches();
    EXPECT_TRUE(Logged("RVL_DownAdapter(1)"));
    EXPECT_TRUE(Logged("RVL_UpAdapter(2)"));
    hub->CheckNetworkStatus(false, true, true, true);
    EXPECT_EQ(notices.askedWired, 1) << "only a rising wired link asks";
}

TEST_F(HubTest, WirelessComingUpAppliesTheTraysWirelessProfileOutsideMesh) {
    hub->CheckNetworkStatus(true, false, true, false);
    hub->CheckNetworkStatus(false, true, false, false);
    EXPECT_EQ(tray.wirelessApplies, 1);
    EXPECT_FALSE(tray.applyWireless);
    // While that apply is pending nothing else starts.
    hub->CheckNetworkStatus(true, false, true, false);
    hub->CheckNetworkStatus(false, true, false, false);
    EXPECT_EQ(tray.wirelessApplies, 1);

    tray.applyWireless = true;
    int mesh = MESH_ON;
    hub->SetMeshStatusSource([&] { return mesh; });
    hub->CheckNetworkStatus(false, true, false, false);
    hub->CheckNetworkStatus(false, true, false, false);
    EXPECT_EQ(tray.wirelessApplies, 1) << "mesh mode must not apply on every tick";
}

TEST_F(HubTest, StartScanReportsEveryScanIncludingEmptyAndFailedOnes) {
    SimControl::SetAdapterUp(ADAPTER_WIRELESS, true);
    ASSERT_EQ(hub->StartScan(), HUB_OK);
    ASSERT_TRUE(PumpEventsUntil([&] { return windows.scanWindow.results.size() == 1; }));
    EXPECT_EQ(windows.scanWindow.results[0], 0);
    EXPECT_EQ(windows.scanWindow.counts[0], static_cast<int>(SimControl::World().accessPoints.size()));

    SimControl::FailNextCall("RVL_GetAPList", 7);
    ASSERT_EQ(hub->StartScan(), HUB_OK);
    ASSERT_TRUE(PumpEventsUntil([&] { return windows.scanWindow.results.size() == 2; }));
    EXPECT_EQ(windows.scanWindow.results[1], 7);

    for (const SimAccessPoint& ap : SimControl::World().accessPoints)
        SimControl::RemoveAccessPoint(ap.ssid);
    ASSERT_EQ(hub->StartScan(), HUB_OK);
    ASSERT_TRUE(PumpEventsUntil([&] { return windows.scanWindow.results.size() == 3; }));
    EXPECT_EQ(windows.scanWindow.results[2], 0);
    EXPECT_EQ(windows.scanWindow.counts[2], 0);
    EXPECT_FALSE(hub->IsScanning());
}

TEST_F(HubTest, RightKeyConnectsWithinTheAllocationTicks) {
    WirelessOnly();
    APStatus ap = AccessPoint("Classroom-101", RVL_SECURITY_WPA_PSK);
    ASSERT_EQ(hub->ConnectWlanNetwork(&ap, "lantern-wpa-key", 0, false), HUB_OK);
    ASSERT_NE(hub->GetCurrentAPStatus(), nullptr) << "the AP being connected counts as current at once";
    EXPECT_TRUE(hub->IsAllocatorTimerRunning());
    ASSERT_TRUE(PumpEventsUntil([] {
        char ip[RVL_TEXT_BUFFER] = {};
        return RVL_GetIPAddressHLAN(ADAPTER_WIRELESS, ip) == 0 && std::strcmp(ip, "10.20.1.57") == 0;
    }));
    hub->OnAllocatorTimer();
    ASSERT_TRUE(PumpEventsUntil([&] { return windows.scanWindow.Has(wxEVT_TW_WLAN_ACM, WLAN_CONNECTED); }));
    EXPECT_FALSE(hub->IsAllocatorTimerRunning());
    EXPECT_EQ(windows.scanWindow.events.back().reason, REASON_NORMAL);
}

TEST_F(HubTest, WrongKeyFailsOnTheFifthTickAndLeavesNothingConnected) {
    WirelessOnly();
    APStatus ap = AccessPoint("Classroom-101", RVL_SECURITY_WPA_PSK);
    ASSERT_EQ(hub->ConnectWlanNetwork(&ap, "not-the-key", 0, false), HUB_OK);
    PumpEventsFor(150);
    for (int tick = 1; tick <= 4; ++tick) {
        hub->OnAllocatorTimer();
        PumpEventsFor(5);
        EXPECT_EQ(windows.scanWindow.Count(wxEVT_TW_WLAN_ACM), 0) << "tick " << tick;
        EXPECT_NE(hub->GetCurrentAPStatus(), nullptr) << "the attempt's network stays current while it runs";
    }
    hub->OnAllocatorTimer();
    ASSERT_TRUE(PumpEventsUntil([&] { return windows.scanWindow.Has(wxEVT_TW_WLAN_ACM, WLAN_FAILED); }));
    EXPECT_FALSE(hub->IsAllocatorTimerRunning());
    // The scan window rebuilds its list on this answer: nothing may be
    // marked connected then.
    EXPECT_EQ(hub->GetCurrentAPStatus(), nullptr);
}

TEST_F(HubTest, ConnectIsRefusedWithAnAnswerWhenItCannotStart) {
    SimControl::SetAdapterUp(ADAPTER_WIRED, true);
    APStatus ap = AccessPoint("Classroom-101", RVL_SECURITY_WPA_PSK);
    EXPECT_EQ(hub->ConnectWlanNetwork(&ap, "lantern-wpa-key", 0, false), HUB_WIRED_ADAPTER_UP);
    WirelessOnly();
    EXPECT_EQ(hub->ConnectWlanNetwork(&ap, wxString('k', 256), 0, false), HUB_REQUEST_REFUSED);
    APStatus lying = ap;
    lying.nSSIDLength = 4000;
    EXPECT_EQ(hub->ConnectWlanNetwork(&lying, "lantern-wpa-key", 0, false), HUB_REQUEST_REFUSED);
    EXPECT_EQ(hub->ConnectWlanNetwork(nullptr, "", 0, false), HUB_REQUEST_REFUSED);
    ASSERT_TRUE(PumpEventsUntil([&] { return windows.scanWindow.Count(wxEVT_TW_WLAN_ACM) == 4; }));
    EXPECT_FALSE(hub->IsAllocatorTimerRunning());
}

TEST_F(HubTest, ASupersededAttemptIsAnsweredOnlyWhenItsReceiverChanges) {
    WirelessOnly();
    APStatus ap = AccessPoint("Library-WEP", RVL_SECURITY_WEP, RVL_PHY_80211G);
    ASSERT_EQ(hub->ConnectWlanNetwork(&ap, "first", 1, false), HUB_OK);
    // The same receiver: the new attempt's result serves it, no failure now.
    ASSERT_EQ(hub->ConnectWlanNetwork(&ap, "second", 1, false), HUB_OK);
    PumpEventsFor(30);
    EXPECT_EQ(windows.scanWindow.Count(wxEVT_TW_WLAN_ACM), 0);
    // Another receiver: the old one hears that its attempt is over.
    ASSERT_EQ(hub->ConnectWlanNetwork(&ap, "1234567890", 1, true), HUB_OK);
    ASSERT_TRUE(PumpEventsUntil([&] { return windows.scanWindow.Has(wxEVT_TW_WLAN_ACM, WLAN_FAILED); }));
    EXPECT_TRUE(hub->IsAllocatorTimerRunning());
    // The key and key index go to the library as given.
    ASSERT_TRUE(PumpEventsUntil([] {
        return Logged("RVL_ConnectAP(ssid=\"Library-WEP\", security=1, mode=3, key=\"1234567890\", keyIndex=1)");
    }));
}

TEST_F(HubTest, DisconnectForgetsTheAccessPointAndAnswersTheOpenAttempt) {
    WirelessOnly();
    APStatus ap = AccessPoint("Classroom-101", RVL_SECURITY_WPA_PSK);
    ASSERT_EQ(hub->ConnectWlanNetwork(&ap, "lantern-wpa-key", 0, false), HUB_OK);
    EXPECT_TRUE(hub->DisconnectWlan(false));
    EXPECT_EQ(hub->GetCurrentAPStatus(), nullptr);
    EXPECT_FALSE(hub->IsAllocatorTimerRunning());
    ASSERT_TRUE(PumpEventsUntil([&] { return windows.scanWindow.Has(wxEVT_TW_WLAN_ACM, WLAN_DISCONNECTED); }));
    EXPECT_TRUE(windows.scanWindow.Has(wxEVT_TW_WLAN_ACM, WLAN_FAILED))
        << "a closed connection must not later be reported as connected";
    WaitForSwitches();
    EXPECT_TRUE(Logged("RVL_CloseWlanConnection()"));
    EXPECT_TRUE(Logged("RVL_UpAdapter(2)"));
}

TEST_F(HubTest, WirelessStatusTextsAndTheSwitchEventOncePerNetwork) {
    SimControl::SetDelays(0, 0, 500);
    WirelessOnly();
    APStatus ap = AccessPoint("Library-WEP", RVL_SECURITY_WEP, RVL_PHY_80211G);
    ASSERT_EQ(hub->ConnectWlanNetwork(&ap, "1234567890", 1, false), HUB_OK);
    PumpEventsUntil([] { return false; }, 1);
    // Before DHCP answers the address reads "127.0.0.1": no switch yet; and
    // before the association is read, no type or signal of the request.
    // The read this check asks for fails: one that answered at once could
    // be taken within the check itself.
    SimControl::FailNextCall("RVL_GetCurrentAP", 1);
    hub->CheckNetworkStatus(false, true, false, true);
    EXPECT_EQ(windows.mainWindow.lastStatus.m_strType, "");
    EXPECT_FALSE(windows.mainWindow.lastStatus.m_bHasSignal);
    EXPECT_EQ(windows.mainWindow.lastStatus.m_strIP, "Acquiring Network Address");
    PumpEventsFor(10);
    EXPECT_EQ(tray.Count(wxEVT_TW_WIRELESS_SWITCH), 0);
    ASSERT_TRUE(PumpEventsUntil([] {
        char ip[RVL_TEXT_BUFFER] = {};
        return RVL_GetIPAddressHLAN(ADAPTER_WIRELESS, ip) == 0 && std::strcmp(ip, "10.20.3.57") == 0;
    }));
    hub->CheckNetworkStatus(false, true, false, true);
    EXPECT_EQ(windows.mainWindow.lastStatus.m_strIP, "10.20.3.57");
    ASSERT_TRUE(PumpEventsUntil([&] { return hub->GetReadAPStatus() != nullptr; }));
    hub->CheckNetworkStatus(false, true, false, true);
    EXPECT_EQ(windows.mainWindow.lastStatus.m_strType, "Wireless LAN - 802.11g - 54Mbps");
    EXPECT_EQ(windows.mainWindow.lastStatus.m_nSignalQuality, 66);
    EXPECT_TRUE(windows.mainWindow.lastStatus.m_bHasSignal);
    PumpEventsFor(20);
    EXPECT_EQ(tray.Count(wxEVT_TW_WIRELESS_SWITCH), 1);
    EXPECT_EQ(windows.mainWindow.Count(wxEVT_TW_WIRELESS_SWITCH), 1);
}

TEST_F(HubTest, TheRequestsQualityAndTypeNeverReachTheStatus) {
    WirelessOnly();
    // The association takes a while: the record is the request's.
    SimControl::SetDelays(0, 1000, 50);
    APStatus ap = AccessPoint("Guest-Open", RVL_SECURITY_OPEN, RVL_PHY_80211B);
    ap.nSignalQuality = 250;
    ASSERT_EQ(hub->ConnectWlanNetwork(&ap, "", 0, false), HUB_OK);
    hub->CheckNetworkStatus(false, true, false, true);
    EXPECT_FALSE(windows.mainWindow.lastStatus.m_bHasSignal);
    EXPECT_EQ(windows.mainWindow.lastStatus.m_nSignalQuality, 0);
    EXPECT_EQ(windows.mainWindow.lastStatus.m_strType, "");
    hub->DisconnectWlan(true);  // the attempt ends at once
}

TEST_F(HubTest, WiredStatusCarriesTheConnectTypeText) {
    hub->CheckNetworkStatus(true, false, true, false);
    EXPECT_TRUE(windows.mainWindow.lastStatus.m_strType.StartsWith("Wired LAN - "));
    EXPECT_GT(windows.mainWindow.lastStatus.m_strType.length(), wxString("Wired LAN - ").length());
}

TEST_F(HubTest, SwitchRequestsAreServedInOrderAndAnswered) {
    EventRecorder replies;
    SimControl::ClearCallLog();
    hub->QueueSwitchAdapter(ADAPTER_WIRED, ADAPTER_WIRELESS, &replies);
    SimControl::SetAdapterPresent(ADAPTER_WIRED, false);
    hub->QueueSwitchAdapter(ADAPTER_WIRELESS, ADAPTER_WIRED, &replies);
    ASSERT_TRUE(PumpEventsUntil([&] { return replies.Count(wxEVT_TW_SWITCH_ADAPTER) == 2; }));
    EXPECT_EQ(replies.events[0].code, ADAPTER_WIRELESS);
    EXPECT_EQ(replies.events[0].reason, 1) << "switching to wireless works";
    EXPECT_EQ(replies.events[1].code, ADAPTER_WIRED);
    EXPECT_EQ(replies.events[1].reason, 0) << "no wired adapter to start";
}

TEST_F(HubTest, DisableCallbackToleratesANullPointer) {
    SimControl::ClearCallLog();
    DataCenterLinux::DisableAdapterCallBack(nullptr);
    int wireless = 5;
    DataCenterLinux::DisableAdapterCallBack(&wireless);
    EXPECT_TRUE(Logged("RVL_DispatchDisableEvent(1)"));
    EXPECT_TRUE(Logged("RVL_DispatchDisableEvent(2)"));
}

TEST(InterfaceAddress, ClearsTheBufferAndFindsLoopback) {
    char buf[33];
    std::memset(buf, 'x', sizeof buf);
    EXPECT_EQ(DataCenterLinux::GetInterfaceIPv4("no-such-interface", buf), -1);
    EXPECT_EQ(buf[0], '\0');
    EXPECT_EQ(DataCenterLinux::GetInterfaceIPv4(nullptr, buf), -1);
    EXPECT_EQ(DataCenterLinux::GetInterfaceIPv4("lo", nullptr), -1);
    ASSERT_EQ(DataCenterLinux::GetInterfaceIPv4("lo", buf), 0);
    EXPECT_STREQ(buf, "127.0.0.1");
}

TEST(HubInstance, AskingWhetherItExistsNeverMakesIt) {
    // Meaningful in a process of its own, as ctest runs every test.
    if (DataCenter::GetIfExists() != nullptr)
        GTEST_SKIP() << "an earlier test of this process made the hub";
    EXPECT_EQ(DataCenter::GetIfExists(), nullptr);
    DataCenter* hub = DataCenter::GetInstance();
    ASSERT_NE(hub, nullptr);
    EXPECT_EQ(DataCenter::GetIfExists(), hub);
    EXPECT_EQ(DataCenter::GetInstance(), hub);
    EXPECT_EQ(hub->GetProfileManagementControl(), nullptr) << "made without bringing anything up";
}
