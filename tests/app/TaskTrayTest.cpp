#include <wx/menu.h>
#include <wx/taskbar.h>

#include <algorithm>
#include <cstring>

#include "ApStatusUtil.h"
#include "CommandRunner.h"
#include "SystemPaths.h"
#include "TWMApp.h"
#include "TWMUtil.h"
#include "TestTree.h"
#include "DisConnectBalloon.h"
#include "NetworkTypes.h"
#include "ProfileManagementControl.h"
#include "TWMApplyProfileBalloon.h"
#include "TWMPopupMenu.h"
#include "TWMTaskTray.h"
#include "TaskBarBalloon.h"
#include "TaskBarBalloonLAN.h"
#include "TrayTestSupport.h"
#include "WirelessSwitchEvent.h"
#include "sim/SimControl.h"

TEST_F(TrayTest, StartupSkipsHiddenProfilesAndMovesOnAfterAFailure) {
    AddProfile("Hidden", "1", "lan", "0");
    AddProfile("Cable", "2", "lan");
    AddProfile("Classroom", "3", "wireless", "1", "Classroom-101", "lantern-wpa-key");
    SimControl::SetWiredLink(false);
    StartTray();

    ASSERT_NE(Tray()->GetApplyBalloon(), nullptr);
    EXPECT_EQ(Tray()->GetApplyBalloon()->GetText(), "Applying profile Cable...");
    EXPECT_EQ(Control()->GetCurrentUsedProfile().name, "Cable") << "the hidden profile is skipped";

    Control()->PrepareTick();
    WaitForSwitch("RVL_UpAdapter(1)");
    PollWired(21);  // no cable: the wired apply times out
    ASSERT_TRUE(RunEventLoopUntil([&] {
        return Tray()->GetApplyBalloon() != nullptr &&
               Tray()->GetApplyBalloon()->GetText() == "Applying profile Classroom...";
    }));
    EXPECT_EQ(Tray()->GetDisconnectBalloon(), nullptr) << "no balloon for a failure the loop moves past";
    EXPECT_FALSE(Tray()->IsInitFinished());

    Control()->PrepareTick();
    ConnectWireless("10.20.1.57");
    ASSERT_TRUE(RunEventLoopUntil([&] { return Tray()->IsInitFinished(); }));
    EXPECT_EQ(Tray()->GetApplyBalloon(), nullptr);
    EXPECT_TRUE(hub->IsStatusTimerRunning());
    TaskBarBalloon* balloon = Tray()->GetWirelessBalloon();
    ASSERT_NE(balloon, nullptr);
    EXPECT_TRUE(balloon->IsShown());
    EXPECT_EQ(TextOf(balloon, "ID_STATICTEXT_SUCCTIP"), "Successfully Connected!");
    EXPECT_EQ(TextOf(balloon, "ID_STATICTEXT_TYPE"), "Wireless LAN");
    EXPECT_EQ(TextOf(balloon, "ID_STATICTEXT_SPEED"), "108.0Mbps");  // 802.11n
    EXPECT_EQ(TextOf(balloon, "ID_STATICTEXT_STATUS"), "Classroom");
    EXPECT_EQ(TextOf(balloon, "ID_STATICTEXT_SIGNALQUALITY"), "92%");
}

TEST_F(TrayTest, ASwitchFromTheMenuIsReportedUnderTheProfileWhoseApplyFinished) {
    AddProfile("Classroom 101", "1", "wireless", "1", "Classroom-101", "lantern-wpa-key");
    AddProfile("Classroom 102", "2", "wireless", "1", "Classroom-102", "lantern-wpa-key-2");
    StartTray();
    Control()->PrepareTick();
    ConnectWireless("10.20.1.57");
    ASSERT_TRUE(Tray()->IsInitFinished());
    hub->OnStatusTimer();
    RunEventLoopFor(20);
    ASSERT_NE(Tray()->GetBalloonTimer(), nullptr);
    wxTimerEvent closeTick(*Tray()->GetBalloonTimer());
    Tray()->OnTimerTick(closeTick);
    ASSERT_EQ(Tray()->GetWirelessBalloon(), nullptr);

    std::vector<ProfileList_t> profiles;
    ASSERT_TRUE(Control()->GetProfileList(profiles, TWMUtil::IsAdmin(), true));
    TWMPopupMenu::ConnectProfile(profiles[1]);
    Control()->PrepareTick();
    ASSERT_TRUE(RunEventLoopUntil([&] {
        char ip[RVL_TEXT_BUFFER] = {};
        return hub->IsAllocatorTimerRunning() && RVL_GetIPAddressHLAN(ADAPTER_WIRELESS, ip) == 0 &&
               std::strcmp(ip, "10.20.2.57") == 0;
    }));
    // The status check finds the new network before the attempt's own
    // allocation tick does; the profile in force is still the old one.
    hub->OnStatusTimer();
    RunEventLoopFor(30);
    EXPECT_EQ(Tray()->GetWirelessBalloon(), nullptr) << "no success while the apply runs";
    wxTaskBarIconEvent move(wxEVT_TASKBAR_MOVE, Tray());
    Tray()->OnMouseMove(move);
    EXPECT_EQ(Tray()->GetWirelessBalloon(), nullptr) << "nor when the pointer passes";

    hub->OnAllocatorTimer();
    ASSERT_TRUE(RunEventLoopUntil([&] { return Tray()->GetWirelessBalloon() != nullptr; }));
    EXPECT_EQ(TextOf(Tray()->GetWirelessBalloon(), "ID_STATICTEXT_STATUS"), "Classroom 102");
}

