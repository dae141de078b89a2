// The links between the program's windows, each driven once through the real
// windows: the application's own window factory, the hub over the simulated
// laptop, dialogs run for real or answered through the modal-dialog hook.
#include <algorithm>
#include <string>
#include <vector>

#include <wx/bmpcbox.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/wizard.h>

#include "AppLink.h"
#include "AutoRunSettings.h"
#include "DialogTestSupport.h"
#include "EditProfileDialog.h"
#include "GaugeDialog.h"
#include "IPSettings.h"
#include "InterfaceTable.h"
#include "LinkSampler.h"
#include "MeshConfigurationDlg.h"
#include "MeshInfoManager.h"
#include "MeshShareMyInternetDlg.h"
#include "ModalDialogAnswerer.h"
#include "NetSecrityDlg.h"
#include "NetworkManagerDlg.h"
#include "NetworkTypes.h"
#include "Pointer.h"
#include "ProfileEvent.h"
#include "ProfileFile.h"
#include "ProfileGeneralSettings.h"
#include "ProfileManagementControl.h"
#include "ProfileManagerDlg.h"
#include "ProfileOtherSettings.h"
#include "ProfileWirelessSettings.h"
#include "ProxySettings.h"
#include "ScanNetworkDlg.h"
#include "SystemPaths.h"
#include "TWMApp.h"
#include "TWMPopupMenu.h"
#include "TWMUtil.h"
#include "TaskBarBalloonLAN.h"
#include "TWMTaskTray.h"
#include "TrayTestSupport.h"
#include "ViewAPNeighborsDlg.h"
#include "ViewMeshNeighborsDlg.h"
#include "sim/SimControl.h"

namespace {

class WindowLinksTest : public TrayTest {
protected:
    void SetUp() override {
        TrayTest::SetUp();
        TWMUtil::OverrideUserIdForTesting("root");
        wxGetApp().JoinHub(*hub);
    }
    void TearDown() override {
        wxGetApp().m_nMeshStatus = MESH_OFF;
        MeshInfoManager::GetInstance()->SetMeshEnabled(false);
        MeshInfoManager::GetInstance()->ClearMeshUseOthersInternetDlg();
        MeshInfoManager::GetInstance()->SetInterfaceQuery(nullptr);
        // The manager only hides when it is closed.
        if (ProfileManagerDlg* manager = hub->GetProfileManagerDlg())
            manager->wxFrame::Destroy();
        TWMUtil::OverrideUserIdForTesting(wxString());
        TrayTest::TearDown();
    }

    NetworkManagerDlg* Main() { return hub->GetNetworkManagerDlg(); }
    ScanNetworkDlg* Scan() { return hub->GetScanNetworkDlg(); }
    ProfileManagerDlg* Manager() { return hub->GetProfileManagerDlg(); }

