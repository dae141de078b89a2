#include "HubWindowTest.h"

#include <algorithm>
#include <cstring>

#include <wx/dialog.h>
#include <wx/listctrl.h>
#include <wx/toplevel.h>

#include "CommandRunner.h"
#include "GaugeDialog.h"
#include "NetworkManagerDlg.h"
#include "NetworkTypes.h"
#include "ProfileFile.h"
#include "ProfileManagementControl.h"
#include "ProgramFolder.h"
#include "ScanNetworkDlg.h"
#include "SystemPaths.h"
#include "TWMApp.h"
#include "TWMUtil.h"
#include "TestEnvironment.h"
#include "sim/SimControl.h"

HubWindowFactory::MainWindow TestWindowFactory::CreateNetworkManagerDlg() {
    controllerBeforeWindows = DataCenter::GetInstance()->GetProfileManagementControl() != nullptr;
    return NetworkWindowFactory::CreateNetworkManagerDlg();
}

HubWindowFactory::ScanWindow TestWindowFactory::CreateScanNetworkDlg() {
    controllerBeforeWindows =
        controllerBeforeWindows || DataCenter::GetInstance()->GetProfileManagementControl() != nullptr;
    return NetworkWindowFactory::CreateScanNetworkDlg();
}

HubWindowFactory::ProfileManager TestWindowFactory::CreateProfileManagerDlg() {
    ProfileManager made;
    made.events = &manager;
    made.view = &manager;
    return made;
}

bool TestWindowFactory::EditProfileFromScan(wxWindow* parent, ProfileList_t& profile) {
    ++editorRuns;
    return editor ? editor(parent, profile) : false;
}

wxDialog* TestWindowFactory::CreateMeshConfigurationDlg() {
    return withMesh ? new wxDialog(nullptr, wxID_ANY, "Mesh Configuration") : nullptr;
}

wxDialog* TestWindowFactory::CreateViewMeshNeighborsDlg() {
    return withMesh ? new wxDialog(nullptr, wxID_ANY, "Mesh Neighbors") : nullptr;
}

int TestHub::StartScan() { return failScanThread ? HUB_SCAN_THREAD_FAILED : DataCenterLinux::StartScan(); }

void HubWindowTest::SetUp() {
    TestEnvironment::ResetFolders();
    const std::string pictures = TIDEWAVE_PICTURE_DIR;
    ProgramFolder::Set(pictures.substr(0, pictures.rfind('/')));
    SimControl::ResetToDefault();
    SimControl::SetDelays(0, 0, 50);
    UserNotices::Install(&notices);
    TWMUtil::MakeFolder(SystemPaths::AdminDir(), 0755);
    wxGetApp().m_nMeshStatus = MESH_OFF;
    hub = std::make_unique<TestHub>();
    DataCenter::OverrideInstanceForTesting(hub.get());
    hub->SetWindowFactory(&factory);
    hub->SetMeshStatusSource([] { return wxGetApp().m_nMeshStatus; });
    hub->Init();
}

void HubWindowTest::TearDown() {
    // A scan still under way reports to the scan window: its result is let
    // in while the window lives, not in the event pump that follows its end.
    EXPECT_TRUE(RunEventLoopUntil([this] { return !hub->IsScanning(); })) << "a scan never ended";
    // The main window only hides or ends the program when closed.
    if (auto* main = dynamic_cast<wxTopLevelWindow*>(hub->GetMainWindow()))
        main->wxTopLevelWindowBase::Destroy();
    GuiTest::TearDown();
    hub.reset();
    DataCenter::OverrideInstanceForTesting(nullptr);
    UserNotices::Install(nullptr);
    CommandRunner::Install(nullptr);
    wxGetApp().m_nMeshStatus = MESH_OFF;
}

NetworkManagerDlg* HubWindowTest::Main() { return hub->GetNetworkManagerDlg(); }

ScanNetworkDlg* HubWindowTest::Scan() { return hub->GetScanNetworkDlg(); }

ProfileManagementControl* HubWindowTest::Control() { return hub->GetProfileManagementControl(); }

void HubWindowTest::AddProfile(const std::string& name, const std::string& type, const std::string& ssid,
                               const std::string& key, const std::string& wepIndex) {
    ProfileList_t p;
    p.name = name;
    p.permission = "admin";
    p.priority = "1";
    p.show = "1";
    p.icon = "0";
    p.GenernalSet.ConnecType = type;
    p.WirelessSet.SSID = ssid;
    p.WirelessSet.WlanSecurity = key.empty() ? "none" : wepIndex.empty() ? "wpa-psk" : "wep";
    if (wepIndex.empty())
        p.WirelessSet.WPAKey = key;
    else
        p.WirelessSet.WEPKey = key;
    p.WirelessSet.KeyIndex = wepIndex;
    ASSERT_TRUE(ProfileFile::Write(p, SystemPaths::AdminDir(), 0644, true));
}

void HubWindowTest::ShowScanWindow(int expectedRows) {
    SimControl::SetAdapterUp(ADAPTER_WIRED, false);
    SimControl::SetAdapterUp(ADAPTER_WIRELESS, true);
    Scan()->ShowForConnect();
    ASSERT_TRUE(RunEventLoopUntil([&] {
        return Scan()->GetList()->GetItemCount() == expectedRows && !Scan()->GetGauge()->IsShown();
    }));
}

long HubWindowTest::RowOf(const wxString& name) {
    wxListCtrl* list = Scan()->GetList();
    for (long i = 0; i < list->GetItemCount(); ++i) {
        if (list->GetItemText(i, 1) == name)
            return i;
    }
    ADD_FAILURE() << "no row " << name.utf8_str();
    return -1;
}

void HubWindowTest::SelectRow(long row) {
    Scan()->GetList()->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    RunEventLoopFor(10);
}

void HubWindowTest::FinishConnection(bool expectSuccess) {
    ASSERT_TRUE(RunEventLoopUntil([&] { return hub->IsAllocatorTimerRunning(); }));
    if (expectSuccess) {
        ASSERT_TRUE(RunEventLoopUntil([&] {
            char ip[RVL_TEXT_BUFFER] = {};
            return RVL_GetIPAddressHLAN(ADAPTER_WIRELESS, ip) == 0 && std::strcmp(ip, "127.0.0.1") != 0 &&
                   ip[0] != '\0';
        }));
        hub->OnAllocatorTimer();
    } else {
        for (int i = 0; i < 5; ++i)
            hub->OnAllocatorTimer();
    }
    RunEventLoopFor(50);
}

bool HubWindowTest::CalledPlatform(const std::string& call) {
    const std::vector<std::string> log = SimControl::CallLog();
    return std::find(log.begin(), log.end(), call) != log.end();
}
