#include <cstdio>

#include <wx/bmpcbox.h>
#include <wx/button.h>
#include <wx/control.h>
#include <wx/filedlg.h>
#include <wx/gauge.h>
#include <wx/menu.h>

#include "GaugeDialog.h"
#include "HubWindowTest.h"
#include "LayoutWalker.h"
#include "LongValues.h"
#include "MainWindowTest.h"
#include "ModalDialogAnswerer.h"
#include "NotificationArea.h"
#include "NetworkManagerDlg.h"
#include "NetworkTypes.h"
#include "PolicyManager.h"
#include "PopupDialog.h"
#include "ProfileManagementControl.h"
#include "ScanNetworkDlg.h"
#include "SettingsArchives.h"
#include "StandInRunner.h"
#include "SystemPaths.h"
#include "TWMApp.h"
#include "TWMUtil.h"
#include "TestArchive.h"
#include "TestCertificates.h"
#include "TestTree.h"
#include "TrayUserNotices.h"
#include "ViewAPNeighborsDlg.h"
#include "sim/SimControl.h"

namespace {

// The main window with the program's ending recorded instead of done.
class RecordedExitMain : public NetworkManagerDlg {
public:
    using NetworkManagerDlg::NetworkManagerDlg;
    int exits = 0;

protected:
    void ExitProgram() override { ++exits; }
};

}  // namespace

TEST_F(MainWindowTest, EachModeSetsTheStatusAndTheCommandsThatMayRun) {
    const struct {
        bool wiredUp, wirelessUp, wiredLink, wirelessLink;
        int mesh;
        const char* status;
        const char* wireless;
        bool scan, neighbours, signal;
    } ticks[] = {
        {true, false, true, false, MESH_OFF, "Connected", "Turn on wireless", false, false, false},
        {true, false, false, false, MESH_OFF, "Disconnected", "Turn on wireless", false, false, false},
        {false, true, false, true, MESH_OFF, "Connected", "Turn off wireless", true, true, true},
        {false, true, false, false, MESH_OFF, "Disconnected", "Turn off wireless", true, true, true},
        {false, false, false, false, MESH_OFF, "Disconnected", "Turn on wireless", false, false, false},
        {false, true, false, false, MESH_SHARING_MY_INTERNET, "Connected", "Turn on wireless", true, true, true},
        {false, true, false, false, MESH_ON, "Connected", "Turn on wireless", false, true, true},
    };
    EXPECT_EQ(Label("ID_BTNCTRLWRLS"), "Turn off wireless");
    EXPECT_EQ(MenuItem("Settings", "Turn on wireless")->GetItemLabelText(), "Turn on wireless");
    for (const auto& t : ticks) {
        wxGetApp().m_nMeshStatus = t.mesh;
        hub->CheckNetworkStatus(t.wiredUp, t.wirelessUp, t.wiredLink, t.wirelessLink);
        SCOPED_TRACE(testing::Message() << "mode " << hub->GetNetworkMode() << " mesh " << t.mesh);
        EXPECT_EQ(Label("ID_STCSTATUS"), t.status);
        EXPECT_EQ(Label("ID_BTNCTRLWRLS"), t.wireless);
        EXPECT_EQ(Enabled("ID_BTNSCANNW"), t.scan);
        EXPECT_EQ(Enabled("ID_SCANNTBTNTEXT"), t.scan);
        EXPECT_EQ(Enabled("ID_BTNVIEWNGHBR"), t.neighbours);
        EXPECT_EQ(Enabled("ID_STCSQTITLE"), t.signal);
    }
    EXPECT_EQ(Label("ID_STCCURRENTPROF"), "Mesh");
    EXPECT_EQ(Label("ID_STCTYPE"), "Mesh");
    EXPECT_FALSE(MenuItem("Settings", "Mesh Configure")->IsEnabled()) << "no mesh windows in this build";
}