    // The wired cable out, the wireless adapter up and a status check: the
    // hub is in wireless mode without a link, where scanning is offered.
    void WirelessOnly() {
        SimControl::SetAdapterUp(ADAPTER_WIRED, false);
        SimControl::SetAdapterUp(ADAPTER_WIRELESS, true);
        hub->OnStatusTimer();
        ASSERT_EQ(hub->GetNetworkMode(), NETMODE_WIRELESS_NOLINK);
    }
    void MainMenu(const char* menu, const char* item) {
        const int id = Main()->GetMenus()->FindMenuItem(menu, item);
        ASSERT_NE(id, wxNOT_FOUND) << item;
        wxCommandEvent e(wxEVT_MENU, id);
        Main()->GetEventHandler()->ProcessEvent(e);
    }
    static void TrayMenu(int id) {
        {
            TWMPopupMenu menu;
            wxCommandEvent pick(wxEVT_MENU, id);
            menu.ProcessEvent(pick);
        }
        RunEventLoopFor(20);
    }
    std::vector<wxString> ManagerRows() {
        std::vector<wxString> names;
        auto* list = Named<wxListCtrl>(Manager(), "ID_PROFILELISTCTRL");
        for (int row = 0; row < list->GetItemCount(); ++row)
            names.push_back(list->GetItemText(row, 2));
        return names;
    }
    bool ManagerLists(const wxString& name) {
        const std::vector<wxString> rows = ManagerRows();
        return std::find(rows.begin(), rows.end(), name) != rows.end();
    }
    void SelectManagerRow(const wxString& name) {
        const std::vector<wxString> rows = ManagerRows();
        const long row = std::find(rows.begin(), rows.end(), name) - rows.begin();
        Named<wxListCtrl>(Manager(), "ID_PROFILELISTCTRL")
            ->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    }
    // Waits for the scan window's nine networks.
    void WaitForNetworks() {
        ASSERT_TRUE(RunEventLoopUntil(
            [&] { return Scan()->GetList()->GetItemCount() == 9 && !Scan()->GetGauge()->IsShown(); }));
    }
    // The scan window opened from the tray, its scan done.
    void ShowScanWindow() {
        Scan()->ShowForConnect();
        WaitForNetworks();
    }
    // Selects a network by name once the scan is done.
    void SelectNetwork(const wxString& name) {
        WaitForNetworks();
        wxListCtrl* list = Scan()->GetList();
        for (long row = 0; row < list->GetItemCount(); ++row) {
            if (list->GetItemText(row, 1) == name)
                list->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        }
        RunEventLoopFor(10);
    }
    // A click on a profile dialog's Scan button, whose scan window's modal
    // run picks this network; false when no scan window ran.
    bool PickWith(wxWindow* scanButton, const wxString& name) {
        ExpectRealModal([this, name](wxDialog* shown) {
            EXPECT_EQ(shown, static_cast<wxDialog*>(Scan()));
            EXPECT_FALSE(Scan()->IsUsedForConnect());
            SelectNetwork(name);
            Click(Named<wxButton>(Scan(), "ID_BUTTON_CONNECT"));
        });
        Click(scanButton);
        return ModalDialogAnswerer::Get().PendingExpectations() == 0;
    }
    // The next modal dialog is of class T; answered with `answer`.
    template <class T>
    static void ExpectDialog(int answer) {
        ModalDialogAnswerer::Get().ExpectAny([answer](wxDialog* shown) {
            EXPECT_NE(dynamic_cast<T*>(shown), nullptr) << shown->GetTitle().utf8_str();
            return answer;
        });
    }
};

// The application as the running program has it once its tray is up: the
// tray's own pending apply is the gate of the main window's commands.
class TrayGate : public AppLink {
public:
    explicit TrayGate(TWMTaskTray* tray) : m_tray(tray) { AppLink::Install(this); }
    ~TrayGate() override { AppLink::Install(&wxGetApp()); }
    int GetMeshStatus() const override { return wxGetApp().GetMeshStatus(); }
    bool TurnMeshOff() override { return wxGetApp().TurnMeshOff(); }
    bool IsTrayApplyIdle() const override { return m_tray->GetApplyWirelessFlag(); }
    void RequestPublish() override {}
    void ForgetTaskTray(const TaskTrayLink*) override {}

private:
    TWMTaskTray* m_tray;
};

// Opens a menu of a frame from the keyboard, as a user does with its
// mnemonic, and tells whether an item of it was usable while it was open.
bool ItemUsableInOpenMenu(wxFrame* frame, char mnemonic, const wxString& menu, const wxString& item) {
    wxMenuBar* bar = frame->GetMenuBar();
    const int id = bar->FindMenuItem(menu, item);
    if (id == wxNOT_FOUND) {
        ADD_FAILURE() << item << " is not in " << menu;
        return false;
    }
    bool open = false;
    const auto opened = [&open](wxMenuEvent& event) {
        open = true;
        event.Skip();
    };
    frame->Bind(wxEVT_MENU_OPEN, opened);
    frame->Raise();
    frame->SetFocus();
    RunEventLoopFor(100);
    wxUIActionSimulator keys;
    keys.Char(mnemonic, wxMOD_ALT);
    EXPECT_TRUE(RunEventLoopUntil([&] { return open; })) << menu << " did not open";
    const bool usable = bar->FindItem(id)->IsEnabled();
    keys.Char(WXK_ESCAPE);
    RunEventLoopFor(100);
    frame->Unbind(wxEVT_MENU_OPEN, opened);
    return usable;
}

}  // namespace

