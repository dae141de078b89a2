#include "TrayTestSupport.h"

#include <algorithm>
#include <cstring>

#include <wx/control.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#include "NetworkTypes.h"
#include "ProfileFile.h"
#include "SwitchAdapterEvent.h"
#include "ProfileManagementControl.h"
#include "ProgramFolder.h"
#include "SystemPaths.h"
#include "TWMApp.h"
#include "TWMTaskTray.h"
#include "TWMUtil.h"
#include "TestEnvironment.h"
#include "sim/SimControl.h"

// The tray and the windows reach the application object through the link it
// installs (AppLink).
wxApp* CreateTestApplication() { return new TWMApp; }

void TrayTest::SetUp() {
    TestEnvironment::ResetFolders();
    const std::string pictures = TIDEWAVE_PICTURE_DIR;
    ProgramFolder::Set(pictures.substr(0, pictures.rfind('/')));
    SimControl::ResetToDefault();
    SimControl::SetDelays(0, 0, 50);
    UserNotices::Install(&notices);
    hub = std::make_unique<DataCenterLinux>();
    DataCenter::OverrideInstanceForTesting(hub.get());
    TWMUtil::MakeFolder(SystemPaths::AdminDir(), 0755);
}

void TrayTest::TearDown() {
    delete tray;  // removes the icon and its balloons
    tray = nullptr;
    // A scan still under way reports to the scan window while it lives.
    EXPECT_TRUE(RunEventLoopUntil([this] { return !hub->IsScanning(); })) << "a scan never ended";
    // The main window only hides or ends the program when closed; the
    // hub's windows go with the test.
    if (auto* main = dynamic_cast<wxTopLevelWindow*>(hub->GetMainWindow()))
        main->wxTopLevelWindowBase::Destroy();
    GuiTest::TearDown();
    hub.reset();
    DataCenter::OverrideInstanceForTesting(nullptr);
    UserNotices::Install(nullptr);
}

void TrayTest::AddProfile(const std::string& name, const std::string& priority, const std::string& type,
                          const std::string& show, const std::string& ssid, const std::string& key) {
    ProfileList_t p;
    p.name = name;
    p.permission = "admin";
    p.priority = priority;
    p.show = show;
    p.GenernalSet.ConnecType = type;
    p.WirelessSet.SSID = ssid;
    p.WirelessSet.WlanSecurity = key.empty() ? "none" : "wpa-psk";
    p.WirelessSet.WPAKey = key;
    ASSERT_TRUE(ProfileFile::Write(p, SystemPaths::AdminDir(), 0644, true));
}

TWMTaskTray* TrayTest::Tray() {
    if (tray == nullptr)
        tray = TWMTaskTray::GetInstance();
    return tray;
}

ProfileManagementControl* TrayTest::Control() { return hub->GetProfileManagementControl(); }

void TrayTest::StartTray() {
    Tray()->init();
    RunEventLoopFor(20);
}

void TrayTest::WaitForSwitch(const std::string& call) {
    // Replies to switch requests are posted and handled in queue order: once
    // a marker's reply is in, the apply's reply has been handled.
    bool markerAnswered = false;
    wxEvtHandler marker;
    marker.Bind(wxEVT_TW_SWITCH_ADAPTER, [&](SwitchAdapterEvent&) { markerAnswered = true; });
    hub->QueueSwitchAdapter(ADAPTER_NONE, ADAPTER_NONE, &marker);
    ASSERT_TRUE(RunEventLoopUntil([&] { return markerAnswered; }));
    const std::vector<std::string> log = SimControl::CallLog();
    ASSERT_NE(std::find(log.begin(), log.end(), call), log.end()) << call;
}

void TrayTest::PollWired(int ticks) {
    for (int i = 0; i < ticks; ++i)
        Control()->WiredPollTick();
    RunEventLoopFor(30);
}

void TrayTest::ConnectWireless(const char* expectedAddress) {
    ASSERT_TRUE(RunEventLoopUntil([&] { return hub->IsAllocatorTimerRunning(); }));
    ASSERT_TRUE(RunEventLoopUntil([&] {
        char ip[RVL_TEXT_BUFFER] = {};
        return RVL_GetIPAddressHLAN(ADAPTER_WIRELESS, ip) == 0 && std::strcmp(ip, expectedAddress) == 0;
    }));
    hub->OnAllocatorTimer();
    RunEventLoopFor(50);
}

wxString TrayTest::TextOf(wxWindow* window, const wxString& name) {
    wxWindow* child = window != nullptr ? wxWindow::FindWindowByName(name, window) : nullptr;
    EXPECT_NE(child, nullptr) << name.utf8_str();
    return child != nullptr ? wxControl::RemoveMnemonics(child->GetLabel()) : wxString();
}