TEST_F(MainWindowTest, ConnectAppliesTheChosenProfileAndDisconnectDropsIt) {
    AddProfile("School LAN", "lan");
    Main()->Show();
    ASSERT_EQ(Switcher()->GetCount(), 1u);
    EXPECT_FALSE(Enabled("ID_BTNCTRLCONNECT")) << "no profile in force";
    Pick(0);
    EXPECT_TRUE(Enabled("ID_BTNCTRLCONNECT"));
    EXPECT_EQ(Label("ID_BTNCTRLCONNECT"), "Connect");

    wxGetApp().m_nMeshStatus = MESH_USING_OTHERS_INTERNET;
    SimControl::ClearCallLog();
    ClickButton(Main(), "ID_BTNCTRLCONNECT");
    EXPECT_EQ(wxGetApp().m_nMeshStatus, MESH_OFF);
    EXPECT_TRUE(CalledPlatform("RVL_TurnOnMesh(0)"));
    EXPECT_TRUE(Main()->IsApplyingProfile());
    EXPECT_TRUE(Main()->GetGauge()->IsShown());
    EXPECT_EQ(TextOf(Main()->GetGauge(), "ID_STATICTEXT_LABEL"), "Applying profile School LAN...");
    EXPECT_FALSE(Enabled("ID_BTNCTRLCONNECT"));
    EXPECT_FALSE(MenuItem("Tools", "Connect")->IsEnabled());
    EXPECT_TRUE(Main()->IsConnectTimerRunning());

    Control()->PrepareTick();
    ASSERT_TRUE(RunEventLoopUntil([&] { return CalledPlatform("RVL_UpAdapter(1)"); }));
    RunEventLoopFor(30);
    Control()->WiredPollTick();
    ASSERT_TRUE(RunEventLoopUntil([&] { return Label("ID_BTNCTRLCONNECT") == "Disconnect"; }));
    EXPECT_TRUE(Enabled("ID_BTNCTRLCONNECT"));
    EXPECT_EQ(MenuItem("Tools", "Disconnect")->GetItemLabelText(), "Disconnect");
    EXPECT_FALSE(Main()->IsApplyingProfile());
    EXPECT_FALSE(Main()->GetGauge()->IsShown());
    EXPECT_EQ(Switcher()->GetValue(), "School LAN");

    // The menu item neither turns mesh off nor closes the scan window.
    wxGetApp().m_nMeshStatus = MESH_ON;
    SimControl::ClearCallLog();
    Menu("Tools", "Disconnect");
    EXPECT_EQ(wxGetApp().m_nMeshStatus, MESH_ON);
    EXPECT_FALSE(CalledPlatform("RVL_TurnOnMesh(0)"));
    EXPECT_FALSE(Enabled("ID_BTNCTRLCONNECT"));
    ASSERT_TRUE(RunEventLoopUntil([&] { return CalledPlatform("RVL_DownAdapter(1)"); }));
}

TEST_F(MainWindowTest, TheSwitcherShowsEachNameFromItsStartAfterALongerOne) {
    const wxString riverside = "Riverside-Primary-School-Staff01";
    const wxString longest = wxString::FromUTF8(LongValues::kProfileName);
    for (const wxString& name : {riverside, wxString("School LAN"), wxString("Classroom 101"), longest})
        AddProfile(std::string(name.utf8_str()), "lan");
    Main()->Show();
    for (const wxString& name : {riverside, wxString("School LAN"), wxString("Classroom 101"), longest,
                                 wxString("School LAN")}) {
        Pick(Switcher()->FindString(name, true));
        RunEventLoopFor(100);  // laid out and drawn
        for (const std::string& finding : LayoutWalker::Check(Main()))
            EXPECT_EQ(finding.find("ID_CMBSWITCHPRFL"), std::string::npos) << finding;
        EXPECT_EQ(Switcher()->GetToolTipText(), name) << "the whole name";
    }
}