TEST_F(WindowLinksTest, TheMainWindowOpensTheManagerAndTellsItOfChangedLists) {
    AddProfile("Cable", "1", "lan");
    hub->Init();
    SimControl::SetAdapterUp(ADAPTER_WIRELESS, true);
    ShowScanWindow();
    Click(Named<wxButton>(Main(), "ID_BTNPRFLMGR"));
    EXPECT_FALSE(Scan()->IsShown()) << "a shown scan window goes first";
    ASSERT_TRUE(Manager()->IsShown());
    EXPECT_TRUE(ManagerLists("Cable"));

    ModalDialogAnswerer::Get().Expect("The Profile Manager dialog is already open.", wxID_OK);
    MainMenu("File", "Import School Settings ...");

    // A profile saved by another window: the main window's list takes it,
    // and the manager hears of it from the main window.
    std::vector<int> heard;
    Manager()->Bind(wxEVT_TW_PROFILE, [&](ProfileEvent& e) {
        heard.push_back(e.GetCode());
        e.Skip();
    });
    ProfileList_t home;
    home.name = "Home";
    home.show = "1";
    home.GenernalSet.ConnecType = "lan";
    ASSERT_TRUE(Control()->SaveProfile(home));
    RunEventLoopFor(50);
    EXPECT_NE(std::find(heard.begin(), heard.end(), PROFILE_PASSED_ON), heard.end());
    EXPECT_NE(Named<wxBitmapComboBox>(Main(), "ID_CMBSWITCHPRFL")->FindString("Home"), wxNOT_FOUND);

    // The settings of a classroom delivery reach both lists.
    Manager()->Hide();
    MainMenu("Settings", "Profile Manager");
    ASSERT_TRUE(Manager()->IsShown());
    AddProfile("Classroom", "3", "lan");
    const SettingsRepublisher::Hooks hooks = wxGetApp().RepublishHooks();
    EXPECT_TRUE(hooks.refreshMainWindow());
    EXPECT_TRUE(hooks.refreshProfileManager());
    EXPECT_NE(Named<wxBitmapComboBox>(Main(), "ID_CMBSWITCHPRFL")->FindString("Classroom"), wxNOT_FOUND);
    EXPECT_TRUE(ManagerLists("Classroom"));
}

TEST_F(WindowLinksTest, ApplyResultsShowInTheMainWindowAndTheTrayIconWithoutWaitingForAStatusCheck) {
    AddProfile("Cable", "1", "lan");
    AddProfile("Classroom", "2", "wireless", "1", "Classroom-101", "lantern-wpa-key");
    StartTray();
    Control()->PrepareTick();
    WaitForSwitch("RVL_UpAdapter(1)");
    PollWired(1);
    ASSERT_NE(Tray()->GetWiredBalloon(), nullptr);
    EXPECT_TRUE(RunEventLoopUntil([&] { return Tray()->GetIconFile().EndsWith("pic/tray_wired.png"); }));
    EXPECT_EQ(TextOf(Main(), "ID_STCSTATUS"), "Connected");

    // The profile names no PHY type: the connect request's record must give
    // way to what the laptop is associated with, and until it has, the main
    // window shows no type or signal, nor the wired link the apply took down.
    SimControl::SetDelays(0, 300, 600);
    LinkSampler sampler([&] { return JudgeMainWindow(Main(), {{"Cable", ""}, {"Classroom", "Classroom-101"}}); });
    std::vector<ProfileList_t> profiles;
    ASSERT_TRUE(Control()->GetProfileList(profiles, true, true));
    TWMPopupMenu::ConnectProfile(profiles[1]);
    Control()->PrepareTick();
    sampler.Sample("the adapter switch asked for");
    ASSERT_TRUE(RunEventLoopUntil([&] { return hub->IsAllocatorTimerRunning(); }));
    sampler.Sample("the association asked for");
    ASSERT_TRUE(RunEventLoopUntil([] {
        APStatus ap;
        return RVL_GetCurrentAP(&ap) == 0;
    }));
    hub->OnStatusTimer();
    sampler.Sample("a check before the address");
    ConnectWireless("10.20.1.57");
    EXPECT_TRUE(RunEventLoopUntil([&] { return TextOf(Main(), "ID_STCTYPE") == "Wireless LAN - 802.11n - 108Mbps"; }))
        << TextOf(Main(), "ID_STCTYPE").utf8_str();
    EXPECT_EQ(TextOf(Main(), "ID_STCSQVAL"), "92%");
    EXPECT_EQ(TextOf(Main(), "ID_STCIPADDR"), "10.20.1.57");
    EXPECT_TRUE(Tray()->GetIconFile().EndsWith("pic/tray_wireless.png"));
    sampler.Sample("the apply ended");
    EXPECT_EQ(sampler.Faults(), "");
}