TEST_F(TrayTest, WiredSuccessShowsTheConnectionTypeWithoutThePrefix) {
    AddProfile("Cable", "1", "lan");
    StartTray();
    Control()->PrepareTick();
    WaitForSwitch("RVL_UpAdapter(1)");
    PollWired(1);
    ASSERT_TRUE(RunEventLoopUntil([&] { return Tray()->GetWiredBalloon() != nullptr; }));
    TaskBarBalloonLAN* balloon = Tray()->GetWiredBalloon();
    EXPECT_EQ(TextOf(balloon, "ID_STATICTEXT_TYPE"), "Wired LAN");
    EXPECT_EQ(TextOf(balloon, "ID_STATICTEXT_SPEED"), "100Mbps Full");
    EXPECT_EQ(TextOf(balloon, "ID_STATICTEXT_STATUS"), "Cable");
    EXPECT_TRUE(Tray()->IsInitFinished());
}

TEST_F(TrayTest, FailureAtTheEndOfTheListShowsTheNotConnectedBalloon) {
    AddProfile("Cable", "1", "lan");
    SimControl::SetWiredLink(false);
    StartTray();
    Control()->PrepareTick();
    WaitForSwitch("RVL_UpAdapter(1)");
    PollWired(21);
    ASSERT_TRUE(RunEventLoopUntil([&] { return Tray()->GetDisconnectBalloon() != nullptr; }));
    EXPECT_EQ(Tray()->GetDisconnectBalloon()->GetHeadline(), "Disconnected");
    EXPECT_FALSE(Tray()->GetDisconnectBalloon()->IsScanLinkVisible()) << "no scan window to open";
    EXPECT_TRUE(Tray()->IsInitFinished());
    EXPECT_TRUE(hub->IsStatusTimerRunning());
    EXPECT_EQ(Tray()->GetApplyBalloon(), nullptr);
}

TEST_F(TrayTest, ProfilesThatAreAllHiddenStillFinishTheStartup) {
    AddProfile("Hidden one", "1", "lan", "0");
    AddProfile("Hidden two", "2", "wireless", "0", "Classroom-101", "lantern-wpa-key");
    StartTray();
    EXPECT_TRUE(Tray()->IsInitFinished());
    EXPECT_TRUE(hub->IsStatusTimerRunning());
    EXPECT_EQ(Tray()->GetApplyBalloon(), nullptr);
    EXPECT_NE(Tray()->GetDisconnectBalloon(), nullptr);
    EXPECT_FALSE(Control()->IsApplying());
}

TEST_F(TrayTest, AWirelessApplyWithNothingToApplyGivesTheFlagBack) {
    AddProfile("Hidden wireless", "2", "wireless", "0", "Classroom-101", "lantern-wpa-key");
    StartTray();
    ASSERT_TRUE(Tray()->IsInitFinished());
    Tray()->SetApplyWirelessFlag(false);  // as the hub does before asking
    Tray()->ApplyWirelessProfile();
    EXPECT_TRUE(Tray()->GetApplyWirelessFlag());
    EXPECT_EQ(Tray()->GetApplyBalloon(), nullptr);
}