TEST_F(MainWindowTest, TheApplyNoticeLeavesTheSwitcherFreeWhereverTheWindowStands) {
    AddProfile("School LAN", "lan");
    Main()->ShowApplyingProfile("School LAN", true);  // from the tray, the window not yet shown
    Main()->Show();
    EXPECT_TRUE(Main()->GetScreenRect().Contains(Main()->GetGauge()->GetScreenRect()));
    Main()->ShowApplyingProfile("", false);
    // The window where a notice at a fixed place on the screen would fall on
    // the switcher.
    const wxRect switcher = Switcher()->GetScreenRect();
    Main()->Move(Main()->GetPosition() + wxPoint(400, 290) - switcher.GetPosition());
    RunEventLoopFor(50);
    Pick(0);
    ClickButton(Main(), "ID_BTNCTRLCONNECT");
    ASSERT_TRUE(Main()->GetGauge()->IsShown());
    const wxRect notice = Main()->GetGauge()->GetScreenRect();
    EXPECT_FALSE(notice.Intersects(Switcher()->GetScreenRect()));
    EXPECT_TRUE(Main()->GetScreenRect().Contains(notice)) << "over its window";

}

TEST_F(MainWindowTest, TheWirelessCommandAsksThePolicyTheAdapterAndThenTheMode) {
    WritePolicy(true, true, true, false);
    hub->ReloadPolicy();
    wxGetApp().m_nMeshStatus = MESH_ON;
    ModalDialogAnswerer::Get().Expect("The current policy forbids turning on/off wireless.", wxID_OK);
    ClickButton(Main(), "ID_BTNCTRLWRLS");
    EXPECT_EQ(wxGetApp().m_nMeshStatus, MESH_OFF) << "mesh goes off before the policy answers";
    EXPECT_EQ(hub->GetNetworkMode(), NETMODE_NO_ADAPTER);

    WritePolicy(true, true, true, true);
    hub->ReloadPolicy();
    SimControl::SetAdapterPresent(ADAPTER_WIRELESS, false);
    ModalDialogAnswerer::Get().Expect("Cannot find wireless adapter!", wxID_OK);
    Menu("Settings", "Turn on wireless");
    EXPECT_TRUE(Enabled("ID_BTNCTRLWRLS"));
    SimControl::SetAdapterPresent(ADAPTER_WIRELESS, true);

    hub->CheckNetworkStatus(true, false, true, false);  // wired connected
    SimControl::ClearCallLog();
    ClickButton(Main(), "ID_BTNCTRLWRLS");
    EXPECT_FALSE(Enabled("ID_BTNCTRLWRLS"));
    EXPECT_TRUE(Main()->IsWirelessTimerRunning());
    ASSERT_TRUE(RunEventLoopUntil([&] { return Enabled("ID_BTNCTRLWRLS"); })) << "back on the reply";
    EXPECT_FALSE(Main()->IsWirelessTimerRunning());
    EXPECT_TRUE(CalledPlatform("RVL_DownAdapter(1)"));
    EXPECT_TRUE(CalledPlatform("RVL_UpAdapter(2)"));

    // Sharing its internet over mesh: mesh stays, nothing is asked of the hub.
    wxGetApp().m_nMeshStatus = MESH_SHARING_MY_INTERNET;
    hub->CheckNetworkStatus(false, true, false, false);
    SimControl::ClearCallLog();
    ClickButton(Main(), "ID_BTNCTRLWRLS");
    RunEventLoopFor(100);
    EXPECT_FALSE(Enabled("ID_BTNCTRLWRLS"));
    EXPECT_TRUE(Main()->IsWirelessTimerRunning());
    EXPECT_EQ(wxGetApp().m_nMeshStatus, MESH_SHARING_MY_INTERNET);
    EXPECT_FALSE(CalledPlatform("RVL_TurnOnMesh(0)"));
}