TEST_F(WindowLinksTest, TheWirelessButtonIsGreyWhileTheTrayAppliesTheFirstWirelessProfile) {
    AddProfile("School LAN", "1", "lan");
    AddProfile("Classroom 101", "2", "wireless", "1", "Classroom-101", "lantern-wpa-key");
    StartTray();
    TrayGate gate(Tray());
    Control()->PrepareTick();
    WaitForSwitch("RVL_UpAdapter(1)");
    PollWired(1);
    hub->OnStatusTimer();
    Main()->Show();
    auto* wireless = Named<wxButton>(Main(), "ID_BTNCTRLWRLS");
    const wxPoint middle(wireless->GetSize().GetWidth() / 2, wireless->GetSize().GetHeight() / 2);
    ASSERT_EQ(wireless->GetLabel(), "Turn on wireless");
    ASSERT_TRUE(Pointer::Click(wireless, middle));
    ASSERT_TRUE(RunEventLoopUntil([&] { return wireless->IsEnabled(); })) << "switched";

    // The next check has the tray apply the first wireless profile.
    hub->OnStatusTimer();
    ASSERT_FALSE(Tray()->GetApplyWirelessFlag());
    RunEventLoopFor(50);
    EXPECT_EQ(wireless->GetLabel(), "Turn off wireless");
    EXPECT_FALSE(wireless->IsEnabled()) << "the apply would refuse it";
    EXPECT_FALSE(ItemUsableInOpenMenu(Main(), 's', "Settings", "Turn off wireless")) << "nor its menu item";
    SimControl::ClearCallLog();
    ASSERT_TRUE(Pointer::Click(wireless, middle));
    Control()->PrepareTick();
    ConnectWireless("10.20.1.57");
    ASSERT_TRUE(RunEventLoopUntil([&] { return wireless->IsEnabled(); })) << "back when the apply ends";
    EXPECT_EQ(wireless->GetLabel(), "Turn off wireless");
    EXPECT_TRUE(ItemUsableInOpenMenu(Main(), 's', "Settings", "Turn off wireless"));
    EXPECT_EQ(TextOf(Main(), "ID_STCCURRENTPROF"), "Classroom 101");
    const std::vector<std::string> log = SimControl::CallLog();
    EXPECT_EQ(std::find(log.begin(), log.end(), "RVL_DownAdapter(2)"), log.end()) << "wireless stayed on";
}

TEST_F(WindowLinksTest, AScannedNetworkBecomesAProfileInForceThroughTheEditorAndJoinsTheManager) {
    hub->Init();
    Manager()->ShowManager();
    WirelessOnly();
    ShowScanWindow();
    SelectNetwork("Classroom-101");
    ExpectRealModal([](wxDialog* prompt) {
        for (wxWindow* child : prompt->GetChildren())
            Type(child, "lantern-wpa-key");
        Click(prompt->FindWindow(wxID_OK));
    });
    Click(Named<wxButton>(Scan(), "ID_BUTTON_CONNECT"));
    ModalDialogAnswerer::Get().Expect("Would you like to create a new profile for this network?", wxID_YES);
    ExpectRealModal([](wxDialog* editor) {
        ASSERT_NE(dynamic_cast<EditProfileDialog*>(editor), nullptr);
        EXPECT_FALSE(Named<wxTextCtrl>(editor, "ID_SSIDTEXTCTRL")->IsEnabled());
        Type(Named<wxTextCtrl>(editor, "ID_NAMETEXTCTRL"), "Room 101");
        Click(Named<wxButton>(editor, "ID_OKBUTTON"));
    });
    ModalDialogAnswerer::Get().Expect("Profile created successfully.", wxID_OK);
    ConnectWireless("10.20.1.57");
    EXPECT_EQ(ModalDialogAnswerer::Get().PendingExpectations(), 0u);
    ProfileList_t stored;
    EXPECT_TRUE(ProfileFile::Read(ProfileFile::PathFor(SystemPaths::AdminDir(), "Room 101"), stored));
    EXPECT_TRUE(ManagerLists("Room 101"));
    // The laptop is on that network: the new profile is the one in force.
    RunEventLoopFor(50);
    EXPECT_EQ(Control()->GetCurrentProfileName(), "Room 101");
    EXPECT_EQ(Named<wxBitmapComboBox>(Main(), "ID_CMBSWITCHPRFL")->GetValue(), "Room 101");
    EXPECT_EQ(TextOf(Main(), "ID_STCCURRENTPROF"), "Room 101");
    EXPECT_TRUE(Named<wxButton>(Main(), "ID_BTNCTRLCONNECT")->IsEnabled());
    EXPECT_EQ(TextOf(Main(), "ID_BTNCTRLCONNECT"), "Disconnect");
}