TEST_F(TrayTest, OneCloseTimerForAllBalloonsRestartedAndDeletedByItsTick) {
    AddProfile("Cable", "1", "lan");
    SimControl::SetWiredLink(false);
    StartTray();
    Control()->PrepareTick();
    WaitForSwitch("RVL_UpAdapter(1)");
    PollWired(21);
    ASSERT_TRUE(RunEventLoopUntil([&] { return Tray()->GetDisconnectBalloon() != nullptr; }));
    wxTimer* timer = Tray()->GetBalloonTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->IsRunning());

    // The pointer over a wired connection shows the wired balloon: the same
    // timer restarts; the not-connected balloon gives way.
    SimControl::SetWiredLink(true);
    hub->CheckNetworkStatus(true, false, true, false);
    wxTaskBarIconEvent move(wxEVT_TASKBAR_MOVE, Tray());
    Tray()->OnMouseMove(move);
    ASSERT_NE(Tray()->GetWiredBalloon(), nullptr);
    EXPECT_EQ(Tray()->GetBalloonTimer(), timer);
    EXPECT_EQ(Tray()->GetDisconnectBalloon(), nullptr);

    wxTimerEvent tick(*timer);
    Tray()->OnTimerTick(tick);
    EXPECT_EQ(Tray()->GetBalloonTimer(), nullptr);
    EXPECT_EQ(Tray()->GetWiredBalloon(), nullptr);
    Tray()->OnTimerTick(tick);  // a late tick finds nothing to delete
}

TEST_F(TrayTest, IconFollowsTheModeAndTheTipNeedsANotificationArea) {
    StartTray();
    MeshStatus status;
    status.m_strType = "Wireless LAN - 802.11g - 54Mbps";
    status.m_nSignalQuality = 66;
    status.m_bHasSignal = true;
    status.m_strIP = "10.20.3.57";
    Tray()->UpdateTrayIcon(NETMODE_WIRELESS_CONNECTED, status);
    EXPECT_TRUE(Tray()->GetIconFile().EndsWith("pic/tray_wireless.png"));
    EXPECT_EQ(Tray()->GetTooltip(), "Tidewave\nConnected - Wireless LAN - 802.11g - 54Mbps - 66%\n10.20.3.57");
    EXPECT_EQ(Tray()->GetTipBalloon(), nullptr) << "this X server has no notification area";

    Tray()->UpdateTrayIcon(NETMODE_NO_ADAPTER, MeshStatus());
    EXPECT_TRUE(Tray()->GetIconFile().EndsWith("pic/tray_disconnected.png"));
    EXPECT_EQ(Tray()->GetTooltip(), "Tidewave\nDisconnected");
    Tray()->UpdateTrayIcon(NETMODE_UNKNOWN, MeshStatus());
    EXPECT_EQ(Tray()->GetTooltip(), "Tidewave\nDisconnected") << "an unknown mode changes nothing";
}

TEST_F(TrayTest, MenuListsEveryProfileAndTicksTheCurrentOne) {
    AddProfile("Cable", "1", "lan");
    AddProfile("Hidden & odd", "2", "lan", "0");
    StartTray();
    Control()->PrepareTick();
    WaitForSwitch("RVL_UpAdapter(1)");
    PollWired(1);
    ASSERT_TRUE(RunEventLoopUntil([&] { return Control()->GetCurrentProfileName() == "Cable"; }));

    TWMPopupMenu menu;
    ASSERT_EQ(menu.GetProfiles().size(), 2u);
    EXPECT_EQ(menu.GetCheckedIndex(), 0);
    EXPECT_TRUE(menu.IsChecked(TWMPopupMenu::ProfileItemId(0)));
    EXPECT_FALSE(menu.IsChecked(TWMPopupMenu::ProfileItemId(1)));
    EXPECT_EQ(menu.GetLabelText(TWMPopupMenu::ProfileItemId(1)), "Hidden & odd");
    EXPECT_NE(menu.FindItem(TWMPopupMenu::HelpItemId()), nullptr);
}

TEST_F(TrayTest, BalloonNamesANetworkWithoutProfileByItsWhole32ByteSsid) {
    StartTray();
    SimControl::SetAdapterUp(ADAPTER_WIRED, false);
    SimControl::SetAdapterUp(ADAPTER_WIRELESS, true);
    APStatus ap = ApStatusUtil::MakeWithSsid("Riverside-Primary-School-Staff01");
    ap.nSecurity = RVL_SECURITY_WPA_PSK;
    ap.nPhyType = RVL_PHY_80211B;  // the request's; the network is 802.11n
    ap.nSSIDLength = 4000;  // a length from the air is never trusted
    ASSERT_EQ(hub->ConnectWlanNetwork(&ap, "riverside-staff-key", 0, false), HUB_REQUEST_REFUSED);
    ap.nSSIDLength = 32;
    ASSERT_EQ(hub->ConnectWlanNetwork(&ap, "riverside-staff-key", 0, false), HUB_OK);
    ConnectWireless("10.20.5.57");
    ASSERT_TRUE(RunEventLoopUntil([&] { return hub->GetReadAPStatus() != nullptr; }));
    APStatus* current = hub->GetCurrentAPStatus();
    ASSERT_NE(current, nullptr);
    current->nSSIDLength = 4000;
    Tray()->AddPendingEvent(WirelessSwitchEvent());
    ASSERT_TRUE(RunEventLoopUntil([&] { return Tray()->GetWirelessBalloon() != nullptr; }));
    EXPECT_EQ(TextOf(Tray()->GetWirelessBalloon(), "ID_STATICTEXT_STATUS"), "Riverside-Primary-School-Staff01");
    EXPECT_EQ(TextOf(Tray()->GetWirelessBalloon(), "ID_STATICTEXT_SPEED"), "108.0Mbps");
    EXPECT_EQ(TextOf(Tray()->GetWirelessBalloon(), "ID_STATICTEXT_SIGNALQUALITY"), "49%");
}