TEST_F(MainWindowTest, ACablePulledAfterWirelessWasTurnedOnAndOffAsksAndSaysDisconnected) {
    auto toggle = [&] {
        ClickButton(Main(), "ID_BTNCTRLWRLS");
        ASSERT_TRUE(RunEventLoopUntil([&] { return Enabled("ID_BTNCTRLWRLS"); }));
        hub->OnStatusTimer();
    };
    hub->OnStatusTimer();
    ASSERT_EQ(hub->GetNetworkMode(), NETMODE_WIRED_CONNECTED);
    toggle();  // on: the wire goes down by the command, so no question for that
    ASSERT_EQ(hub->GetNetworkMode(), NETMODE_WIRELESS_NOLINK);
    toggle();  // off: back on the wire
    ASSERT_EQ(hub->GetNetworkMode(), NETMODE_WIRED_CONNECTED);
    EXPECT_EQ(notices.askedWireless, 0);

    SimControl::SetWiredLink(false);  // the wired adapter is taken down in answer
    ASSERT_TRUE(RunEventLoopUntil([] {
        int up = 1;
        return RVL_IsExistUpAdapter(ADAPTER_WIRED, &up) == 0 && up == 0;
    }));
    hub->OnStatusTimer();
    EXPECT_EQ(hub->GetNetworkMode(), NETMODE_NO_ADAPTER);
    EXPECT_EQ(notices.askedWireless, 1);
    EXPECT_EQ(Label("ID_STCSTATUS"), "Disconnected");
    EXPECT_EQ(Label("ID_STCTYPE"), "");
    EXPECT_EQ(Label("ID_STCIPADDR"), "");
}

TEST_F(MainWindowTest, NoCheckEndsWithTheNameOfAProfileWhoseLinkWentAway) {
    const wxString classroom = wxString::FromUTF8(LongValues::kProfileName);  // wider than the label
    AddProfile("School LAN", "lan");
    AddProfile(LongValues::kProfileName, "wireless", "Classroom-101", "lantern-wpa-key");
    TrayUserNotices trayNotices;  // the program's question and notice
    UserNotices::Install(&trayNotices);
    Main()->Show();
    wxWindow* label = wxWindow::FindWindowByName("ID_STCCURRENTPROF", Main());
    auto connect = [&](const wxString& name) {
        Pick(Switcher()->FindString(name, true));
        ClickButton(Main(), "ID_BTNCTRLCONNECT");
        Control()->PrepareTick();
    };
    connect(classroom);
    FinishConnection(true);
    hub->OnStatusTimer();
    ASSERT_EQ(label->GetToolTipText(), classroom);

    // Wireless turned off: the check that finds the wire again no longer
    // names the wireless profile, nor gives it in the tooltip.
    ClickButton(Main(), "ID_BTNCTRLWRLS");
    ASSERT_TRUE(RunEventLoopUntil([&] { return Enabled("ID_BTNCTRLWRLS"); }));
    hub->OnStatusTimer();
    ASSERT_EQ(hub->GetNetworkMode(), NETMODE_WIRED_CONNECTED);
    EXPECT_EQ(Label("ID_STCSTATUS"), "Connected");
    EXPECT_EQ(Label("ID_STCCURRENTPROF"), "Wired LAN");
    EXPECT_EQ(label->GetToolTipText(), "");

    // The cable pulled under "School LAN": nothing names it while the switch
    // question is open, nor after it.
    connect("School LAN");
    ASSERT_TRUE(RunEventLoopUntil([&] { return Label("ID_BTNCTRLCONNECT") == "Disconnect"; }));
    hub->OnStatusTimer();
    ASSERT_EQ(Label("ID_STCCURRENTPROF"), "School LAN");
    SimControl::SetWiredLink(false);
    ASSERT_TRUE(RunEventLoopUntil([] {
        int up = 1;
        return RVL_IsExistUpAdapter(ADAPTER_WIRED, &up) == 0 && up == 0;
    }));
    wxString whileAsked = "not asked";
    ModalDialogAnswerer::Get().ExpectAny([&](wxDialog* question) {
        EXPECT_NE(dynamic_cast<PopupDialog*>(question), nullptr) << "the switch question";
        whileAsked = Label("ID_STCCURRENTPROF");
        return wxID_CANCEL;
    });
    hub->OnStatusTimer();
    EXPECT_EQ(Label("ID_STCSTATUS"), "Disconnected");
    EXPECT_EQ(whileAsked, "");
    EXPECT_EQ(Label("ID_STCCURRENTPROF"), "");
}