TEST_F(WindowLinksTest, TheManagersEditAndNewOpenTheProfileDialogsWhichPickFromTheScanWindow) {
    AddProfile("Cable", "1", "lan");
    AddProfile("Office", "2", "wireless", "1", "Office-AP", "office-wpa-key");
    hub->Init();
    WirelessOnly();
    Manager()->ShowManager();

    // Edit: the scan window goes; the dialog picks a network from it and
    // asks the manager whether the new name is taken.
    ShowScanWindow();
    SelectManagerRow("Office");
    ExpectRealModal([this](wxDialog* editor) {
        ASSERT_NE(dynamic_cast<EditProfileDialog*>(editor), nullptr);
        EXPECT_FALSE(Scan()->IsShown());
        ASSERT_TRUE(PickWith(Named<wxButton>(editor, "ID_SCANBUTTON"), "Library-WEP"));
        EXPECT_EQ(Named<wxTextCtrl>(editor, "ID_SSIDTEXTCTRL")->GetValue(), "Library-WEP");
        Type(Named<wxTextCtrl>(editor, "ID_KEYTEXTCTRL"), "0123456789");
        Type(Named<wxTextCtrl>(editor, "ID_NAMETEXTCTRL"), "Cable");
        ModalDialogAnswerer::Get().Expect("A profile with the name you specified already exists.", wxID_OK);
        Click(Named<wxButton>(editor, "ID_OKBUTTON"));
        ASSERT_TRUE(editor->IsModal()) << "a name in the manager's list is refused";
        Type(Named<wxTextCtrl>(editor, "ID_NAMETEXTCTRL"), "Library");
        Click(Named<wxButton>(editor, "ID_OKBUTTON"));
    });
    Click(Named<wxButton>(Manager(), "ID_EDITBUTTON"));
    EXPECT_EQ(ManagerRows(), (std::vector<wxString>{"Cable", "Library"}));

    // New: the scan window goes; the wizard picks a network from it, and its
    // last page opens each settings dialog.
    ShowScanWindow();
    ExpectRealModal([this](wxDialog* shown) {
        auto* wizard = dynamic_cast<ProfileGeneralSettings*>(shown);
        ASSERT_NE(wizard, nullptr);
        EXPECT_FALSE(Scan()->IsShown());
        Type(Named<wxTextCtrl>(wizard, "ID_NAMETEXTCTRL"), "Classroom");
        Click(wizard->FindWindow(wxID_FORWARD));
        ASSERT_TRUE(PickWith(Named<wxButton>(wizard->GetWirelessPage(), "ID_SNBUTTON"), "Classroom-101"));
        EXPECT_EQ(Named<wxTextCtrl>(wizard, "ID_WNNAMETEXTCTRL")->GetValue(), "Classroom-101");
        Type(Named<wxTextCtrl>(wizard, "ID_KEYTEXTCTRL"), "lantern-wpa-key");
        Click(wizard->FindWindow(wxID_FORWARD));
        ProfileOtherSettings* page = wizard->GetOtherPage();
        ASSERT_EQ(wizard->GetCurrentPage(), static_cast<wxWizardPage*>(page));
        for (const char* box : {"ID_NSCHECKBOX", "ID_APPCHECKBOX", "ID_IPCHECKBOX", "ID_PROXYCHECKBOX"})
            Tick(Named<wxCheckBox>(page, box), true);
        ExpectDialog<NetSecrityDlg>(wxID_CANCEL);
        Click(Named<wxButton>(page, "ID_SET1BUTTON"));
        ExpectDialog<AutoRunSettings>(wxID_CANCEL);
        Click(Named<wxButton>(page, "ID_SET2BUTTON"));
        ExpectDialog<IPSettings>(wxID_CANCEL);
        Click(Named<wxButton>(page, "ID_SET3BUTTON"));
        ExpectDialog<ProxySettings>(wxID_CANCEL);
        Click(Named<wxButton>(page, "ID_SET4BUTTON"));
        for (const char* box : {"ID_APPCHECKBOX", "ID_IPCHECKBOX", "ID_PROXYCHECKBOX"})
            Tick(Named<wxCheckBox>(page, box), false);
        Click(wizard->FindWindow(wxID_FORWARD));  // Finish
    });
    Click(Named<wxButton>(Manager(), "ID_NEWBUTTON"));
    EXPECT_EQ(ModalDialogAnswerer::Get().PendingExpectations(), 0u);
    EXPECT_TRUE(ManagerLists("Classroom"));
}