namespace {

// Records the fixed commands instead of running them.
class RecordingRunner : public CommandRunner {
public:
    std::vector<std::vector<std::string>> commands;
    std::vector<wxArrayString> launches;
    int Run(const std::vector<std::string>& argv) override {
        commands.push_back(argv);
        return 0;
    }
    bool Launch(const wxArrayString& argv) override {
        launches.push_back(argv);
        return true;
    }
};

}  // namespace

TEST_F(TrayTest, DeferredStartInitialisesThePlatformAndBringsUpTheTray) {
    RecordingRunner runner;
    CommandRunner::Install(&runner);
    AddProfile("Cable", "1", "lan");
    TWMApp& app = wxGetApp();
    app.OnInitTimer();
    CommandRunner::Install(nullptr);
    tray = app.GetTaskTray();
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(runner.commands, (std::vector<std::vector<std::string>>{{"killall", "nm-applet"}}));
    EXPECT_TRUE(app.m_strAppDir.EndsWith("/"));
    ASSERT_NE(tray->GetApplyBalloon(), nullptr) << "the first profile is being applied";
    EXPECT_NE(hub->GetProfileManagementControl(), nullptr);
    const std::vector<std::string> log = SimControl::CallLog();
    EXPECT_NE(std::find(log.begin(), log.end(), "RVL_Initialize()"), log.end());
    app.OnInitTimer();  // runs once only
    EXPECT_EQ(app.GetTaskTray(), tray);
}

TEST_F(TrayTest, APickTurnsMeshOffAndAppliesTheChosenProfile) {
    AddProfile("Hidden", "1", "lan", "0");
    StartTray();
    ASSERT_TRUE(Tray()->IsInitFinished());
    TWMApp& app = wxGetApp();
    app.m_nMeshStatus = MESH_USING_OTHERS_INTERNET;
    SimControl::ClearCallLog();
    ProfileList_t picked;
    picked.name = "Cable";
    picked.permission = "admin";
    picked.GenernalSet.ConnecType = "lan";
    TWMPopupMenu::ConnectProfile(picked);
    EXPECT_EQ(app.m_nMeshStatus, MESH_OFF);
    const std::vector<std::string> log = SimControl::CallLog();
    EXPECT_NE(std::find(log.begin(), log.end(), "RVL_TurnOnMesh(0)"), log.end());
    EXPECT_TRUE(Control()->IsApplying());
    EXPECT_EQ(Control()->GetCurrentUsedProfile().name, "Cable");

    // While a wireless apply the hub asked for is pending, a pick is ignored.
    Tray()->SetApplyWirelessFlag(false);
    picked.name = "Other";
    TWMPopupMenu::ConnectProfile(picked);
    EXPECT_EQ(Control()->GetCurrentUsedProfile().name, "Cable");
    app.m_nMeshStatus = MESH_OFF;
}

TEST_F(TrayTest, HelpOpensTheManualOnlyWhenItIsThere) {
    RecordingRunner runner;
    CommandRunner::Install(&runner);
    TWMPopupMenu::ShowHelp();
    EXPECT_TRUE(runner.launches.empty());
    const std::string manual =
        SystemPaths::Fixed("/usr/share/doc/tidewave/Korvane_VRDA2.0_Tidewave_User_Manual_Ubuntu.pdf.gz");
    TWMUtil::MakeFolder(manual.substr(0, manual.rfind('/')), 0755);
    TestTree::WriteFile(manual, "manual");
    TWMPopupMenu::ShowHelp();
    CommandRunner::Install(nullptr);
    ASSERT_EQ(runner.launches.size(), 1u);
    const wxArrayString& argv = runner.launches[0];
    ASSERT_EQ(argv.size(), 3u);
    EXPECT_EQ(argv[0], "evince");
    EXPECT_EQ(argv[1], wxString::FromUTF8(manual.c_str()));
    EXPECT_EQ(argv[2], "--page-label=1");
}