TEST_F(MainWindowTest, ImportAsksBeforeOverwritingListsFailuresAndReloadsThePolicy) {
    SettingsArchives archives;
    const TestCertificates& certs = archives.certs;
    AddProfile("Home", "lan");
    const std::string home = SystemPaths::AdminDir() + "/Home.profile";
    const std::string before = TestTree::ReadFile(home);

    factory.manager.open = true;
    ModalDialogAnswerer::Get().Expect("The Profile Manager dialog is already open.", wxID_OK);
    Menu("File", "Import School Settings ...");
    factory.manager.open = false;
    ModalDialogAnswerer::Get().ExpectAny([](wxDialog* d) {
        auto* files = dynamic_cast<wxFileDialog*>(d);
        EXPECT_NE(files, nullptr);
        if (files != nullptr) {
            EXPECT_EQ(files->GetMessage(), "Please choose a file to import");
        }
        return wxID_CANCEL;
    });
    Menu("File", "Import School Settings ...");

    // A profile and a policy that forbids scanning; the profile is kept.
    const std::string scanOff = "<Policy><a value=\"1\"/><b value=\"0\"/><c value=\"1\"/><d value=\"1\"/></Policy>";
    const wxString first = archives.Make("first.tar", {{"sslservercert.pem", TestTree::ReadFile(certs.serverCert)},
                                                 {"Home.profile", "replaced"},
                                                 {"NetworkPolicy.xml", scanOff}});
    ModalDialogAnswerer::Get().Expect("Home.profile already exists.", wxID_NO);
    ModalDialogAnswerer::Get().Expect("Import successful.", wxID_OK);
    Main()->ImportArchive(first);
    EXPECT_EQ(TestTree::ReadFile(home), before);
    EXPECT_FALSE(hub->GetPolicyManager()->CanScanWireless()) << "the policy was read again";

    ModalDialogAnswerer::Get().Expect("Home.profile already exists.", wxID_YES);
    ModalDialogAnswerer::Get().Expect("Import successful.", wxID_OK);
    Main()->ImportArchive(first);
    EXPECT_EQ(TestTree::ReadFile(home), "replaced");

    Main()->GetImporter().SetFileWriter([](char word[RVL_TEXT_BUFFER]) {
        return std::string(word).find("Bad.profile") != std::string::npos ? 1 : RVL_WriteFile(word);
    });
    const wxString second = archives.Make("second.tar", {{"sslservercert.pem", TestTree::ReadFile(certs.serverCert)},
                                                   {"Bad.profile", "x"}});
    ModalDialogAnswerer::Get().Expect(
        "Failed to import school settings.\n\nThe following files were not imported.\nBad.profile", wxID_OK);
    Main()->ImportArchive(second);
}

TEST_F(MainWindowTest, ClosingHidesWithANotificationAreaAndEndsTheProgramWithout) {
    auto* main = new RecordedExitMain(nullptr, -1);
    main->Show();
    main->ShowApplyingProfile("School LAN", true);
    main->Close();
    EXPECT_EQ(main->exits, 1);
    {
        NotificationArea area;
        main->Close();
        EXPECT_EQ(main->exits, 1);
        EXPECT_FALSE(main->IsShown());
        EXPECT_FALSE(main->GetGauge()->IsShown());
        main->Show();
        EXPECT_FALSE(main->GetGauge()->IsShown()) << "showing again does not bring the notice back";
        wxCommandEvent exit(wxEVT_MENU, main->GetMenus()->FindMenuItem("File", "Exit"));
        main->GetEventHandler()->ProcessEvent(exit);
        EXPECT_FALSE(main->IsShown());
    }
    main->wxTopLevelWindowBase::Destroy();
}