TEST_F(WindowLinksTest, MeshCommandsOfTheTrayAndTheMainWindowReachTheMeshDialogs) {
    InterfaceTable interfaces{{{"eth0", "192.168.10.57", true, true}, {"ra0", "", false, true}}};
    MeshInfoManager::GetInstance()->SetInterfaceQuery(&interfaces);
    hub->Init();
    SimControl::SetAdapterUp(ADAPTER_WIRELESS, true);
    TrayMenu(TWMPopupMenu::TurnOnMeshItemId());
    ASSERT_EQ(wxGetApp().m_nMeshStatus, MESH_ON);
    hub->OnStatusTimer();
    EXPECT_FALSE(Named<wxButton>(Main(), "ID_BTNSCANNW")->IsEnabled()) << "mesh mode scans only while sharing";
    EXPECT_TRUE(Named<wxButton>(Main(), "ID_BTNVIEWNGHBR")->IsEnabled());
    ExpectDialog<ViewMeshNeighborsDlg>(wxID_CANCEL);
    Click(Named<wxButton>(Main(), "ID_BTNVIEWNGHBR"));
    wxMenuBar* menus = Main()->GetMenus();
    ASSERT_TRUE(menus->FindItem(menus->FindMenuItem("Settings", "Mesh Configure"))->IsEnabled());
    ExpectDialog<MeshConfigurationDlg>(wxID_CANCEL);
    MainMenu("Settings", "Mesh Configure");

    // Sharing the wireless interface brings up the scan window to connect.
    Scan()->SetUsedForConnect(false);
    ExpectRealModal([](wxDialog* shown) {
        ASSERT_NE(dynamic_cast<MeshShareMyInternetDlg*>(shown), nullptr);
        auto* list = Named<wxListCtrl>(shown, "ID_LISTCTRL");
        list->SetItemState(0, 0, wxLIST_STATE_SELECTED);
        list->SetItemState(1, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        ModalDialogAnswerer::Get().Expect("Are you sure to make the local machine as Mesh Server?", wxID_YES);
        Click(Named<wxButton>(shown, "ID_BUTTON_OK"));
    });
    TrayMenu(TWMPopupMenu::ShareMyInternetItemId());
    EXPECT_EQ(wxGetApp().m_nMeshStatus, MESH_SHARING_MY_INTERNET);
    EXPECT_TRUE(Scan()->IsShown());
    EXPECT_TRUE(Scan()->IsUsedForConnect());
    hub->OnStatusTimer();
    EXPECT_TRUE(Named<wxButton>(Main(), "ID_BTNSCANNW")->IsEnabled());
    Scan()->CloseIfShown();

    // Mesh off: the network's own neighbour list again.
    TrayMenu(TWMPopupMenu::TurnOffMeshItemId());
    ExpectDialog<ViewAPNeighborsDlg>(wxID_CANCEL);
    MainMenu("Tools", "View Neighbors");
}