TEST_F(MainWindowTest, CommandsReachTheOtherWindowsThroughTheirGates) {
    StandInRunner& runner = StandInRunner::Install();
    // Scan: opened modally in connect mode, after the policy.
    SimControl::SetAdapterUp(ADAPTER_WIRELESS, true);
    Scan()->SetUsedForConnect(false);
    ModalDialogAnswerer::Get().ExpectAny([&](wxDialog* d) {
        EXPECT_EQ(d, static_cast<wxDialog*>(Scan()));
        EXPECT_TRUE(Scan()->IsUsedForConnect());
        return wxID_CANCEL;
    });
    ClickButton(Main(), "ID_BTNSCANNW");

    // Neighbours: its own window while mesh is off.
    ModalDialogAnswerer::Get().ExpectAny([&](wxDialog* d) {
        EXPECT_EQ(d, static_cast<wxDialog*>(Main()->GetNeighborsDlg()));
        return wxID_CANCEL;
    });
    Menu("Tools", "View Neighbors");

    // Profile manager: shown; a shown scan window goes first.
    Scan()->ShowForConnect();
    ClickButton(Main(), "ID_BTNPRFLMGR");
    EXPECT_EQ(factory.manager.shown, 1);
    EXPECT_FALSE(Scan()->IsShown());

    WritePolicy(true, false, false, true);
    hub->ReloadPolicy();
    ModalDialogAnswerer::Get().Expect("The current policy forbids scanning for wireless networks.", wxID_OK);
    Menu("Tools", "Scan for Networks");
    ModalDialogAnswerer::Get().Expect("The current policy forbids maintaining profiles.", wxID_OK);
    Menu("Settings", "Profile Manager");
    EXPECT_EQ(factory.manager.shown, 1);

    // A running apply ends the scan command silently.
    Main()->ShowApplyingProfile("School LAN", true);
    WritePolicy(true, true, true, true);
    hub->ReloadPolicy();
    ClickButton(Main(), "ID_BTNSCANNW");
    Main()->ShowApplyingProfile("", false);

    // Help opens the manual at its page when it is there.
    Menu("Help", "Help Contents  ");
    EXPECT_TRUE(runner.Launched().empty());
    const std::string manual =
        SystemPaths::Fixed("/usr/share/doc/tidewave/Korvane_VRDA2.0_Tidewave_User_Manual_Ubuntu.pdf.gz");
    TWMUtil::MakeFolder(manual.substr(0, manual.rfind('/')), 0755);
    TestTree::WriteFile(manual, "manual");
    Menu("Help", "Help Contents  ");
    ASSERT_EQ(runner.Launched().size(), 1u);
    EXPECT_EQ(runner.Launched()[0].back(), "--page-label=21");

    ModalDialogAnswerer::Get().Expect("About Tidewave", wxID_OK);
    Menu("Help", "About");
}

TEST_F(MainWindowTest, AnEmptiedListForgetsTheChoiceAndBlanksCountAsNoText) {
    AddProfile("School LAN", "lan");
    Main()->Show();
    Pick(0);
    EXPECT_EQ(Main()->GetSelectedProfile(), 0);
    ASSERT_EQ(std::remove((SystemPaths::AdminDir() + "/School LAN.profile").c_str()), 0);
    Main()->Show();  // refills from the store: nothing left
    EXPECT_EQ(Switcher()->GetCount(), 0u);
    EXPECT_EQ(Main()->GetSelectedProfile(), -1);
    SimControl::ClearCallLog();
    Main()->DoConnectOrDisconnect();
    EXPECT_FALSE(Main()->IsApplyingProfile());
    EXPECT_FALSE(Main()->IsConnectTimerRunning());

    // The refill after a deployed import with no profile in force.
    AddProfile("Library", "lan");
    Main()->RefreshProfileCombo();
    Main()->UpdateControls(NETMODE_WIRED_CONNECTED);
    EXPECT_FALSE(Enabled("ID_BTNCTRLCONNECT"));
    EXPECT_EQ(Label("ID_BTNCTRLCONNECT"), "Connect");
}

namespace {
class MeshWindowsTest : public MainWindowTest {
protected:
    void SetUp() override {
        factory.withMesh = true;
        MainWindowTest::SetUp();
    }
};
}  // namespace

TEST_F(MeshWindowsTest, TheMeshDialogsOpenThroughTheFactoryWhenTheBuildHasThem) {
    EXPECT_TRUE(MenuItem("Settings", "Mesh Configure")->IsEnabled());
    ModalDialogAnswerer::Get().Expect("Mesh Configuration", wxID_OK);
    Menu("Settings", "Mesh Configure");
    wxGetApp().m_nMeshStatus = MESH_ON;
    ModalDialogAnswerer::Get().Expect("Mesh Neighbors", wxID_OK);
    ClickButton(Main(), "ID_BTNVIEWNGHBR");
    EXPECT_EQ(wxGetApp().m_nMeshStatus, MESH_ON);
}
